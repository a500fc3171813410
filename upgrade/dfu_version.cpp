#include "upgrade/dfu_version.h"

#include "upgrade/update_wire.h"

namespace tesh::upgrade {

int ReadDfuVersion(UpdateDevice& device) {
    uint8_t report[kDeviceInfoLength] = {kDeviceInfoReport};
    if (!device.GetFeature(report, sizeof report)) return -1;
    return report[kDfuVersionByte];
}

}  // namespace tesh::upgrade
