// The firmware check: when the image installed in FWUpdate differs from the mouse's
// firmware, the upgrader is started ("1" when the image is newer, "0" when older) and
// the monitor must close so that the upgrader can take the mouse over.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "monitor/device_reports.h"
#include "monitor/host_ports.h"

namespace tesh::monitor {

// The upgrader's argument for a device version and an image version, compared as
// unsigned 32-bit numbers (a missing image, -1, is the largest); nullopt when they
// are equal.
std::optional<int> UpgraderArgument(int deviceVersion, int imageVersion);

// Reads the firmware version; a failed read or version 0 never starts the upgrader.
// True when it started the upgrader (the start flag is cleared first).
bool RunFirmwareCheck(DeviceReports& reports, SettingsFiles& files, ShellPort& shell,
                      LinkHost& host, const std::string& programDirectory);

}  // namespace tesh::monitor
