// The mouse's handling of each feature report. A write handler gets a buffer of exactly
// the report's write length (its checksum, where it has one, already verified) and
// returns what the following status reads answer; a read handler fills a buffer of the
// report's read length (byte 0 already holds the identifier, the rest zero; the
// checksum is added afterwards) and returns false when the mouse has nothing to
// answer, which fails the GetFeature call.
#pragma once

#include <cstdint>

#include "featlink/device_state.h"

namespace tesh::vmouse {

struct CommandResult {
    uint8_t status;
    uint8_t busyPolls;  // busy answers before the status
};

constexpr CommandResult kDone{kStatusDone, 0};
constexpr CommandResult kRefused{kStatusRefused, 0};
constexpr CommandResult kBadChecksum{kStatusBadChecksum, 0};

using WriteHandler = CommandResult (*)(DeviceState&, const uint8_t*);
using ReadHandler = bool (*)(DeviceState&, uint8_t*);

struct ReportHandler {
    uint8_t id;
    uint32_t writeLength;  // 0: not writable
    uint32_t readLength;   // 0: not readable
    WriteHandler write;
    ReadHandler read;
    bool checksum;      // written reports are verified, replies carry one
    bool inUpdateMode;  // answered while the firmware is being replaced
};

// The handler of a report identifier, or nullptr for one the mouse does not know.
const ReportHandler* FindReport(uint8_t id);

// Status reports (status_reports.cpp).
CommandResult WriteStatusSelect(DeviceState& state, const uint8_t* report);
bool ReadStatus(DeviceState& state, uint8_t* report);
bool ReadUpdateStatus(DeviceState& state, uint8_t* report);

// Profile reports (profile_reports.cpp).
CommandResult WriteActiveProfile(DeviceState& state, const uint8_t* report);
bool ReadActiveProfile(DeviceState& state, uint8_t* report);
CommandResult WriteProfileSettings(DeviceState& state, const uint8_t* report);
bool ReadProfileSettings(DeviceState& state, uint8_t* report);
CommandResult WriteButtons(DeviceState& state, const uint8_t* report);
bool ReadButtons(DeviceState& state, uint8_t* report);
CommandResult WriteMacro(DeviceState& state, const uint8_t* report);
bool ReadMacro(DeviceState& state, uint8_t* report);

// The other reports (device_reports.cpp).
CommandResult WriteDeviceInfo(DeviceState& state, const uint8_t* report);
bool ReadDeviceInfo(DeviceState& state, uint8_t* report);
CommandResult WriteSensorScan(DeviceState& state, const uint8_t* report);
bool ReadSensorImage(DeviceState& state, uint8_t* report);
CommandResult WriteHostState(DeviceState& state, const uint8_t* report);
CommandResult WriteSensorSettings(DeviceState& state, const uint8_t* report);
bool ReadSensorSettings(DeviceState& state, uint8_t* report);
CommandResult WriteLightControl(DeviceState& state, const uint8_t* report);
CommandResult WriteColourDatabase(DeviceState& state, const uint8_t* report);
// The sensor value at row, column of the image of the given scan.
uint8_t SensorPixel(uint32_t scan, int row, int column);

// The firmware update command (update_mode.cpp).
CommandResult WriteUpdateCommand(DeviceState& state, const uint8_t* report);
// True from an accepted begin until the finish (or an unplug).
bool InUpdateMode(const DeviceState& state);

}  // namespace tesh::vmouse
