// Device information, sensor, host state, light and colour database reports.
#include <cstring>

#include "featlink/reports.h"

namespace tesh::vmouse {

namespace {

constexpr uint8_t kScanStart = 1;  // byte 2 of the sensor image write
// Sensor settings bytes 3 and 4 hold 0xFF for the special modes, byte 5 tells which.
constexpr uint8_t kSpecialModeMark = 0xFF;
// Rewriting the whole flash keeps the mouse busy for one status poll.
constexpr uint8_t kRestoreBusyPolls = 1;

constexpr uint32_t kFnvOffset = 2166136261u;
constexpr uint32_t kFnvPrime = 16777619u;

// Special mode carried in byte 5, as the host numbers it (253, 254, 255), or 0.
uint8_t SpecialMode(uint8_t byte5) {
    switch (byte5) {
        case 0:
            return 253;
        case 1:
            return 254;
        case 0xFF:
            return 255;
        default:
            return 0;
    }
}

}  // namespace

// 9, 6, command, 0, 0, 0. Command 11 restores the defaults; the mouse knows no other.
CommandResult WriteDeviceInfo(DeviceState& state, const uint8_t* report) {
    if (report[1] != kDeviceInfoLength || report[2] != kCommandRestoreDefaults) return kRefused;
    RestoreFlashDefaults(state.flash);
    return CommandResult{kStatusDone, kRestoreBusyPolls};
}

// 9, 6, firmware version, DFU version, 0, 0.
bool ReadDeviceInfo(DeviceState& state, uint8_t* report) {
    report[1] = kDeviceInfoLength;
    report[2] = state.flash.firmwareVersion;
    report[3] = state.flash.dfuVersion;
    return true;
}

// 12, 3, 1, 0 starts a scan; each scan gives a new image.
CommandResult WriteSensorScan(DeviceState& state, const uint8_t* report) {
    if (report[1] != kSensorScanLength - 1 || report[2] != kScanStart) return kRefused;
    ++state.peripherals.scans;
    return kDone;
}

// A smooth deterministic picture that shifts with every scan, so that the host's
// transposition and mirroring show.
uint8_t SensorPixel(uint32_t scan, int row, int column) {
    return static_cast<uint8_t>((40 + 3 * row + 5 * column + 7 * scan) & 0xFF);
}

// The reply carries its length (1028 = 0x0404) in bytes 1..2 and the image from byte 3.
// Before the first scan the image is all zeros.
bool ReadSensorImage(DeviceState& state, uint8_t* report) {
    report[1] = kSensorImageLength & 0xFF;
    report[2] = kSensorImageLength >> 8;
    const uint32_t scans = state.peripherals.scans;
    if (scans == 0) return true;
    for (int row = 0; row < kSensorImageSide; ++row) {
        for (int column = 0; column < kSensorImageSide; ++column) {
            report[kSensorImageOffset + row * kSensorImageSide + column] =
                SensorPixel(scans, row, column);
        }
    }
    return true;
}

CommandResult WriteHostState(DeviceState& state, const uint8_t* report) {
    if (report[1] != kHostStateLength) return kRefused;
    state.peripherals.hostState = report[2];
    return kDone;
}

// A special mode (bytes 3 and 4 both 0xFF) is remembered on its own and leaves the
// stored settings alone; any other write replaces all four values.
CommandResult WriteSensorSettings(DeviceState& state, const uint8_t* report) {
    if (report[1] != kSensorSettingsLength) return kRefused;
    if (report[3] == kSpecialModeMark && report[4] == kSpecialModeMark) {
        const uint8_t mode = SpecialMode(report[5]);
        if (mode == 0) return kRefused;
        state.peripherals.sensorSpecialMode = mode;
        return kDone;
    }
    state.flash.sensor = SensorSettings{report[2], report[3], report[4], report[5]};
    return kDone;
}

bool ReadSensorSettings(DeviceState& state, uint8_t* report) {
    const SensorSettings& s = state.flash.sensor;
    report[1] = kSensorSettingsLength;
    report[2] = s.liftOn;
    report[3] = s.trackControl;
    report[4] = s.lzcValue;
    report[5] = s.lzcMode;
    return true;
}

CommandResult WriteLightControl(DeviceState& state, const uint8_t* report) {
    if (report[1] != kLightControlLength) return kRefused;
    std::memcpy(state.peripherals.lightCommand, report, kLightControlLength);
    return kDone;
}

// The mouse takes the chunks in any order; it keeps how many arrived, the last index
// and a hash of their data in arrival order, which is enough to check an upload.
CommandResult WriteColourDatabase(DeviceState& state, const uint8_t* report) {
    PeripheralState& p = state.peripherals;
    uint32_t hash = p.colourChunks == 0 ? kFnvOffset : p.colourHash;
    for (uint32_t i = 0; i < kColourChunkBytes; ++i) hash = (hash ^ report[3 + i]) * kFnvPrime;
    p.colourHash = hash;
    p.colourLastChunk = static_cast<uint32_t>(report[1] | (report[2] << 8));
    ++p.colourChunks;
    return kDone;
}

}  // namespace tesh::vmouse
