// The read-all sequence against the virtual mouse: what it reads and in which order,
// its pauses, what it stores, saves and publishes, and how faults and an unplug stop it.
#include <cstring>
#include <filesystem>

#include "monitor/monitor_names.h"
#include "settings/file_io.h"
#include "settings/ini_file.h"
#include "tests/monitor/monitor_fixture.h"

namespace tesh::monitor::test {
namespace {

class ReadAll : public MonitorTest {
  protected:
    ReadAll() {
        vmouse::DeviceFlash& flash = mouse().flash;
        flash.firmwareVersion = 7;
        flash.activeProfile = 3;
        flash.profiles[2].pollingRate = 1;
        flash.profiles[2].cpiCodes[4] = 0x01;  // unknown: 800 CPI
        flash.buttons[1][5] = vmouse::ButtonEntry{5, 0x02, 0x04};
        flash.sensor = vmouse::SensorSettings{1, 1, 77, 2};
        GiveMouseMacro(0, 2, 10);
        GiveMouseMacro(4, 17, 500);
        MarkAllChanged(image());
    }

    // Selections and writes with their three bytes, status reads with the status,
    // other reads by their identifier.
    std::vector<std::string> Steps() const {
        std::vector<std::string> out;
        for (const Transfer& t : transfers()) {
            out.push_back(t.Brief(t.set ? 3 : t.bytes[0] == kStatusReport ? 2 : 1));
        }
        return out;
    }

