// The report builders and parsers on their own: checksums, tables and the byte
// positions of each field, including the cases where host and wire disagree.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "monitor/device_tables.h"
#include "monitor/macro_report.h"
#include "monitor/peripheral_reports.h"
#include "monitor/profile_reports.h"
#include "monitor/report_checksum.h"

namespace tesh::monitor {
namespace {

std::unique_ptr<ProfileRecord> DefaultProfile(int slot) {
    auto record = std::make_unique<ProfileRecord>();
    std::memset(record.get(), 0, sizeof *record);
    ProfileDefaults(*record, slot);
    return record;
}

TEST(ReportChecksum, SumOfTheBytesBeforeItLowByteFirst) {
    uint8_t report[31] = {};
    report[0] = 0xFF;
    report[1] = 0x24;  // 0xFF + 0x24 = 0x123
    PutReportChecksum(report, sizeof report);
    EXPECT_EQ(report[29], 0x23);
    EXPECT_EQ(report[30], 0x01);
    EXPECT_TRUE(ReportChecksumMatches(report, sizeof report));
    report[5] = 1;
    EXPECT_FALSE(ReportChecksumMatches(report, sizeof report));
}

TEST(ReportChecksum, TruncatedTo16Bits) {
    std::array<uint8_t, 1029> report{};
    report.fill(0xFF);
    PutReportChecksum(report.data(), 1029);
    const uint32_t sum = 1027u * 0xFF;
    EXPECT_EQ(report[1027], sum & 0xFF);
    EXPECT_EQ(report[1028], (sum >> 8) & 0xFF);
}

TEST(DeviceTables, SlotsAndDeviceButtons) {
    const int hostOnly[] = {5, 6, 11, 17, 18, 23};
    for (int slot : hostOnly) {
        EXPECT_TRUE(IsHostOnlySlot(slot)) << slot;
        EXPECT_EQ(DeviceButtonOfSlot(slot), 0) << slot;
    }
    int button = 0;
    for (int slot = 0; slot < kButtonSlots; ++slot) {
        if (IsHostOnlySlot(slot)) continue;
        EXPECT_EQ(DeviceButtonOfSlot(slot), button);
        EXPECT_EQ(SlotOfDeviceButton(button), slot);
        ++button;
    }
    EXPECT_EQ(button, kDeviceButtonCount);
    EXPECT_EQ(SlotOfDeviceButton(18), 0);
    EXPECT_EQ(SlotOfDeviceButton(-1), 0);
    EXPECT_EQ(SlotOfDeviceButton(17), 22);
}

TEST(DeviceTables, CpiCodes) {
    const uint8_t codes[] = {0x10, 0x00, 0x11, 0x12, 0x13, 0x02, 0x03};
    for (int level = 1; level <= 7; ++level) {
        EXPECT_EQ(CpiCodeOfLevel(level), codes[level - 1]);
        EXPECT_EQ(LevelOfCpiCode(codes[level - 1]), level);
    }
    EXPECT_EQ(CpiCodeOfLevel(0), 0x00);
    EXPECT_EQ(CpiCodeOfLevel(8), 0x00);
    EXPECT_EQ(CpiCodeOfLevel(-1), 0x00);
    EXPECT_EQ(LevelOfCpiCode(0x01), 2) << "an unknown code reads as 800 CPI";
    EXPECT_EQ(LevelOfCpiCode(0xFF), 2);
}

TEST(ProfileSettingsReport, CarriesTheRecordsDeviceFields) {
    auto r = DefaultProfile(0);
    r->XYSynchronous = 1;
    r->Sensitivity = 0x107;  // only the low byte travels
    r->dpi[1] = 0;
    r->CpiLevel_X[0] = 0;
    r->Cpi_X = 3;
    r->PollingRate = 2;
    const ProfileSettingsBytes report = BuildProfileSettingsReport(*r, 4);
    const ProfileSettingsBytes expected = {6,    31,   4, 1, 7, 7, 0x1D, 0x00, 0x00, 0x11,
                                           0x13, 0x03, 0, 0, 0, 0, 0,    3,    0,    2,
                                           1,    0,    1, 2, 2, 7, 250,  0,    0};
    EXPECT_TRUE(std::equal(expected.begin(), expected.begin() + 29, report.begin()));
    EXPECT_TRUE(ReportChecksumMatches(report.data(), 31));
}

TEST(ProfileSettingsReport, CustomColourGoesOutAsIndex0xFF) {
    auto r = DefaultProfile(1);
    r->LtChoseType = 1;
    r->CustomLightInfo[0] = LightEntry{9, 1, 10, 20, 30};
    r->LightInfo[0].on = 0;
    const ProfileSettingsBytes report = BuildProfileSettingsReport(*r, 1);
    EXPECT_EQ(report[20], 0) << "light on follows the palette entry's on flag";
    EXPECT_EQ(report[21], 1);
    EXPECT_EQ(report[25], 0xFF);
    EXPECT_EQ(report[26], 10);
    EXPECT_EQ(report[27], 20);
    EXPECT_EQ(report[28], 30);
}

TEST(ProfileSettingsReport, ReadingACustomColourLeavesThePaletteEntry) {
    auto written = DefaultProfile(2);
    written->LtChoseType = 1;
    written->CustomLightInfo[0] = LightEntry{0, 0, 1, 2, 3};
    const ProfileSettingsBytes reply = BuildProfileSettingsReport(*written, 2);

    auto read = DefaultProfile(3);
    const LightEntry palette = read->LightInfo[0];
    ASSERT_TRUE(ParseProfileSettingsReport(reply, *read));
    EXPECT_EQ(read->LtChoseType, 1);
    EXPECT_EQ(read->CustomLightInfo[0].colorIndex, 0xFF);
    EXPECT_EQ(read->CustomLightInfo[0].red, 1);
    EXPECT_EQ(read->CustomLightInfo[0].blue, 3);
    EXPECT_EQ(read->CustomLightInfo[0].on, 0) << "the on flag of the chosen record stays";
    EXPECT_EQ(read->LightInfo[0].colorIndex, palette.colorIndex);
    EXPECT_EQ(read->LightInfo[0].red, palette.red);
}

TEST(ProfileSettingsReport, ReadFillsBothAxesAndPaletteColour) {
    ProfileSettingsBytes reply{6, 31, 0, 1, 9, 8, 0x15, 0x01, 0x10, 0x03, 0x00, 0x12};
    reply[17] = 4;
    reply[19] = 1;
    reply[20] = 0xFE;  // only bit 0 counts
    reply[22] = 3;
    reply[23] = 4;
    reply[24] = 5;
    reply[25] = 11;
    reply[26] = 100;
    PutReportChecksum(reply.data(), 31);
    auto r = DefaultProfile(0);
    r->Sensitivity_X = 77;
    ASSERT_TRUE(ParseProfileSettingsReport(reply, *r));
    EXPECT_EQ(r->XYSynchronous, 1);
    EXPECT_EQ(r->Sensitivity, 8) << "byte 5 is the one read";
    EXPECT_EQ(r->Sensitivity_X, 77) << "host-only fields stay";
    const uint8_t dpi[] = {1, 0, 1, 0, 1};
    const int32_t levels[] = {2, 1, 7, 2, 4};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(r->dpi[i], dpi[i]) << i;
        EXPECT_EQ(r->CpiLevel_X[i], levels[i]) << i;
        EXPECT_EQ(r->CpiLevel_Y[i], levels[i]) << i;
    }
    EXPECT_EQ(r->Cpi_X, 4);
    EXPECT_EQ(r->Cpi_Y, 4);
    EXPECT_EQ(r->PollingRate, 1);
    EXPECT_EQ(r->LightInfo[0].on, 0);
    EXPECT_EQ(r->LightColorFlow, 3);
    EXPECT_EQ(r->LightEffectType, 4);
    EXPECT_EQ(r->LightEffectSpeed, 5);
    EXPECT_EQ(r->LtChoseType, 0);
    EXPECT_EQ(r->LightInfo[0].colorIndex, 11);
    EXPECT_EQ(r->LightInfo[0].red, 100);
}

TEST(ProfileSettingsReport, BadChecksumStoresNothing) {
    auto r = DefaultProfile(0);
    ProfileSettingsBytes reply = BuildProfileSettingsReport(*DefaultProfile(4), 4);
    reply[30] ^= 1;
    auto before = DefaultProfile(0);
    EXPECT_FALSE(ParseProfileSettingsReport(reply, *r));
    EXPECT_EQ(std::memcmp(r.get(), before.get(), sizeof *r), 0);
}

TEST(ButtonReport, KeyCombinationCarriesModifiersThenKey) {
    auto r = DefaultProfile(0);
    ButtonRecord& combo = r->Buttons[7];  // device button 5
    combo.code = 5;
    combo.events[0] = 0x04;          // key
    combo.events[1] = 0x02;          // modifiers
    r->Buttons[8].events[0] = 0x55;  // not a combination: not sent
    r->Buttons[5].code = 99;         // host-only: not sent
    const ButtonBytes report = BuildButtonReport(*r, 3);
    EXPECT_EQ(report[2], 3);
    EXPECT_EQ(report[3 + 3 * 5], 5);
    EXPECT_EQ(report[4 + 3 * 5], 0x02);
    EXPECT_EQ(report[5 + 3 * 5], 0x04);
    EXPECT_EQ(report[5 + 3 * 6], 0);
    for (int k = 0; k < kDeviceButtonCount; ++k) {
        EXPECT_NE(report[3 + 3 * k], 99);
        EXPECT_EQ(report[3 + 3 * k], r->Buttons[SlotOfDeviceButton(k)].code);
    }
    EXPECT_TRUE(ReportChecksumMatches(report.data(), kButtonLength));
}

TEST(ButtonReport, ReadKeyCombinationEmptiesTheNames) {
    ButtonBytes reply{7, 59, 0};
    reply[3 + 3 * 17] = 5;
    reply[4 + 3 * 17] = 0x01;
    reply[5 + 3 * 17] = 0x1E;
    reply[3 + 3 * 16] = 48;
    PutReportChecksum(reply.data(), 59);
    auto r = DefaultProfile(0);
    std::strcpy(r->Buttons[22].macroName, "old");
    std::strcpy(r->Buttons[21].macroName, "kept");
    r->Buttons[5].code = 77;
    ASSERT_TRUE(ParseButtonReport(reply, *r));
    EXPECT_EQ(r->Buttons[22].code, 5);
    EXPECT_EQ(r->Buttons[22].events[0], 0x1E);
    EXPECT_EQ(r->Buttons[22].events[1], 0x01);
    EXPECT_EQ(r->Buttons[22].eventCount, 1);
    EXPECT_STREQ(r->Buttons[22].macroName, "");
    EXPECT_EQ(r->Buttons[21].code, 48);
    EXPECT_STREQ(r->Buttons[21].macroName, "kept");
    EXPECT_EQ(r->Buttons[5].code, 77) << "host-only slots are not on the wire";
    EXPECT_EQ(r->Buttons[0].code, 0);
}

TEST(MacroReport, RoundTripWithNamesCutAndStripped) {
    ButtonRecord button{};
    button.code = 48;
    button.repeatCount = 0x103;
    std::strcpy(button.text1, "a name longer than twenty-four characters");
    std::strcpy(button.macroSetName, "set  ");
    std::strcpy(button.macroName, "macro");
    button.eventCount = 3;
    const uint8_t events[12] = {4, 1, 10, 0, 4, 2, 0x34, 0x12, 240, 1, 0, 0};
    std::memcpy(button.events, events, sizeof events);
    button.events[12] = 0xEE;  // past the count: not sent

    const MacroBytes report = BuildMacroReport(button, 2, 9);
    EXPECT_EQ(report[0], 8);
    EXPECT_EQ(report[1], 0x22);
    EXPECT_EQ(report[2], 0x08);
    EXPECT_EQ(report[3], 2);
    EXPECT_EQ(report[4], 9);
    EXPECT_EQ(report[5], 3);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&report[6]), 24),
              "a name longer than twent");
    EXPECT_EQ(report[78], 3);
    EXPECT_EQ(report[79], 0);
    EXPECT_EQ(report[80 + 4 + 2], 0x34);
    EXPECT_EQ(report[80 + 12], 0);
    EXPECT_TRUE(ReportChecksumMatches(report.data(), kMacroLength));

    ButtonRecord read{};
    std::memset(read.events, 0xAA, sizeof read.events);
    read.number = 1;
    read.timerValue = 5;
    ASSERT_TRUE(ParseMacroReport(report, 2, 9, read));
    EXPECT_EQ(read.number, 9);
    EXPECT_EQ(read.code, 48);
    EXPECT_EQ(read.repeatCount, 3);
    EXPECT_STREQ(read.text1, "a name longer than twent");
    EXPECT_STREQ(read.macroSetName, "set");
    EXPECT_STREQ(read.macroName, "macro");
    EXPECT_EQ(read.eventCount, 3);
    EXPECT_EQ(std::memcmp(read.events, events, sizeof events), 0);
    EXPECT_EQ(read.events[12], 0) << "the event area is cleared";
    EXPECT_EQ(read.timerValue, 5);
}

