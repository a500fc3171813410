#include "monitor/firmware_check.h"

#include "monitor/monitor_names.h"
#include "settings/file_io.h"

namespace tesh::monitor {

namespace {
constexpr int kImageNewer = 1;
constexpr int kImageOlder = 0;
}  // namespace

std::optional<int> UpgraderArgument(int deviceVersion, int imageVersion) {
    const auto device = static_cast<uint32_t>(deviceVersion);
    const auto image = static_cast<uint32_t>(imageVersion);
    if (image == device) return std::nullopt;
    return image > device ? kImageNewer : kImageOlder;
}

bool RunFirmwareCheck(DeviceReports& reports, SettingsFiles& files, ShellPort& shell,
                      LinkHost& host, const std::string& programDirectory) {
    const FirmwareVersionRead device = reports.ReadFirmwareVersion();
    if (!device.ok || device.version == 0) return false;
    const auto argument = UpgraderArgument(device.version, files.ReadImageVersion());
    if (!argument) return false;
    // The monitor closes only for an upgrader that started: without one (its folder
    // missing or broken) it would end at every start and leave the mouse unserved.
    if (!shell.Open(JoinPath(programDirectory, kUpgraderProgram), std::to_string(*argument)))
        return false;
    host.ClearStartFlag();
    return true;
}

}  // namespace tesh::monitor
