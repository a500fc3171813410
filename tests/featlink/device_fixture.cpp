#include "tests/featlink/device_fixture.h"

#include <cstdio>
#include <cstring>
#include <ostream>

#include "featlink/checksum.h"
#include "featlink/wire.h"

namespace tesh::vmouse::test {

namespace {

constexpr int kMaxPolls = 20;

std::unique_ptr<DeviceState> FreshState() {
    auto state = std::make_unique<DeviceState>();
    InitDeviceState(*state);
    return state;
}

}  // namespace

void PrintTo(const Event& event, std::ostream* os) {
    char text[32];
    std::snprintf(text, sizeof text, "{%04x %04x}", event.eventClass, event.value);
    *os << text;
}

DeviceTest::DeviceTest() : state_(FreshState()), device_(*state_, clock_, &sink_) {}

bool DeviceTest::Set(const Bytes& report) {
    return device_.SetFeature(report.data(), static_cast<uint32_t>(report.size())) != 0;
}

Bytes DeviceTest::Get(uint8_t id, uint32_t length) {
    Bytes buffer(length, 0);
    buffer[0] = id;
    if (device_.GetFeature(buffer.data(), length) == 0) return {};
    return buffer;
}

uint8_t DeviceTest::Status() {
    const Bytes reply = Get(kReportStatus, kStatusLength);
    return reply.empty() ? 0 : reply[1];
}

uint8_t DeviceTest::UpdateStatus() {
    const Bytes reply = Get(kReportUpdateStatus, kUpdateStatusLength);
    return reply.empty() ? 0 : reply[1];
}

uint8_t DeviceTest::Select(uint8_t profile, uint8_t selector) {
    return SetAndWait({kReportStatus, profile, selector});
}

uint8_t DeviceTest::SetAndWait(const Bytes& report) {
    if (!Set(report)) return 0;
    uint8_t status = kStatusBusy;
    for (int poll = 0; poll < kMaxPolls && status == kStatusBusy; ++poll) status = Status();
    return status;
}

Bytes DeviceTest::ProfileSettingsReport(uint8_t profile, const ProfileSettings& settings) {
    Bytes report(kProfileSettingsLength, 0);
    report[0] = kReportProfileSettings;
    report[1] = kProfileSettingsLength;
    report[2] = profile;
    std::memcpy(report.data() + 3, &settings, sizeof settings);
    PutChecksum(report.data(), kProfileSettingsLength);
    return report;
}

Bytes DeviceTest::ButtonsReport(uint8_t profile, const ButtonEntry (&buttons)[kDeviceButtons]) {
    Bytes report(kButtonsLength, 0);
    report[0] = kReportButtons;
    report[1] = kButtonsLength;
    report[2] = profile;
    for (int k = 0; k < kDeviceButtons; ++k) {
        report[3 + 3 * k] = buttons[k].code;
        report[4 + 3 * k] = buttons[k].modifiers;
        report[5 + 3 * k] = buttons[k].key;
    }
    PutChecksum(report.data(), kButtonsLength);
    return report;
}

Bytes DeviceTest::MacroReport(uint8_t profile, uint8_t button, const MacroEntry& macro) {
    Bytes report(kMacroLength, 0);
    report[0] = kReportMacro;
    report[1] = kMacroLength & 0xFF;
    report[2] = kMacroLength >> 8;
    report[3] = profile;
    report[4] = button;
    std::memcpy(report.data() + 5, &macro, sizeof macro);
    PutChecksum(report.data(), kMacroLength);
    return report;
}

Bytes DeviceTest::ReadProfileSettings(uint8_t profile) {
    if (Select(profile, kSelectProfileSettings) != kStatusDone) return {};
    return Get(kReportProfileSettings, kProfileSettingsLength);
}

Bytes DeviceTest::ReadButtons(uint8_t profile) {
    if (Select(profile, kSelectButtons) != kStatusDone) return {};
    return Get(kReportButtons, kButtonsLength);
}

Bytes DeviceTest::ReadMacro(uint8_t profile, uint8_t button) {
    if (Select(profile, button) != kStatusDone) return {};
    return Get(kReportMacro, kMacroLength);
}

void DeviceTest::AssignCode(uint8_t profile, int button, uint8_t code) {
    ButtonEntry buttons[kDeviceButtons];
    std::memcpy(buttons, state_->flash.buttons[profile], sizeof buttons);
    buttons[button].code = code;
    ASSERT_EQ(SetAndWait(ButtonsReport(profile, buttons)), kStatusDone);
}

MacroEntry SampleMacro(uint16_t count) {
    MacroEntry macro{};
    macro.repeatCount = 3;
    std::strncpy(macro.text1, "first", sizeof macro.text1);
    std::memcpy(macro.setName, "A set name of 24 letters", sizeof macro.setName);  // no NUL
    std::strncpy(macro.macroName, "Macro", sizeof macro.macroName);
    SetMacroEventCount(macro, count);
    for (int i = 0; i < count; ++i) {
        macro.events[4 * i] = static_cast<uint8_t>(4 + i % 60);     // key
        macro.events[4 * i + 1] = static_cast<uint8_t>(1 + i % 2);  // press, release
        macro.events[4 * i + 2] = static_cast<uint8_t>(i & 0xFF);   // delay
        macro.events[4 * i + 3] = static_cast<uint8_t>(i >> 8);
    }
    return macro;
}

}  // namespace tesh::vmouse::test
