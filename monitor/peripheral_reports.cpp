#include "monitor/peripheral_reports.h"

#include <algorithm>
#include <cstring>

#include "monitor/report_checksum.h"

namespace tesh::monitor {

namespace {

constexpr int kVersionByte = 2;
constexpr uint8_t kScanStart = 1;
constexpr uint8_t kSpecialMark = 0xFF;
constexpr int kSpecialModeByte[3] = {0, 1, 0xFF};  // modes 253, 254, 255
constexpr uint8_t kLightAll = 0xFF;
constexpr uint8_t kAmbientModeOne = 3;    // mode word 1
constexpr uint8_t kAmbientModeOther = 4;  // any other mode word
constexpr int kAmbientBytes[8] = {4, 8, 12, 13, 14, 15, 16, 17};
constexpr int kAmbientFirstByte = 8;

uint8_t Low(int32_t value) {
    return static_cast<uint8_t>(value & 0xFF);
}

}  // namespace

DeviceInfoBytes BuildRestoreDefaultsReport() {
    return {kDeviceInfoReport,
            static_cast<uint8_t>(kDeviceInfoLength),
            kRestoreDefaultsCommand,
            0,
            0,
            0};
}

uint8_t FirmwareVersionOf(const DeviceInfoBytes& reply) {
    return reply[kVersionByte];
}

HostStateBytes BuildHostStateReport(uint8_t state) {
    return {kHostStateReport, static_cast<uint8_t>(kHostStateLength), state};
}

void ApplyCalibrationStep(int mode, LzcValues& lzc) {
    switch (mode) {
        case 1:
            lzc.mode = 0;
            break;
        case 2:
            lzc.mode = 1;
            break;
        case 3:
            lzc.value = 0;
            lzc.mode = 0;
            break;
        case 4:
            lzc.value = 0;
            lzc.mode = 2;
            break;
        default:
            break;
    }
}

SensorSettingsBytes BuildSensorSettingsReport(int32_t liftOnFlag, int32_t trackControlFlag,
                                              const LzcValues& lzc, int mode) {
    SensorSettingsBytes report{kSensorSettingsReport, static_cast<uint8_t>(kSensorSettingsLength),
                               Low(liftOnFlag)};
    if (mode >= kFirstSpecialSensorMode && mode <= kLastSpecialSensorMode) {
        report[3] = kSpecialMark;
        report[4] = kSpecialMark;
        report[5] = Low(kSpecialModeByte[mode - kFirstSpecialSensorMode]);
    } else {
        report[3] = Low(trackControlFlag);
        report[4] = lzc.value;
        report[5] = lzc.mode;
    }
    return report;
}

void ParseSensorSettingsReport(const SensorSettingsBytes& reply, int32_t& liftOnFlag,
                               int32_t& trackControlFlag, LzcValues& lzc) {
    liftOnFlag = reply[2];
    trackControlFlag = reply[3];
    lzc.value = reply[4];
    lzc.mode = reply[5];
}

LightControlBytes BuildQuibLightReport(uint8_t a, uint8_t b, uint8_t c) {
    return {kLightControlReport, static_cast<uint8_t>(kLightControlLength), a, b, c, kLightAll};
}

LightControlBytes BuildAmbientLightReport(const AmbientRecord& record) {
    int32_t modeWord = 0;
    std::memcpy(&modeWord, record.data(), sizeof modeWord);
    LightControlBytes report{kLightControlReport,
                             static_cast<uint8_t>(kLightControlLength),
                             kLightAll,
                             kLightAll,
                             kLightAll,
                             1,
                             modeWord == 1 ? kAmbientModeOne : kAmbientModeOther,
                             1};
    for (int i = 0; i < 8; ++i) report[kAmbientFirstByte + i] = record[kAmbientBytes[i]];
    return report;
}

uint32_t ColourChunkCount(std::size_t length) {
    return static_cast<uint32_t>((length + kColourChunkBytes - 1) / kColourChunkBytes);
}

ColourChunkBytes BuildColourChunk(std::string_view database, uint32_t index) {
    ColourChunkBytes report{kColourDatabaseReport, Low(static_cast<int32_t>(index & 0xFF)),
                            Low(static_cast<int32_t>((index >> 8) & 0xFF))};
    const std::size_t offset = std::size_t{index} * kColourChunkBytes;
    if (offset < database.size()) {
        const std::size_t count =
            std::min<std::size_t>(kColourChunkBytes, database.size() - offset);
        std::memcpy(&report[kColourChunkDataOffset], database.data() + offset, count);
    }
    PutReportChecksum(report.data(), kColourDatabaseLength);
    return report;
}

SensorScanBytes BuildSensorScanReport() {
    return {kSensorImageReport, static_cast<uint8_t>(kSensorScanLength - 1), kScanStart, 0};
}

SensorPicture PictureOf(const SensorImageBytes& reply) {
    SensorPicture picture{};
    std::memcpy(picture.data(), &reply[kSensorImageOffset], kSensorPixels);
    return picture;
}

}  // namespace tesh::monitor
