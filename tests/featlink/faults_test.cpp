// Each injected fault, and what it leaves behind once used up.
#include "featlink/checksum.h"
#include "featlink/event_codes.h"
#include "featlink/wire.h"
#include "tests/featlink/device_fixture.h"

namespace tesh::vmouse::test {
namespace {

using Faults = DeviceTest;

TEST_F(Faults, UnpluggedMouseFailsEverythingAndKeepsItsFlash) {
    AssignCode(1, 6, 27);
    ASSERT_EQ(SetAndWait({kReportActiveProfile, 3, 1}), kStatusDone);
    ASSERT_EQ(Select(1, kSelectButtons), kStatusDone);

    device().Unplug();
    EXPECT_EQ(sink_.plugs, std::vector<bool>{false});
    EXPECT_FALSE(Set({kReportActiveProfile, 3, 2}));
    EXPECT_EQ(Status(), 0);
    EXPECT_TRUE(Get(kReportDeviceInfo, kDeviceInfoLength).empty());
    EXPECT_FALSE(device().Press(6));
    EXPECT_FALSE(device().Emit(kEventOpenDriver, 1));
    EXPECT_TRUE(sink_.events.empty());
    device().Unplug();
    EXPECT_EQ(sink_.plugs.size(), 1u) << "a second unplug does nothing";

    device().Plug();
    EXPECT_EQ(sink_.plugs, (std::vector<bool>{false, true}));
    EXPECT_EQ(Get(kReportActiveProfile, 3)[2], 1) << "the flash survives";
    EXPECT_TRUE(Get(kReportButtons, kButtonsLength).empty()) << "the selection does not";
    EXPECT_TRUE(device().Press(6));
    EXPECT_EQ(sink_.events, (std::vector<Event>{{kEventOpenDriver, 1}}));
}

TEST_F(Faults, BusyPollsComeBeforeTheRealStatus) {
    device().faults().busyPolls = 3;
    ASSERT_TRUE(Set({kReportActiveProfile, 3, 9}));
    EXPECT_EQ(Status(), kStatusBusy);
    EXPECT_EQ(Status(), kStatusBusy);
    EXPECT_EQ(UpdateStatus(), kStatusBusy) << "the update status polls count too";
    EXPECT_EQ(Status(), kStatusRefused);
    EXPECT_EQ(UpdateStatus(), kStatusDone);
}

TEST_F(Faults, ForcedStatusAnswersOneRead) {
    device().faults().busyPolls = 1;
    device().faults().forcedStatus = 4;
    EXPECT_EQ(Status(), kStatusBusy);
    EXPECT_EQ(Status(), 4);
    EXPECT_EQ(Status(), kStatusDone);
    device().faults().forcedStatus = 0;
    EXPECT_EQ(UpdateStatus(), 0) << "zero is a status value like any other";
    EXPECT_EQ(UpdateStatus(), kStatusDone);
}

TEST_F(Faults, FailingSetsAreNotCarriedOut) {
    device().faults().failSets = 2;
    EXPECT_FALSE(Set({kReportActiveProfile, 3, 4}));
    EXPECT_FALSE(Set({kReportActiveProfile, 3, 4}));
    EXPECT_EQ(flash().activeProfile, 0);
    EXPECT_TRUE(Set({kReportActiveProfile, 3, 4}));
    EXPECT_EQ(flash().activeProfile, 4);
}

TEST_F(Faults, FailingGets) {
    device().faults().failGets = 1;
    EXPECT_EQ(Status(), 0);
    EXPECT_EQ(Status(), kStatusDone);
}

TEST_F(Faults, CorruptChecksumHitsTheNextReplyThatHasOne) {
    ASSERT_EQ(Select(2, kSelectProfileSettings), kStatusDone);
    device().faults().corruptChecksum = 1;
    EXPECT_EQ(Status(), kStatusDone) << "status replies carry no checksum";
    const Bytes bad = Get(kReportProfileSettings, kProfileSettingsLength);
    ASSERT_FALSE(bad.empty());
    EXPECT_FALSE(ChecksumMatches(bad.data(), kProfileSettingsLength));
    const Bytes good = Get(kReportProfileSettings, kProfileSettingsLength);
    EXPECT_TRUE(ChecksumMatches(good.data(), kProfileSettingsLength));
    EXPECT_EQ(Bytes(bad.begin(), bad.end() - 2), Bytes(good.begin(), good.end() - 2));
}

TEST_F(Faults, MacroReplyWithTooManyEvents) {
    ASSERT_EQ(SetAndWait(MacroReport(1, 4, SampleMacro(20))), kStatusDone);
    device().faults().macroEventCount = 501;
    const Bytes reply = ReadMacro(1, 4);
    ASSERT_FALSE(reply.empty());
    EXPECT_EQ(reply[78] | (reply[79] << 8), 501);
    EXPECT_TRUE(ChecksumMatches(reply.data(), kMacroLength)) << "a well-formed reply";
    EXPECT_EQ(ReadMacro(1, 4)[78], 20) << "used up";
    EXPECT_EQ(MacroEventCount(flash().macros[1][4]), 20);
}

}  // namespace
}  // namespace tesh::vmouse::test
