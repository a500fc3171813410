// Replies of the mouse as the monitor parses them. Byte 0 chooses the parser (low three
// bits) and whether the reply gets a good checksum first (bit 3), so that the fuzzer
// reaches past the checksum; the rest is the reply, cut or padded with zeros to its
// length (for a macro, two bytes first: the profile and device button asked for). A
// refused reply leaves the record as it was; an accepted one leaves every value in its
// field's range and every name ended inside its field.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "fuzz/fuzz_check.h"
#include "monitor/device_tables.h"
#include "monitor/macro_report.h"
#include "monitor/peripheral_reports.h"
#include "monitor/profile_reports.h"
#include "monitor/report_checksum.h"
#include "monitor/sensor_image.h"

namespace tesh::monitor {
namespace {

constexpr uint8_t kParserBits = 0x07;
constexpr uint8_t kFixChecksum = 0x08;

enum Parser : uint8_t {
    kActiveProfile,
    kProfileSettings,
    kButtons,
    kMacro,
    kDeviceInfo,
    kSensorSettings,
    kSensorImage,
    kChecksumOnly,
};

template <std::size_t N>
std::array<uint8_t, N> Reply(const uint8_t* data, std::size_t size, bool fixChecksum) {
    std::array<uint8_t, N> reply{};
    std::memcpy(reply.data(), data, std::min(size, N));
    if (fixChecksum) PutReportChecksum(reply.data(), N);
    return reply;
}

bool Ended(const char* field, std::size_t size) {
    return strnlen(field, size) < size;
}

bool Boolean(int32_t value) {
    return value == 0 || value == 1;
}

std::unique_ptr<ProfileRecord> DefaultRecord() {
    auto record = std::make_unique<ProfileRecord>();
    std::memset(record.get(), 0, sizeof(ProfileRecord));
    ProfileDefaults(*record, 0);
    return record;
}

void CheckProfileSettings(const uint8_t* data, std::size_t size, bool fix) {
    const auto reply = Reply<kProfileSettingsLength>(data, size, fix);
    auto record = DefaultRecord();
    const auto before = DefaultRecord();
    if (!ParseProfileSettingsReport(reply, *record)) {
        TESH_FUZZ_CHECK(!ReportChecksumMatches(reply.data(), kProfileSettingsLength));
        TESH_FUZZ_CHECK(std::memcmp(record.get(), before.get(), sizeof(ProfileRecord)) == 0);
        return;
    }
    TESH_FUZZ_CHECK(Boolean(record->LtChoseType));
    TESH_FUZZ_CHECK(Boolean(record->LightInfo[0].on));
    for (int i = 0; i < kCpiLevels; ++i) {
        TESH_FUZZ_CHECK(Boolean(record->dpi[i]));
        TESH_FUZZ_CHECK(record->CpiLevel_X[i] >= 1 && record->CpiLevel_X[i] <= 7);
    }
    // What was read is written back byte for byte where the report carries it.
    const ProfileSettingsBytes again = BuildProfileSettingsReport(*record, reply[2]);
    TESH_FUZZ_CHECK(again[3] == reply[3] && again[5] == reply[5] && again[17] == reply[17]);
}

void CheckButtons(const uint8_t* data, std::size_t size, bool fix) {
    const auto reply = Reply<kButtonLength>(data, size, fix);
    auto record = DefaultRecord();
    const auto before = DefaultRecord();
    const bool parsed = ParseButtonReport(reply, *record);
    for (int slot = 0; slot < kButtonSlots; ++slot) {
        const bool same =
            std::memcmp(&record->Buttons[slot], &before->Buttons[slot], sizeof(ButtonRecord)) == 0;
        if (!parsed || IsHostOnlySlot(slot)) TESH_FUZZ_CHECK(same);
    }
}

void CheckMacro(const uint8_t* data, std::size_t size, bool fix) {
    const int profile = size > 0 ? data[0] % (kProfileCount + 1) : 0;
    const int button = size > 1 ? data[1] % (kDeviceButtonCount + 1) : 0;
    const std::size_t skip = std::min<std::size_t>(size, 2);
    const auto reply = Reply<kMacroLength>(data + skip, size - skip, fix);
    auto record = DefaultRecord();
    const auto before = DefaultRecord();
    ButtonRecord& area = record->Buttons[SlotOfDeviceButton(button)];
    if (!ParseMacroReport(reply, profile, button, area)) {
        TESH_FUZZ_CHECK(std::memcmp(record.get(), before.get(), sizeof(ProfileRecord)) == 0);
        return;
    }
    TESH_FUZZ_CHECK(reply[3] == profile && reply[4] == button);
    TESH_FUZZ_CHECK(area.number == button && area.code == kMacroFunctionCode);
    TESH_FUZZ_CHECK(area.eventCount <= kMaxMacroEvents);
    TESH_FUZZ_CHECK(Ended(area.text1, sizeof area.text1));
    TESH_FUZZ_CHECK(Ended(area.macroSetName, sizeof area.macroSetName));
    TESH_FUZZ_CHECK(Ended(area.macroName, sizeof area.macroName));
    for (std::size_t i = area.eventCount * sizeof(MacroEvent); i < sizeof area.events; ++i) {
        TESH_FUZZ_CHECK(area.events[i] == 0);
    }
    // Written back, the macro is the reply's again, names and events.
    const MacroBytes again = BuildMacroReport(area, profile, button);
    TESH_FUZZ_CHECK(std::memcmp(&again[kMacroEventCountOffset], &reply[kMacroEventCountOffset],
                                2 + area.eventCount * sizeof(MacroEvent)) == 0);
}

void CheckSensorImage(const uint8_t* data, std::size_t size) {
    const auto reply = Reply<kSensorImageLength>(data, size, false);
    const SensorPicture picture = PictureOf(reply);
    TESH_FUZZ_CHECK(std::memcmp(picture.data(), &reply[kSensorImageOffset], kSensorPixels) == 0);
    TESH_FUZZ_CHECK(Transposed(Transposed(picture)) == picture);
    const uint8_t mean = MeanOfPicture(picture);
    TESH_FUZZ_CHECK(mean <= *std::max_element(picture.begin(), picture.end()));
    (void)BitmapPixelsOf(Transposed(picture));
}

}  // namespace
}  // namespace tesh::monitor

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tesh::monitor;
    if (size == 0) return 0;
    const uint8_t parser = data[0] & kParserBits;
    const bool fix = (data[0] & kFixChecksum) != 0;
    const uint8_t* reply = data + 1;
    const std::size_t length = size - 1;
    switch (parser) {
        case kActiveProfile: {
            int32_t current = -1;
            const bool parsed =
                ParseActiveProfileReport(Reply<kActiveProfileLength>(reply, length, fix), current);
            TESH_FUZZ_CHECK(parsed ? current >= 0 && current < tesh::kProfileCount : current == -1);
            break;
        }
        case kProfileSettings:
            CheckProfileSettings(reply, length, fix);
            break;
        case kButtons:
            CheckButtons(reply, length, fix);
            break;
        case kMacro:
            CheckMacro(reply, length, fix);
            break;
        case kDeviceInfo:
            (void)FirmwareVersionOf(Reply<kDeviceInfoLength>(reply, length, fix));
            break;
        case kSensorSettings: {
            int32_t lift = -1, track = -1;
            LzcValues lzc;
            ParseSensorSettingsReport(Reply<kSensorSettingsLength>(reply, length, fix), lift, track,
                                      lzc);
            TESH_FUZZ_CHECK(lift >= 0 && lift <= 0xFF && track >= 0 && track <= 0xFF);
            break;
        }
        case kSensorImage:
            CheckSensorImage(reply, length);
            break;
        default: {
            // Any length: a checksum put is a checksum that matches.
            std::basic_string<uint8_t> bytes(reply, length);
            const auto count = static_cast<uint32_t>(bytes.size());
            PutReportChecksum(bytes.data(), count);
            TESH_FUZZ_CHECK(ReportChecksumMatches(bytes.data(), count) == (count >= 2));
            break;
        }
    }
    return 0;
}