    bool SlotFileSaved(int slot) const { return FileExists(dir_.File(SlotFileName(slot))); }
    int ConfigInt(const char* key) const {
        return IniFile(dir_.File(kConfigIni)).ReadInt("Setting", key, -99);
    }
};

std::vector<std::string> SelectedRead(int profile, uint8_t selector, const char* read) {
    char select[16];
    std::snprintf(select, sizeof select, "SET 04 %02x %02x", profile, selector);
    return {select, "GET 04 01", read};
}

TEST_F(ReadAll, ReadsEveryProfileInOrderWithItsPauses) {
    ASSERT_TRUE(sequences().ReadAll());
    std::vector<std::string> expected = {"GET 09", "GET 05"};
    auto add = [&](const std::vector<std::string>& steps) {
        expected.insert(expected.end(), steps.begin(), steps.end());
    };
    for (int p = 0; p < 5; ++p) add(SelectedRead(p, 0x80, "GET 06"));
    for (int p = 0; p < 5; ++p) add(SelectedRead(p, 0x90, "GET 07"));
    add(SelectedRead(0, 2, "GET 08"));
    add(SelectedRead(4, 17, "GET 08"));
    expected.push_back("GET 0f");
    EXPECT_EQ(Steps(), expected);

    // 100 ms after the version and the active profile; a selected read is its status
    // write, the status read 100 ms later and the read at once, 100 ms after the step
    // before. After a macro try and after each profile's macros: 100 ms each.
    std::vector<uint64_t> gaps = {0, 100};
    for (int read = 0; read < 10; ++read) gaps.insert(gaps.end(), {100, 100, 0});
    gaps.insert(gaps.end(), {100, 100, 0});  // profile 0's macro
    gaps.insert(gaps.end(), {500, 100, 0});  // profile 4's, after three empty profiles
    gaps.push_back(200);                     // the sensor settings
    EXPECT_EQ(Gaps(), gaps);
    EXPECT_EQ(clock_.NowMs(), 3100u);
}

TEST_F(ReadAll, StoresWhatTheMouseHolds) {
    ASSERT_TRUE(sequences().ReadAll());
    const SettingsSet& set = image();
    EXPECT_EQ(set.CurrentProfile, 3);
    EXPECT_EQ(set.Profiles[2].PollingRate, 1);
    EXPECT_EQ(set.Profiles[2].CpiLevel_X[4], 2);
    EXPECT_EQ(set.Profiles[2].CpiLevel_Y[4], 2);
    EXPECT_EQ(set.Profiles[0].CpiLevel_X[4], 7);
    const ButtonRecord& combo = set.Profiles[1].Buttons[7];
    EXPECT_EQ(combo.code, 5);
    EXPECT_EQ(combo.events[0], 0x04);
    EXPECT_EQ(combo.events[1], 0x02);

    const ButtonRecord& small = set.Profiles[0].Buttons[2];
    const vmouse::MacroEntry& smallOnMouse = mouse().flash.macros[0][2];
    EXPECT_EQ(small.code, 48);
    EXPECT_EQ(small.number, 2);
    EXPECT_EQ(small.repeatCount, 3);
    EXPECT_EQ(small.eventCount, 10);
    EXPECT_EQ(std::memcmp(small.events, smallOnMouse.events, 40), 0);
    EXPECT_STREQ(small.macroName, "Macro 0.2");
    EXPECT_STREQ(small.macroSetName, "Set 0");
    const ButtonRecord& large = set.Profiles[4].Buttons[22];
    EXPECT_EQ(large.eventCount, 500);
    EXPECT_EQ(std::memcmp(large.events, mouse().flash.macros[4][17].events, 2000), 0);

    EXPECT_EQ(set.LiftOnFlag, 1);
    EXPECT_EQ(set.TrackControlFlag, 1);
    EXPECT_EQ(reports().lzc().value, 77);
    EXPECT_EQ(reports().lzc().mode, 2);
    EXPECT_EQ(set.CurrentProfileChanged, 0);
    EXPECT_EQ(set.ButtonChanged[4][22], 0);
    EXPECT_EQ(set.ProfileChanged[0], 0);
}

TEST_F(ReadAll, SavesPublishesAndTellsTheConfigurationApplication) {
    ASSERT_TRUE(sequences().ReadAll());
    EXPECT_EQ(ConfigInt("FWVersion"), 7);
    EXPECT_EQ(ConfigInt("CurrentProfile"), 3);
    for (int slot = 0; slot < kProfileCount; ++slot) EXPECT_TRUE(SlotFileSaved(slot));
    auto loaded = std::make_unique<SettingsSet>();
    std::memset(loaded.get(), 0, sizeof *loaded);
    store_.LoadAll(*loaded);
    EXPECT_EQ(loaded->Profiles[4].Buttons[22].eventCount, 500);
    EXPECT_EQ(block_.publishes, 1);
    EXPECT_EQ(std::memcmp(block_.last.get(), &image(), sizeof(SettingsSet)), 0);
    EXPECT_EQ(windows_.posts, (std::vector<Post>{{kOptionWindowTitle, 1254}}));
}

// A settings file that cannot be written: the mouse's settings are published and the
// configuration application is told all the same, the result says the files are behind,
// and the monitor's next write of a settings file saves what was left.
TEST_F(ReadAll, AFailedSaveIsReportedAndGoesWithTheNextWrite) {
    std::filesystem::create_directories(dir_.File(SlotFileName(2)));
    EXPECT_FALSE(sequences().ReadAll());
    EXPECT_EQ(block_.publishes, 1);
    EXPECT_EQ(windows_.posts, (std::vector<Post>{{kOptionWindowTitle, 1254}}));
    EXPECT_TRUE(store_.WritesPending());
    std::filesystem::remove(dir_.File(SlotFileName(2)));
    EXPECT_TRUE(files_.WriteDevice(1));
    EXPECT_FALSE(store_.WritesPending());
    auto loaded = std::make_unique<SettingsSet>();
    std::memset(loaded.get(), 0, sizeof *loaded);
    store_.LoadAll(*loaded);
    EXPECT_EQ(std::memcmp(&loaded->Profiles[2], &image().Profiles[2], sizeof(ProfileRecord)), 0);
}

TEST_F(ReadAll, UnplugStopsItAndNothingIsSavedOrPublished) {
    clock_.At(1500, [this] { Unplug(); });
    core().RunJob(kJobReadAll, 0);
    EXPECT_EQ(block_.publishes, 0);
    EXPECT_FALSE(SlotFileSaved(0));
    EXPECT_EQ(ConfigInt("Device"), 0);
    EXPECT_EQ(ConfigInt("FWVersion"), 7) << "stored before the unplug";
    EXPECT_EQ(windows_.posts, (std::vector<Post>{{kOptionWindowTitle, 0}}))
        << "only the removal's close of the configuration application";
    EXPECT_EQ(clock_.NowMs(), 1500u) << "stopped at the first pause step after the unplug";
    const auto all = transfers();
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.back().Brief(3), "SET 0e 03 01 failed") << "host state follows, unanswered";
    EXPECT_EQ(flags().busy, 0);
    EXPECT_EQ(flags().cancel, 1);
    EXPECT_EQ(host_.calls.back(), "SendQuixAimCpi");
}

TEST_F(ReadAll, FailedSensorReadSavesNothingButClearsTheChangeFlags) {
    clock_.At(3050, [this] { faults().failGets = 1; });
    EXPECT_FALSE(sequences().ReadAll());
    EXPECT_EQ(Steps().back(), "GET 0f failed");
    EXPECT_EQ(block_.publishes, 0);
    EXPECT_FALSE(SlotFileSaved(0));
    EXPECT_TRUE(windows_.posts.empty());
    EXPECT_EQ(image().ProfileChanged[3], 0);
}

TEST_F(ReadAll, ProfileSettingsWithABadChecksumArePassedOver) {
    faults().corruptChecksum = 1;  // the first reply that has one: profile 0's settings
    image().Profiles[0].PollingRate = 42;
    image().Profiles[1].PollingRate = 42;
    ASSERT_TRUE(sequences().ReadAll());
    EXPECT_EQ(image().Profiles[0].PollingRate, 42);
    EXPECT_EQ(image().Profiles[1].PollingRate, 3);
    EXPECT_EQ(block_.publishes, 1);
}

TEST_F(ReadAll, FailedVersionReadStoresVersionZeroAndGoesOn) {
    faults().failGets = 1;
    ASSERT_TRUE(sequences().ReadAll());
    EXPECT_EQ(ConfigInt("FWVersion"), 0);
    EXPECT_EQ(image().CurrentProfile, 3);
}

TEST_F(ReadAll, ActiveProfileOutOfRangeKeepsCurrentProfile) {
    mouse().flash.activeProfile = 9;
    image().CurrentProfile = 1;
    ASSERT_TRUE(sequences().ReadAll());
    EXPECT_EQ(image().CurrentProfile, 1);
}

TEST_F(ReadAll, MacroReplyClaimingMoreThan500EventsIsRefusedAndReadAgain) {
    faults().macroEventCount = 501;
    ASSERT_TRUE(sequences().ReadAll());
    int macroReads = 0;
    for (const std::string& step : Steps()) macroReads += step == "GET 08";
    EXPECT_EQ(macroReads, 3) << "profile 0's macro twice, profile 4's once";
    EXPECT_EQ(image().Profiles[0].Buttons[2].eventCount, 10);
}

TEST_F(ReadAll, MacroThatFailsThreeTimesStopsTheSequence) {
    // The macros are read from 2200 ms on; three bad replies in a row.
    clock_.At(2150, [this] { faults().corruptChecksum = 3; });
    EXPECT_FALSE(sequences().ReadAll());
    int macroReads = 0;
    for (const std::string& step : Steps()) macroReads += step == "GET 08";
    EXPECT_EQ(macroReads, 3);
    EXPECT_EQ(Steps().back(), "GET 08") << "no further profile, no sensor read";
    EXPECT_EQ(block_.publishes, 0);
    EXPECT_EQ(image().ProfileChanged[0], 1) << "stopped before the flags were cleared";
}

TEST_F(ReadAll, JobWritesHostStateAndSendsTheCpiValuesAfterwards) {
    core().RunJob(kJobReadAll, 0);
    const auto all = transfers();
    EXPECT_EQ(all[all.size() - 2].Brief(3), "SET 0e 03 01");
    EXPECT_EQ(mouse().peripherals.hostState, 1);
    EXPECT_EQ(host_.calls, std::vector<std::string>{"SendQuixAimCpi"});
    EXPECT_EQ(flags().busy, 0);
}

}  // namespace
}  // namespace tesh::monitor::test