TEST(MacroReport, FiveHundredEventsFillTheAreaAndMoreAreRefused) {
    ButtonRecord button{};
    button.eventCount = 600;  // a damaged record
    std::memset(button.events, 0x5A, sizeof button.events);
    MacroBytes report = BuildMacroReport(button, 0, 2);
    EXPECT_EQ(report[78] | report[79] << 8, 500);
    EXPECT_EQ(report[2079], 0x5A);

    ButtonRecord read{};
    ASSERT_TRUE(ParseMacroReport(report, 0, 2, read));
    EXPECT_EQ(read.eventCount, 500);

    report[78] = 501 & 0xFF;
    report[79] = 501 >> 8;
    PutReportChecksum(report.data(), kMacroLength);
    ButtonRecord untouched{};
    untouched.code = 7;
    EXPECT_FALSE(ParseMacroReport(report, 0, 2, untouched));
    EXPECT_EQ(untouched.code, 7);
    EXPECT_EQ(untouched.eventCount, 0);
}

TEST(MacroReport, AReplyForAnotherProfileOrButtonIsRefused) {
    ButtonRecord button{};
    button.eventCount = 2;
    const MacroBytes report = BuildMacroReport(button, 3, 8);
    ButtonRecord untouched{};
    untouched.code = 7;
    EXPECT_FALSE(ParseMacroReport(report, 2, 8, untouched));
    EXPECT_FALSE(ParseMacroReport(report, 3, 9, untouched));
    EXPECT_EQ(untouched.code, 7);
    EXPECT_TRUE(ParseMacroReport(report, 3, 8, untouched));
    EXPECT_EQ(untouched.code, 48);
}

