#include "monitor/macro_report.h"

#include <algorithm>
#include <cstring>

#include "monitor/device_tables.h"
#include "monitor/report_checksum.h"

namespace tesh::monitor {

namespace {

constexpr int kProfileByte = 3;
constexpr int kButtonByte = 4;
constexpr int kRepeatByte = 5;
constexpr int kText1Byte = 6;
constexpr int kSetNameByte = kText1Byte + kMacroNameBytes;
constexpr int kMacroNameByte = kSetNameByte + kMacroNameBytes;
constexpr int kEventBytes = sizeof(MacroEvent);

static_assert(kMacroNameByte + kMacroNameBytes == kMacroEventCountOffset);
static_assert(kMacroEventsOffset + kMaxMacroEvents * kEventBytes == kMacroLength - 2);

uint8_t Low(int value) {
    return static_cast<uint8_t>(value & 0xFF);
}

void PutName(uint8_t* out, const char* field, std::size_t fieldSize) {
    const std::size_t length = std::min<std::size_t>(strnlen(field, fieldSize), kMacroNameBytes);
    std::memcpy(out, field, length);
}

// The 24 bytes of the reply, ended after 24 characters and without trailing blanks
// and zero bytes.
template <std::size_t N>
void TakeName(char (&field)[N], const uint8_t* in) {
    static_assert(N > kMacroNameBytes);
    std::memset(field, 0, N);
    std::memcpy(field, in, kMacroNameBytes);
    for (int i = kMacroNameBytes - 1; i >= 0 && (field[i] == ' ' || field[i] == '\0'); --i) {
        field[i] = '\0';
    }
}

}  // namespace

MacroBytes BuildMacroReport(const ButtonRecord& button, int profile, int deviceButton) {
    MacroBytes report{};
    report[0] = kMacroReport;
    report[1] = Low(kMacroLength);
    report[2] = Low(kMacroLength >> 8);
    report[kProfileByte] = Low(profile);
    report[kButtonByte] = Low(deviceButton);
    report[kRepeatByte] = Low(button.repeatCount);
    PutName(&report[kText1Byte], button.text1, sizeof button.text1);
    PutName(&report[kSetNameByte], button.macroSetName, sizeof button.macroSetName);
    PutName(&report[kMacroNameByte], button.macroName, sizeof button.macroName);
    const int count = std::min<int>(button.eventCount, kMaxMacroEvents);
    report[kMacroEventCountOffset] = Low(count);
    report[kMacroEventCountOffset + 1] = Low(count >> 8);
    std::memcpy(&report[kMacroEventsOffset], button.events, count * kEventBytes);
    PutReportChecksum(report.data(), kMacroLength);
    return report;
}

bool ParseMacroReport(const MacroBytes& reply, int profile, int deviceButton,
                      ButtonRecord& button) {
    if (!ReportChecksumMatches(reply.data(), kMacroLength)) return false;
    if (reply[kProfileByte] != profile || reply[kButtonByte] != deviceButton) return false;
    const int count = reply[kMacroEventCountOffset] | reply[kMacroEventCountOffset + 1] << 8;
    if (count > kMaxMacroEvents) return false;
    button.number = reply[kButtonByte];
    button.code = kMacroFunctionCode;
    button.repeatCount = reply[kRepeatByte];
    TakeName(button.text1, &reply[kText1Byte]);
    TakeName(button.macroSetName, &reply[kSetNameByte]);
    TakeName(button.macroName, &reply[kMacroNameByte]);
    std::memset(button.events, 0, sizeof button.events);
    button.eventCount = static_cast<uint16_t>(count);
    std::memcpy(button.events, &reply[kMacroEventsOffset], count * kEventBytes);
    return true;
}

}  // namespace tesh::monitor
