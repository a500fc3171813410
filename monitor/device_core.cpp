#include "monitor/device_core.h"

#include "monitor/monitor_names.h"
#include "monitor/report_format.h"

namespace tesh::monitor {

DeviceCore::DeviceCore(SettingsSet& image, const std::string& programDirectory,
                       const DeviceCorePorts& ports)
    : host_(ports.host),
      channel_(ports.device, ports.clock, flags_.cancel),
      reports_(channel_, image, imageLock_, ports.files),
      sequences_(reports_, flags_, ports.files, ports.block, ports.windows, ports.host,
                 programDirectory),
      sensor_(reports_, ports.windows, programDirectory),
      connection_(flags_, reports_, ports, programDirectory) {}

void DeviceCore::RunJob(int job, int argument) {
    if (flags_.connection.load() != kConnected || flags_.stopping.load() != 0) return;
    flags_.cancel = 0;
    flags_.busy = 1;
    // A removal or the end between the test above and the busy flag found nothing to
    // cancel.
    if (flags_.connection.load() != kConnected || flags_.stopping.load() != 0) {
        flags_.cancel = 1;
    }
    switch (job) {
        case kJobReadAll:
            ReadAllJob();
            break;
        case kJobSelectProfile:
            reports_.SelectProfile();
            break;
        case kJobColourDatabase:
            sequences_.UploadColourDatabase();
            break;
        case kJobMacroRequest:
            sequences_.WriteRequestedMacro(argument);
            break;
        case kJobQuibLight:
            reports_.SendQuibLight(static_cast<uint8_t>(argument >> 16),
                                   static_cast<uint8_t>(argument >> 8),
                                   static_cast<uint8_t>(argument));
            break;
        case kJobAmbientLight:
            reports_.SendAmbientLight([this] {
                std::lock_guard lock(ambientLock_);
                return ambient_;
            }());
            break;
        default:
            break;
    }
    flags_.busy = 0;
}

void DeviceCore::SendQuibLight(uint8_t a, uint8_t b, uint8_t c) {
    host_.PostDeviceJob(kJobQuibLight, a << 16 | b << 8 | c);
}

void DeviceCore::SendAmbientLight(const AmbientRecord& record) {
    {
        std::lock_guard lock(ambientLock_);
        ambient_ = record;
    }
    host_.PostDeviceJob(kJobAmbientLight, 0);
}

// Whatever the read-all's result, the mouse is told the host runs (unless the monitor
// is ending) and the Quib peers get the CPI values.
void DeviceCore::ReadAllJob() {
    sequences_.ReadAll();
    if (flags_.stopping.load() == 0) reports_.SetHostState(kHostStateRunning);
    host_.SendQuixAimCpi();
}

}  // namespace tesh::monitor
