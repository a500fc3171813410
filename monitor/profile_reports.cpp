#include "monitor/profile_reports.h"

#include <cstring>

#include "monitor/device_tables.h"
#include "monitor/report_checksum.h"

namespace tesh::monitor {

namespace {

// Profile settings report: byte of each field.
constexpr int kProfileByte = 2;
constexpr int kXYSynchronousByte = 3;
constexpr int kSensitivityFirstByte = 4;
constexpr int kSensitivityByte = 5;  // the one read back
constexpr int kDpiMaskByte = 6;
constexpr int kCpiCodesByte = 7;
constexpr int kCpiLevelByte = 17;
constexpr int kPollingRateByte = 19;
constexpr int kLightOnByte = 20;
constexpr int kLightChoseTypeByte = 21;
constexpr int kColorFlowByte = 22;
constexpr int kEffectTypeByte = 23;
constexpr int kEffectSpeedByte = 24;
constexpr int kColourIndexByte = 25;
constexpr int kRedByte = 26;
constexpr uint8_t kCustomColourIndex = 0xFF;

// Button report: three bytes per device button from byte 3.
constexpr int kButtonEntriesByte = 3;
constexpr int kButtonEntryBytes = 3;
// A key combination keeps its key and modifiers in the first two event bytes.
constexpr int kComboKey = 0;
constexpr int kComboModifiers = 1;

uint8_t Low(int32_t value) {
    return static_cast<uint8_t>(value & 0xFF);
}

uint8_t ProfileByte(int profile) {
    return static_cast<uint8_t>(profile & 0xFF);
}

}  // namespace

StatusBytes BuildStatusSelect(int profile, uint8_t selector) {
    return {kStatusReport, ProfileByte(profile), selector};
}

ActiveProfileBytes BuildActiveProfileReport(int32_t profile) {
    return {kActiveProfileReport, static_cast<uint8_t>(kActiveProfileLength), Low(profile)};
}

bool ParseActiveProfileReport(const ActiveProfileBytes& reply, int32_t& currentProfile) {
    if (reply[kProfileByte] >= kProfileCount) return false;
    currentProfile = reply[kProfileByte];
    return true;
}

ProfileSettingsBytes BuildProfileSettingsReport(const ProfileRecord& r, int profile) {
    ProfileSettingsBytes report{};
    report[0] = kProfileSettingsReport;
    report[1] = static_cast<uint8_t>(kProfileSettingsLength);
    report[kProfileByte] = ProfileByte(profile);
    report[kXYSynchronousByte] = Low(r.XYSynchronous);
    report[kSensitivityFirstByte] = Low(r.Sensitivity);
    report[kSensitivityByte] = Low(r.Sensitivity);
    for (int i = 0; i < kCpiLevels; ++i) {
        if (r.dpi[i] == 1)
            report[kDpiMaskByte] = static_cast<uint8_t>(report[kDpiMaskByte] | 1 << i);
        report[kCpiCodesByte + i] = CpiCodeOfLevel(r.CpiLevel_X[i]);
    }
    report[kCpiLevelByte] = Low(r.Cpi_X);
    report[kPollingRateByte] = Low(r.PollingRate);
    report[kLightOnByte] = r.LightInfo[0].on == 1 ? 1 : 0;
    report[kLightChoseTypeByte] = Low(r.LtChoseType);
    report[kColorFlowByte] = Low(r.LightColorFlow);
    report[kEffectTypeByte] = Low(r.LightEffectType);
    report[kEffectSpeedByte] = Low(r.LightEffectSpeed);
    const bool custom = r.LtChoseType != 0;
    const LightEntry& light = custom ? r.CustomLightInfo[0] : r.LightInfo[0];
    report[kColourIndexByte] = custom ? kCustomColourIndex : light.colorIndex;
    report[kRedByte] = light.red;
    report[kRedByte + 1] = light.green;
    report[kRedByte + 2] = light.blue;
    PutReportChecksum(report.data(), kProfileSettingsLength);
    return report;
}

bool ParseProfileSettingsReport(const ProfileSettingsBytes& reply, ProfileRecord& r) {
    if (!ReportChecksumMatches(reply.data(), kProfileSettingsLength)) return false;
    r.XYSynchronous = reply[kXYSynchronousByte];
    r.Sensitivity = reply[kSensitivityByte];
    for (int i = 0; i < kCpiLevels; ++i) {
        r.dpi[i] = (reply[kDpiMaskByte] >> i) & 1;
        r.CpiLevel_X[i] = r.CpiLevel_Y[i] = LevelOfCpiCode(reply[kCpiCodesByte + i]);
    }
    r.Cpi_X = r.Cpi_Y = reply[kCpiLevelByte];
    r.PollingRate = reply[kPollingRateByte];
    r.LightInfo[0].on = reply[kLightOnByte] & 1;
    r.LightColorFlow = reply[kColorFlowByte];
    r.LightEffectType = reply[kEffectTypeByte];
    r.LightEffectSpeed = reply[kEffectSpeedByte];
    // The colour goes to the custom record when the mouse says custom, else to the
    // palette record; the on flag of the chosen record stays as it was.
    const bool custom = reply[kColourIndexByte] == kCustomColourIndex;
    LightEntry& light = custom ? r.CustomLightInfo[0] : r.LightInfo[0];
    light.colorIndex = reply[kColourIndexByte];
    light.red = reply[kRedByte];
    light.green = reply[kRedByte + 1];
    light.blue = reply[kRedByte + 2];
    r.LtChoseType = custom ? 1 : 0;
    return true;
}

ButtonBytes BuildButtonReport(const ProfileRecord& record, int profile) {
    ButtonBytes report{};
    report[0] = kButtonReport;
    report[1] = static_cast<uint8_t>(kButtonLength);
    report[kProfileByte] = ProfileByte(profile);
    for (int k = 0; k < kDeviceButtonCount; ++k) {
        const ButtonRecord& button = record.Buttons[SlotOfDeviceButton(k)];
        uint8_t* entry = &report[kButtonEntriesByte + kButtonEntryBytes * k];
        entry[0] = button.code;
        if (button.code == kKeyCombinationCode) {
            entry[1] = button.events[kComboModifiers];
            entry[2] = button.events[kComboKey];
        }
    }
    PutReportChecksum(report.data(), kButtonLength);
    return report;
}

bool ParseButtonReport(const ButtonBytes& reply, ProfileRecord& record) {
    if (!ReportChecksumMatches(reply.data(), kButtonLength)) return false;
    for (int k = 0; k < kDeviceButtonCount; ++k) {
        ButtonRecord& button = record.Buttons[SlotOfDeviceButton(k)];
        const uint8_t* entry = &reply[kButtonEntriesByte + kButtonEntryBytes * k];
        button.code = entry[0];
        if (button.code != kKeyCombinationCode) continue;
        button.events[kComboKey] = entry[2];
        button.events[kComboModifiers] = entry[1];
        button.eventCount = 1;
        std::memset(button.text1, 0, sizeof button.text1);
        std::memset(button.macroSetName, 0, sizeof button.macroSetName);
        std::memset(button.macroName, 0, sizeof button.macroName);
    }
    return true;
}

}  // namespace tesh::monitor