TEST(PeripheralReports, FixedCommands) {
    EXPECT_EQ(BuildRestoreDefaultsReport(), (DeviceInfoBytes{9, 6, 11, 0, 0, 0}));
    EXPECT_EQ(BuildHostStateReport(1), (HostStateBytes{14, 3, 1}));
    EXPECT_EQ(BuildSensorScanReport(), (SensorScanBytes{12, 3, 1, 0}));
    EXPECT_EQ(BuildActiveProfileReport(4), (ActiveProfileBytes{5, 3, 4}));
    EXPECT_EQ(BuildStatusSelect(2, 0x90), (StatusBytes{4, 2, 0x90}));
    EXPECT_EQ(BuildQuibLightReport(1, 2, 3),
              (LightControlBytes{16, 16, 1, 2, 3, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(PeripheralReports, AmbientLightTakesItsBytesFromTheRecord) {
    AmbientRecord record{};
    for (std::size_t i = 0; i < record.size(); ++i) record[i] = static_cast<uint8_t>(0x40 + i);
    record[0] = 1;
    record[1] = record[2] = record[3] = 0;
    EXPECT_EQ(BuildAmbientLightReport(record),
              (LightControlBytes{16, 16, 0xFF, 0xFF, 0xFF, 1, 3, 1, 0x44, 0x48, 0x4C, 0x4D, 0x4E,
                                 0x4F, 0x50, 0x51}));
    record[1] = 1;  // mode word 0x101: not 1
    EXPECT_EQ(BuildAmbientLightReport(record)[6], 4);
}

TEST(PeripheralReports, SensorSettingsModes) {
    LzcValues lzc{90, 2};
    EXPECT_EQ(BuildSensorSettingsReport(1, 0, lzc, 0), (SensorSettingsBytes{15, 6, 1, 0, 90, 2}));
    EXPECT_EQ(BuildSensorSettingsReport(1, 0, lzc, 253),
              (SensorSettingsBytes{15, 6, 1, 0xFF, 0xFF, 0}));
    EXPECT_EQ(BuildSensorSettingsReport(0, 1, lzc, 254)[5], 1);
    EXPECT_EQ(BuildSensorSettingsReport(0, 1, lzc, 255)[5], 0xFF);

    ApplyCalibrationStep(1, lzc);
    EXPECT_EQ(lzc.value, 90);
    EXPECT_EQ(lzc.mode, 0);
    ApplyCalibrationStep(2, lzc);
    EXPECT_EQ(lzc.mode, 1);
    ApplyCalibrationStep(3, lzc);
    EXPECT_EQ(lzc.value, 0);
    EXPECT_EQ(lzc.mode, 0);
    lzc.value = 5;
    ApplyCalibrationStep(4, lzc);
    EXPECT_EQ(lzc.value, 0);
    EXPECT_EQ(lzc.mode, 2);
    ApplyCalibrationStep(255, lzc);
    EXPECT_EQ(lzc.mode, 2);
}

TEST(PeripheralReports, ColourDatabaseOf1025BytesIsTwoChunks) {
    std::string database(1025, '\x11');
    database[1024] = '\x22';
    EXPECT_EQ(ColourChunkCount(1025), 2u);
    EXPECT_EQ(ColourChunkCount(1024), 1u);
    EXPECT_EQ(ColourChunkCount(0), 0u);
    const ColourChunkBytes second = BuildColourChunk(database, 1);
    EXPECT_EQ(second[0], 26);
    EXPECT_EQ(second[1], 1);
    EXPECT_EQ(second[2], 0);
    EXPECT_EQ(second[3], 0x22);
    for (int i = 4; i < 1027; ++i) ASSERT_EQ(second[i], 0) << i;
    EXPECT_TRUE(ReportChecksumMatches(second.data(), kColourDatabaseLength));
    EXPECT_EQ(BuildColourChunk(database, 0x1234)[2], 0x12);
}

}  // namespace
}  // namespace tesh::monitor
