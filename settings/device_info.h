// DeviceInfo.ini: the table of the maker's other devices that Quib functions can
// target. The monitor writes it; the configuration application reads it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tesh {

constexpr int kMaxDevices = 100;  // the monitor never writes more

struct DeviceInfoEntry {
    uint16_t VID;
    uint16_t PID;
    char Name[20];
    int32_t CPI[5];
};
static_assert(sizeof(DeviceInfoEntry) == 44);

struct DeviceInfoTable {
    int32_t Count;
    DeviceInfoEntry Devices[kMaxDevices];
};

inline constexpr char kDeviceInfoIni[] = "DeviceInfo.ini";

// Reads the file; Count is bounded by the table (0..100). False when unreadable
// (the table is then empty).
bool ReadDeviceTable(DeviceInfoTable& table, const std::string& path);
bool WriteDeviceTable(const DeviceInfoTable& table, const std::string& path);

}  // namespace tesh
