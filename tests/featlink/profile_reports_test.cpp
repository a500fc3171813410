// The reports that carry the five profiles, with the status handshake around them.
#include <cstring>
#include <memory>

#include "featlink/checksum.h"
#include "featlink/wire.h"
#include "settings/settings_set.h"
#include "tests/featlink/device_fixture.h"

namespace tesh::vmouse::test {
namespace {

using ProfileReports = DeviceTest;

ProfileSettings SampleSettings() {
    ProfileSettings s{};
    s.xySynchronous = 1;
    s.sensitivityX = 9;
    s.sensitivityY = 9;
    s.dpiMask = 0x15;
    const uint8_t codes[5] = {0x10, 0x11, 0x12, 0x13, 0x02};
    std::memcpy(s.cpiCodes, codes, sizeof codes);
    s.cpiLevel = 2;
    s.pollingRate = 1;
    s.lightOn = 1;
    s.lightChoseType = 1;
    s.colorFlow = 4;
    s.effectType = 3;
    s.effectSpeed = 5;
    s.colorIndex = 0xFF;
    s.red = 12;
    s.green = 34;
    s.blue = 56;
    return s;
}

TEST_F(ProfileReports, StatusBeforeAnyCommandIsDone) {
    EXPECT_EQ(Status(), kStatusDone);
    EXPECT_EQ(Status(), kStatusDone) << "reading the status does not use it up";
}

TEST_F(ProfileReports, ActiveProfileRoundTrip) {
    EXPECT_EQ(SetAndWait({kReportActiveProfile, 3, 2}), kStatusDone);
    EXPECT_EQ(Get(kReportActiveProfile, 3), (Bytes{kReportActiveProfile, 3, 2}));
    EXPECT_EQ(SetAndWait({kReportActiveProfile, 3, 5}), kStatusRefused) << "no profile 5";
    EXPECT_EQ(SetAndWait({kReportActiveProfile, 4, 1}), kStatusRefused) << "length byte";
    EXPECT_EQ(flash().activeProfile, 2);
}

TEST_F(ProfileReports, ProfileSettingsRoundTripTouchesOnlyItsProfile) {
    const ProfileSettings before = flash().profiles[2];
    const ProfileSettings sample = SampleSettings();
    ASSERT_EQ(SetAndWait(ProfileSettingsReport(3, sample)), kStatusDone);

    const Bytes reply = ReadProfileSettings(3);
    ASSERT_EQ(reply.size(), kProfileSettingsLength);
    EXPECT_EQ(reply, ProfileSettingsReport(3, sample)) << "the same bytes come back";
    EXPECT_EQ(std::memcmp(&flash().profiles[2], &before, sizeof before), 0);
}

TEST_F(ProfileReports, ReplyChecksumIsTheSumLowByteFirst) {
    ProfileSettings s{};
    s.xySynchronous = 200;  // 6 + 31 + 0 + 200 + 54 = 0x0123
    s.blue = 54;
    ASSERT_EQ(SetAndWait(ProfileSettingsReport(0, s)), kStatusDone);
    const Bytes reply = ReadProfileSettings(0);
    ASSERT_FALSE(reply.empty());
    EXPECT_EQ(reply[29], 0x23);
    EXPECT_EQ(reply[30], 0x01);
}

TEST_F(ProfileReports, WrittenChecksumsAreVerified) {
    const ProfileSettings before = flash().profiles[1];
    Bytes report = ProfileSettingsReport(1, SampleSettings());
    report[30] ^= 1;
    EXPECT_TRUE(Set(report)) << "the transfer itself succeeds";
    EXPECT_EQ(Status(), kStatusBadChecksum);
    EXPECT_EQ(std::memcmp(&flash().profiles[1], &before, sizeof before), 0);

    ButtonEntry buttons[kDeviceButtons] = {};
    Bytes buttonReport = ButtonsReport(0, buttons);
    buttonReport[10] = 48;  // changed after the checksum was made
    EXPECT_EQ(SetAndWait(buttonReport), kStatusBadChecksum);
    EXPECT_EQ(flash().buttons[0][0].code, 1);

    Bytes macroReport = MacroReport(0, 2, SampleMacro(4));
    macroReport[2080] ^= 0x80;
    EXPECT_EQ(SetAndWait(macroReport), kStatusBadChecksum);
    EXPECT_EQ(MacroEventCount(flash().macros[0][2]), 0);
}

TEST_F(ProfileReports, LengthByteAndProfileAreChecked) {
    Bytes report = ProfileSettingsReport(5, SampleSettings());
    EXPECT_EQ(SetAndWait(report), kStatusRefused);
    report = ProfileSettingsReport(0, SampleSettings());
    report[1] = 30;
    PutChecksum(report.data(), kProfileSettingsLength);
    EXPECT_EQ(SetAndWait(report), kStatusRefused);
}

TEST_F(ProfileReports, ButtonsRoundTrip) {
    ButtonEntry buttons[kDeviceButtons];
    for (int k = 0; k < kDeviceButtons; ++k) {
        buttons[k] = ButtonEntry{static_cast<uint8_t>(k + 10), static_cast<uint8_t>(k),
                                 static_cast<uint8_t>(100 + k)};
    }
    buttons[6] = ButtonEntry{5, 4 | 2, 0x1E};  // Ctrl+Shift+1
    ASSERT_EQ(SetAndWait(ButtonsReport(4, buttons)), kStatusDone);
    EXPECT_EQ(ReadButtons(4), ButtonsReport(4, buttons));
    EXPECT_EQ(flash().buttons[4][6].key, 0x1E);
    EXPECT_EQ(flash().buttons[3][6].code, kDefaultButtonCodes[8]) << "other profiles stay";
}

TEST_F(ProfileReports, MacroOfFiveHundredEventsRoundTrips) {
    const MacroEntry macro = SampleMacro(kMacroEventsMax);
    ASSERT_EQ(SetAndWait(MacroReport(2, 17, macro)), kStatusDone);
    const Bytes reply = ReadMacro(2, 17);
    ASSERT_EQ(reply.size(), kMacroLength);
    EXPECT_EQ(reply, MacroReport(2, 17, macro));
    EXPECT_EQ(reply[78] | (reply[79] << 8), 500);
    EXPECT_TRUE(ChecksumMatches(reply.data(), kMacroLength));
    EXPECT_EQ(MacroEventCount(flash().macros[2][16]), 0) << "only button 17 was written";
}

TEST_F(ProfileReports, MacroAboveFiveHundredEventsIsRefused) {
    MacroEntry macro = SampleMacro(10);
    SetMacroEventCount(macro, 501);
    EXPECT_EQ(SetAndWait(MacroReport(0, 3, macro)), kStatusRefused);
    EXPECT_EQ(MacroEventCount(flash().macros[0][3]), 0);
    EXPECT_EQ(SetAndWait(MacroReport(0, 18, SampleMacro(1))), kStatusRefused) << "no button 18";
}

TEST_F(ProfileReports, EachSelectorChoosesWhatTheReadsAnswer) {
    EXPECT_TRUE(Get(kReportProfileSettings, kProfileSettingsLength).empty())
        << "nothing is selected after power-on";

    ASSERT_EQ(Select(1, kSelectProfileSettings), kStatusDone);
    const Bytes settings = Get(kReportProfileSettings, kProfileSettingsLength);
    ASSERT_FALSE(settings.empty());
    EXPECT_EQ(settings[2], 1);
    EXPECT_TRUE(Get(kReportButtons, kButtonsLength).empty());
    EXPECT_TRUE(Get(kReportMacro, kMacroLength).empty());

    ASSERT_EQ(Select(4, kSelectButtons), kStatusDone);
    const Bytes buttons = Get(kReportButtons, kButtonsLength);
    ASSERT_FALSE(buttons.empty());
    EXPECT_EQ(buttons[2], 4);
    EXPECT_TRUE(Get(kReportProfileSettings, kProfileSettingsLength).empty());

    for (uint8_t button = 0; button < kDeviceButtons; ++button) {
        ASSERT_EQ(Select(0, button), kStatusDone);
        const Bytes macro = Get(kReportMacro, kMacroLength);
        ASSERT_FALSE(macro.empty());
        EXPECT_EQ(macro[3], 0);
        EXPECT_EQ(macro[4], button);
    }
    EXPECT_FALSE(Get(kReportMacro, kMacroLength).empty()) << "the selection stays";
}

TEST_F(ProfileReports, InvalidSelectionIsRefusedAndClearsTheOldOne) {
    ASSERT_EQ(Select(0, kSelectButtons), kStatusDone);
    EXPECT_EQ(Select(0, 18), kStatusRefused);
    EXPECT_TRUE(Get(kReportButtons, kButtonsLength).empty());
    EXPECT_EQ(Select(5, kSelectButtons), kStatusRefused);
    EXPECT_EQ(Select(0, 0x91), kStatusRefused);
    EXPECT_EQ(Select(0, kSelectButtons), kStatusDone) << "a valid one works again";
}

TEST_F(ProfileReports, RestoreDefaultsGivesTheNewProfileOfEachSlot) {
    ButtonEntry buttons[kDeviceButtons] = {};
    ASSERT_EQ(SetAndWait(ButtonsReport(1, buttons)), kStatusDone);
    ASSERT_EQ(SetAndWait(ProfileSettingsReport(0, SampleSettings())), kStatusDone);
    ASSERT_EQ(SetAndWait(MacroReport(3, 5, SampleMacro(7))), kStatusDone);
    ASSERT_EQ(SetAndWait({kReportActiveProfile, 3, 4}), kStatusDone);
    flash().firmwareVersion = 9;

    ASSERT_TRUE(Set({kReportDeviceInfo, 6, kCommandRestoreDefaults, 0, 0, 0}));
    EXPECT_EQ(Status(), kStatusBusy) << "rewriting the flash takes a poll";
    EXPECT_EQ(Status(), kStatusDone);

    auto record = std::make_unique<ProfileRecord>();
    for (int p = 0; p < kDeviceProfiles; ++p) {
        std::memset(record.get(), 0, sizeof(ProfileRecord));
        ProfileDefaults(*record, p);
        const ProfileSettings expected = ProfileSettingsFromRecord(*record);
        EXPECT_EQ(std::memcmp(&flash().profiles[p], &expected, sizeof expected), 0) << p;
    }
    const ProfileSettings& first = flash().profiles[0];
    const uint8_t codes[5] = {0x10, 0x00, 0x11, 0x13, 0x03};  // levels 1, 2, 3, 5, 7
    EXPECT_EQ(std::memcmp(first.cpiCodes, codes, 5), 0);
    EXPECT_EQ(first.dpiMask, 0x1F);
    EXPECT_EQ(first.cpiLevel, 1);
    EXPECT_EQ(first.sensitivityY, 6);
    EXPECT_EQ(first.pollingRate, 3);
    EXPECT_EQ(first.lightOn, 1);
    EXPECT_EQ(first.colorFlow, 1);
    EXPECT_EQ(first.effectType, 2);
    EXPECT_EQ(first.colorIndex, 7);
    EXPECT_EQ(first.red, 250);
    EXPECT_EQ(flash().profiles[1].colorIndex, 0);
    EXPECT_EQ(flash().profiles[1].blue, 250);
    EXPECT_EQ(flash().profiles[1].effectType, 1);

    EXPECT_EQ(flash().buttons[1][4].code, 65) << "slot 4: Quixshift";
    EXPECT_EQ(flash().buttons[1][5].code, 13) << "device button 5 is slot 7: Scroll Up";
    EXPECT_EQ(flash().buttons[1][13].code, 0) << "slot 16, the twin of Quixshift";
    EXPECT_EQ(flash().buttons[1][17].code, 18) << "slot 22: Profile Down";
    EXPECT_EQ(MacroEventCount(flash().macros[3][5]), 0);
    EXPECT_EQ(flash().activeProfile, 0);
    EXPECT_EQ(flash().firmwareVersion, 9) << "the firmware stays";
}

TEST_F(ProfileReports, DeviceInformationKnowsOnlyTheRestoreCommand) {
    EXPECT_EQ(SetAndWait({kReportDeviceInfo, 6, 12, 0, 0, 0}), kStatusRefused);
}

}  // namespace
}  // namespace tesh::vmouse::test
