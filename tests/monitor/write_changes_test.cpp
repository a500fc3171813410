// The write-changes sequence and the restore command against the virtual mouse:
// exactly the flagged reports, in order, with their pauses, and where it stops.
#include <cstring>

#include "featlink/device_state.h"
#include "monitor/device_tables.h"
#include "tests/monitor/monitor_fixture.h"

namespace tesh::monitor::test {
namespace {

class WriteChanges : public MonitorTest {
  protected:
    std::vector<std::string> Writes(std::size_t count = 3) const {
        std::vector<std::string> out;
        for (const Transfer& t : transfers()) {
            if (t.set) out.push_back(t.Brief(count));
        }
        return out;
    }
};

TEST_F(WriteChanges, NothingFlaggedWritesNothing) {
    image().Profiles[0].Buttons[2].code = 48;
    EXPECT_TRUE(sequences().WriteChanges());
    EXPECT_TRUE(transfers().empty());
    EXPECT_TRUE(clock_.sleeps().empty());
}

TEST_F(WriteChanges, WritesExactlyTheFlaggedReports) {
    SettingsSet& set = image();
    set.CurrentProfile = 2;
    set.CurrentProfileChanged = 1;
    set.Profiles[3].PollingRate = 1;
    set.ProfileChanged[3] = 1;
    set.ButtonChanged[1][7] = 1;
    FillMacro(set.Profiles[4].Buttons[2], 12, 1);
    set.ButtonChanged[4][2] = 1;
    FillMacro(set.Profiles[4].Buttons[3], 12, 2);  // not flagged
    FillMacro(set.Profiles[4].Buttons[5], 12, 3);  // host-only
    set.ButtonChanged[4][5] = 1;
    set.ProfileChanged[2] = 2;  // only 1 counts

    EXPECT_TRUE(sequences().WriteChanges());
    EXPECT_EQ(Writes(5),
              (std::vector<std::string>{"SET 05 03 02", "SET 06 1f 03 00 06", "SET 07 3b 01 01 00",
                                        "SET 07 3b 04 01 00", "SET 08 22 08 04 02"}));
    EXPECT_EQ(transfers().size(), 10u) << "each write followed by one status read";
    EXPECT_EQ(Gaps(), (std::vector<uint64_t>{0, 100, 100, 100, 100, 500, 100, 500, 100, 500}));
    EXPECT_EQ(clock_.NowMs(), 2100u + 50u) << "the macro's 50 ms pause ends it";

    const vmouse::DeviceFlash& flash = mouse().flash;
    EXPECT_EQ(flash.activeProfile, 2);
    EXPECT_EQ(flash.profiles[3].pollingRate, 1);
    EXPECT_EQ(std::memcmp(flash.macros[4][2].events, set.Profiles[4].Buttons[2].events, 48), 0);
    EXPECT_EQ(vmouse::MacroEventCount(flash.macros[4][3]), 0);
    EXPECT_EQ(set.ButtonChanged[4][2], 1) << "the flags stay set";
}

TEST_F(WriteChanges, EveryFlagSetWritesTheWholeSetInOrder) {
    SettingsSet& set = image();
    for (int p = 0; p < kProfileCount; ++p) {
        for (int slot = 0; slot < kButtonSlots; ++slot) {
            FillMacro(set.Profiles[p].Buttons[slot], 500, static_cast<uint8_t>(p * 24 + slot));
        }
    }
    MarkAllChanged(set);
    EXPECT_TRUE(sequences().WriteChanges());

    std::vector<std::string> expected = {"SET 05 03 00"};
    // Sensitivity 6 after XYSynchronous 0; the first device button's code 48.
    for (int p = 0; p < 5; ++p) expected.push_back("SET 06 1f 0" + std::to_string(p) + " 00 06");
    for (int p = 0; p < 5; ++p) expected.push_back("SET 07 3b 0" + std::to_string(p) + " 30 00");
    char macro[32];
    for (int p = 0; p < 5; ++p) {
        for (int button = 0; button < kDeviceButtonCount; ++button) {
            std::snprintf(macro, sizeof macro, "SET 08 22 08 %02x %02x", p, button);
            expected.push_back(macro);
        }
    }
    EXPECT_EQ(Writes(5).size(), 1u + 5u + 5u + 90u);
    EXPECT_EQ(Writes(5), std::vector<std::string>(expected.begin(), expected.end()));
    for (int p = 0; p < 5; ++p) {
        for (int button = 0; button < kDeviceButtonCount; ++button) {
            const ButtonRecord& sent = set.Profiles[p].Buttons[SlotOfDeviceButton(button)];
            const vmouse::MacroEntry& kept = mouse().flash.macros[p][button];
            ASSERT_EQ(vmouse::MacroEventCount(kept), 500);
            ASSERT_EQ(std::memcmp(kept.events, sent.events, 2000), 0) << p << " " << button;
        }
    }
}

TEST_F(WriteChanges, AFailedMacroWriteEndsTheLoopOverProfiles) {
    SettingsSet& set = image();
    FillMacro(set.Profiles[0].Buttons[2], 3, 1);
    FillMacro(set.Profiles[1].Buttons[2], 3, 2);
    set.ButtonChanged[0][2] = set.ButtonChanged[1][2] = 1;
    // Buttons of profiles 0 and 1 end at 1100 ms; the first macro goes out at 1200.
    clock_.At(1150, [this] { faults().failSets = 1; });
    EXPECT_FALSE(sequences().WriteChanges());
    EXPECT_EQ(Writes(4), (std::vector<std::string>{"SET 07 3b 00 01", "SET 07 3b 01 01",
                                                   "SET 08 22 08 00 failed"}));
    EXPECT_EQ(clock_.NowMs(), 1250u);
}

TEST_F(WriteChanges, AFailedSettingsWriteDoesNotStopIt) {
    image().ProfileChanged[0] = image().ProfileChanged[1] = 1;
    faults().failSets = 1;
    EXPECT_TRUE(sequences().WriteChanges());
    EXPECT_EQ(Writes(), (std::vector<std::string>{"SET 06 1f 00 failed", "SET 06 1f 01"}));
}

TEST_F(WriteChanges, CancelStopsAtTheNextPause) {
    MarkAllChanged(image());
    clock_.At(250, [this] { flags().cancel = 1; });
    EXPECT_FALSE(sequences().WriteChanges());
    EXPECT_EQ(Writes(), (std::vector<std::string>{"SET 05 03 00", "SET 06 1f 00"}));
}

TEST_F(WriteChanges, OnlyWhileConnected) {
    MarkAllChanged(image());
    flags().connection = kRemoved;
    EXPECT_FALSE(sequences().WriteChanges());
    EXPECT_FALSE(sequences().RestoreDefaults());
    flags().connection = kNotFound;
    EXPECT_FALSE(sequences().WriteChanges());
    EXPECT_TRUE(transfers().empty());
}

TEST_F(WriteChanges, RestoreDefaultsSendsCommand11) {
    mouse().flash.activeProfile = 4;
    mouse().flash.profiles[0].pollingRate = 0;
    EXPECT_TRUE(sequences().RestoreDefaults());
    EXPECT_EQ(Briefs(6),
              (std::vector<std::string>{"SET 09 06 0b 00 00 00", "GET 04 03 00", "GET 04 01 00"}));
    EXPECT_EQ(mouse().flash.activeProfile, 0);
    EXPECT_EQ(mouse().flash.profiles[0].pollingRate, 3);
}

}  // namespace
}  // namespace tesh::monitor::test
