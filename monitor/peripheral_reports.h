// Builders and parsers of the reports beside the profiles: device information (9),
// sensor image (12), host state (14), sensor settings (15), light control (16) and the
// colour database (26).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "monitor/report_format.h"

namespace tesh::monitor {

using DeviceInfoBytes = std::array<uint8_t, kDeviceInfoLength>;
using SensorScanBytes = std::array<uint8_t, kSensorScanLength>;
using SensorImageBytes = std::array<uint8_t, kSensorImageLength>;
using HostStateBytes = std::array<uint8_t, kHostStateLength>;
using SensorSettingsBytes = std::array<uint8_t, kSensorSettingsLength>;
using LightControlBytes = std::array<uint8_t, kLightControlLength>;
using ColourChunkBytes = std::array<uint8_t, kColourDatabaseLength>;
using SensorPicture = std::array<uint8_t, kSensorPixels>;

// 9, 6, 11, 0, 0, 0: the mouse restores its defaults.
DeviceInfoBytes BuildRestoreDefaultsReport();
// The firmware version of a device information reply (byte 2).
uint8_t FirmwareVersionOf(const DeviceInfoBytes& reply);

HostStateBytes BuildHostStateReport(uint8_t state);

// The sensor's lift-off calibration (LZC) value and mode: monitor-wide values that
// travel in the sensor settings report and are not part of the settings block.
struct LzcValues {
    uint8_t value = 0;
    uint8_t mode = 0;  // 0, 1 or 2
};

// Sensor settings write modes: 1..4 are calibration steps, 253..255 special modes.
constexpr int kFirstCalibrationMode = 1;
constexpr int kLastCalibrationMode = 4;
constexpr int kFirstSpecialSensorMode = 253;
constexpr int kLastSpecialSensorMode = 255;

// What a calibration step does to the LZC values before they are written; other
// modes leave them alone.
void ApplyCalibrationStep(int mode, LzcValues& lzc);
// The report for `mode`: the special modes 253..255 carry 0xFF, 0xFF and 0, 1 or 0xFF
// in bytes 3..5; every other mode carries the two flags and the LZC values.
SensorSettingsBytes BuildSensorSettingsReport(int32_t liftOnFlag, int32_t trackControlFlag,
                                              const LzcValues& lzc, int mode);
// Fills the two flags and the LZC values from a reply.
void ParseSensorSettingsReport(const SensorSettingsBytes& reply, int32_t& liftOnFlag,
                               int32_t& trackControlFlag, LzcValues& lzc);

// Quib light command: 16, 16, a, b, c, 0xFF, zeros.
LightControlBytes BuildQuibLightReport(uint8_t a, uint8_t b, uint8_t c);
// The 20-byte ambient light record of the Quib feature: a 32-bit mode word, then the
// bytes the command carries at 4, 8 and 12..17.
constexpr std::size_t kAmbientRecordSize = 20;
using AmbientRecord = std::array<uint8_t, kAmbientRecordSize>;
LightControlBytes BuildAmbientLightReport(const AmbientRecord& record);

// Number of chunks of a colour database of `length` bytes, and chunk `index` of it,
// the last one padded with zeros.
uint32_t ColourChunkCount(std::size_t length);
ColourChunkBytes BuildColourChunk(std::string_view database, uint32_t index);

// 12, 3, 1, 0: start a sensor scan.
SensorScanBytes BuildSensorScanReport();
// The 30 x 30 picture of a sensor image reply, row after row.
SensorPicture PictureOf(const SensorImageBytes& reply);

}  // namespace tesh::monitor
