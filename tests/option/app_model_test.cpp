#include "option/app_model.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "option/option_names.h"
#include "settings/ini_file.h"
#include "settings/profile_file.h"
#include "settings/settings_store.h"
#include "tests/option/app_fakes.h"
#include "tests/settings/test_dir.h"

namespace tesh::option {
namespace {

constexpr int kEnglish = 0x409;

class AppModelTest : public ::testing::Test {
  protected:
    AppModelTest() : monitor(block), model({block, monitor, store, registry, doubleClick}) {
        SetDefaults(*block.data, kEnglish);
    }
    int IniInt(const std::string& file, const std::string& key) {
        return IniFile(dir.File(file)).ReadInt("Setting", key, -99);
    }

    tesh::test::TestDir dir;
    MemoryRegistry registry;
    SettingsStore store{dir.path(), registry};
    option::test::FakeBlock block;
    option::test::FakeMonitor monitor;
    option::test::FakeDoubleClick doubleClick;
    AppModel model;
};

TEST_F(AppModelTest, ApplyFlagsCopiesSavesAndTellsTheMonitorInThatOrder) {
    block.data->Profiles[2].CpiLevel_X[0] = 1;
    ASSERT_EQ(model.Start(), Notice::kNone);
    EXPECT_EQ(doubleClick.sets, 0);
    model.SelectSlot(2);
    model.edited().CpiLevel_X[0] = 6;
    model.edited().Sensitivity = 3;

    EXPECT_EQ(model.Apply(kApplyNormal), Notice::kNone);
    ASSERT_EQ(monitor.sent.size(), 1u);
    const SettingsSet& seen = *monitor.sent[0].block;
    EXPECT_EQ(monitor.sent[0].message, kApplyMessage);
    EXPECT_EQ(monitor.sent[0].wParam, kApplyNormal);
    EXPECT_EQ(seen.CurrentProfile, 2);
    EXPECT_EQ(seen.CurrentProfileChanged, 1);
    EXPECT_EQ(seen.ProfileChanged[2], 1);
    for (int p : {0, 1, 3, 4}) EXPECT_EQ(seen.ProfileChanged[p], 0) << p;
    EXPECT_EQ(seen.Profiles[2].CpiLevel_X[0], 6);
    // The files were written before the monitor was told.
    EXPECT_EQ(IniInt("config.ini", "CurrentProfile"), 2);
    EXPECT_EQ(IniInt("config/Default2.qfm", "CpiLevel_X0"), 6);
    EXPECT_EQ(IniInt("config/Default2.qfm", "Sensitivity"), 3);
    // The working copy's flags are clear and it is what was applied.
    EXPECT_EQ(model.working().CurrentProfileChanged, 0);
    EXPECT_EQ(std::memcmp(&model.working(), &model.applied(), sizeof(SettingsSet)), 0);
    EXPECT_EQ(block.locks, block.unlocks);

    // Again without edits: the monitor is told, with nothing flagged.
    EXPECT_EQ(model.Apply(kApplyNormal), Notice::kNone);
    ASSERT_EQ(monitor.sent.size(), 2u);
    const SettingsSet& second = *monitor.sent[1].block;
    EXPECT_EQ(second.CurrentProfileChanged, 0);
    for (int p = 0; p < kProfileCount; ++p) EXPECT_EQ(second.ProfileChanged[p], 0);
}

TEST_F(AppModelTest, ApplyKeepsTheCountersTheMonitorAddedMeanwhile) {
    model.Start();
    block.data->InfoData[0] = 42;  // a click counted by the monitor after start-up
    model.edited().TiltSpeed = 9;
    model.Apply(kApplyNormal);
    EXPECT_EQ(block.data->InfoData[0], 42);
    EXPECT_EQ(model.working().InfoData[0], 42);
    EXPECT_EQ(model.applied().InfoData[0], 42);
}

TEST_F(AppModelTest, ABusyBlockAppliesNothingKeepsTheEditsAndSaysSo) {
    model.Start();
    model.SelectSlot(3);
    model.edited().CpiLevel_X[1] = 7;
    block.lockFails = true;
    EXPECT_EQ(model.Apply(kApplyNormal), Notice::kBlockBusy);
    EXPECT_TRUE(monitor.sent.empty());
    EXPECT_FALSE(dir.Read("config.ini").size());
    EXPECT_EQ(model.working().ProfileChanged[3], 1);
    EXPECT_EQ(model.working().CurrentProfileChanged, 1);
    EXPECT_NE(model.applied().Profiles[3].CpiLevel_X[1], 7);

    block.lockFails = false;
    EXPECT_EQ(model.Apply(kApplyNormal), Notice::kNone);
    ASSERT_EQ(monitor.sent.size(), 1u);
    EXPECT_EQ(monitor.sent[0].block->ProfileChanged[3], 1);
}

TEST_F(AppModelTest, WithoutAMonitorApplySavesTheFilesAndAttachesOnceItStarts) {
    block.present = false;
    EXPECT_EQ(model.Start(), Notice::kNone);
    EXPECT_FALSE(model.blockAttached());
    model.edited().TiltSpeed = 4;
    EXPECT_EQ(model.Apply(kApplyNormal), Notice::kNone);
    EXPECT_TRUE(monitor.sent.empty());
    for (int slot = 0; slot < kProfileCount; ++slot)
        EXPECT_EQ(IniInt("config/Default" + std::to_string(slot) + ".qfm", "TiltSpeed"),
                  slot == model.slot() ? 4 : model.working().Profiles[slot].TiltSpeed);

    block.present = true;  // the monitor has started
    model.edited().TiltSpeed = 5;
    EXPECT_EQ(model.Apply(kApplyNormal), Notice::kNone);
    ASSERT_EQ(monitor.sent.size(), 1u);
    EXPECT_EQ(block.data->Profiles[model.slot()].TiltSpeed, 5);
}

TEST_F(AppModelTest, StartTakesTheBlockOrTheFiles) {
    // With the block: its settings, flags cleared, the live pointer settings.
    block.data->CurrentProfile = 1;
    block.data->ProfileChanged[4] = 1;
    block.data->Profiles[1].ScrollWheelSpeed = 2;
    registry.Write("Control Panel\\Desktop", "WheelScrollLines", "7");
    EXPECT_EQ(model.Start(), Notice::kNone);
    EXPECT_EQ(model.slot(), 1);
    EXPECT_EQ(model.applied().ProfileChanged[4], 0);
    EXPECT_EQ(model.applied().Profiles[1].ScrollWheelSpeed, 2);
    EXPECT_EQ(model.working().Profiles[1].ScrollWheelSpeed, 7);

    // A block that cannot be mapped: the user is told, the files are used.
    SettingsSet files;
    SetDefaults(files, kEnglish);
    files.CurrentProfile = 4;
    ASSERT_TRUE(store.SaveAll(files));
    option::test::FakeBlock broken;
    broken.unmappable = true;
    option::test::FakeMonitor none(broken);
    AppModel second({broken, none, store, registry, doubleClick});
    EXPECT_EQ(second.Start(), Notice::kCannotMapBlock);
    EXPECT_EQ(second.slot(), 4);
}

TEST_F(AppModelTest, ABlockWhoseMutexFailsAtStartFallsBackToTheFiles) {
    SettingsSet files;
    SetDefaults(files, kEnglish);
    files.CurrentProfile = 3;
    ASSERT_TRUE(store.SaveAll(files));
    block.lockFails = true;
    model.Start();
    EXPECT_EQ(model.slot(), 3);
    EXPECT_EQ(model.edited().Sensitivity, files.Profiles[3].Sensitivity);
}

TEST_F(AppModelTest, TheMonitorsMessagesReplaceWhatTheySay) {
    model.Start();
    model.SelectSlot(1);
    model.edited().TiltSpeed = 9;

    // 1257: the sensor fields of the applied current profile, nothing else.
    block.data->CurrentProfile = 1;
    ProfileRecord& fromMouse = block.data->Profiles[1];
    fromMouse.Sensitivity_X = 2;
    fromMouse.Sensitivity_Y = 3;
    fromMouse.Sensitivity = 4;
    fromMouse.dpi[0] = 0;
    fromMouse.dpi[5] = 1;
    fromMouse.Cpi_X = 3;
    fromMouse.Cpi_Y = 2;
    fromMouse.CpiLevel_X[4] = 6;
    fromMouse.CpiLevel_Y[1] = 5;
    fromMouse.PollingRate = 1;
    fromMouse.ScrollWheelSpeed = 1;           // not a sensor field
    block.data->Profiles[2].Sensitivity = 1;  // another profile
    model.OnSensorChanged();
    const ProfileRecord& shown = model.working().Profiles[1];
    EXPECT_EQ(shown.Sensitivity_X, 2);
    EXPECT_EQ(shown.Sensitivity_Y, 3);
    EXPECT_EQ(shown.Sensitivity, 4);
    EXPECT_EQ(std::memcmp(shown.dpi, fromMouse.dpi, sizeof shown.dpi), 0);
    EXPECT_EQ(shown.Cpi_X, 3);
    EXPECT_EQ(shown.Cpi_Y, 2);
    EXPECT_EQ(shown.CpiLevel_X[4], 6);
    EXPECT_EQ(shown.CpiLevel_Y[1], 5);
    EXPECT_EQ(shown.PollingRate, 1);
    EXPECT_EQ(shown.TiltSpeed, 9);  // the user's edit stays
    EXPECT_NE(shown.ScrollWheelSpeed, 1);
    EXPECT_NE(model.working().Profiles[2].Sensitivity, 1);
    EXPECT_EQ(model.applied().Profiles[2].Sensitivity, 1);

    // 1264: the counters only.
    block.data->InfoData[5] = 77;
    model.OnInfoDataChanged();
    EXPECT_EQ(model.working().InfoData[5], 77);
    EXPECT_EQ(model.working().Profiles[1].TiltSpeed, 9);

    // 1255: everything.
    model.OnSettingsChanged();
    EXPECT_EQ(model.working().Profiles[1].ScrollWheelSpeed, 1);
    EXPECT_NE(model.working().Profiles[1].TiltSpeed, 9);

    // 1254: everything with its flags cleared, and the firmware version again; before
    // the monitor has written one it is unknown.
    EXPECT_EQ(model.firmwareText(), "N/A");
    IniFile(dir.File("config.ini")).WriteInt("Setting", "FWVersion", 213);
    block.data->ProfileChanged[0] = 1;
    model.OnSettingsReadBack();
    EXPECT_EQ(model.firmwareText(), "2.13");
    EXPECT_EQ(model.applied().ProfileChanged[0], 0);
    EXPECT_EQ(model.working().ProfileChanged[0], 0);
    EXPECT_EQ(model.links().driver, "support_driver_9900112233445_1.07_2.13");
}

TEST_F(AppModelTest, CancelRestoresTheDoubleClickTimeOfTheLastApply) {
    doubleClick.time = 500;
    model.Start();
    model.DoubleClickChanged(270);
    EXPECT_EQ(doubleClick.time, 270);
    model.Cancel();
    EXPECT_EQ(doubleClick.time, 500);

    model.DoubleClickChanged(340);
    model.Apply(kApplyNormal);
    model.Cancel();
    EXPECT_EQ(doubleClick.time, 340);
}

TEST_F(AppModelTest, TheWindowsProfileMarkerAsksBeforeSettingAndClearsAtOnce) {
    model.Start();
    model.working().WindowsProfile = -1;
    EXPECT_TRUE(model.WindowsProfileNeedsConfirm(2));
    model.SetWindowsProfile(2);
    EXPECT_EQ(model.working().WindowsProfile, 2);
    EXPECT_FALSE(model.WindowsProfileNeedsConfirm(2));
    model.ToggleWindowsProfile(2);
    EXPECT_EQ(model.working().WindowsProfile, -1);
    EXPECT_FALSE(model.WindowsProfileNeedsConfirm(7));
}

TEST_F(AppModelTest, SaveAndLoadMoveAProfileBetweenSlotsThroughAFile) {
    model.Start();
    model.SelectSlot(2);
    model.SetIdentity({"A very long profile name here", {"C:\\Games\\a.exe", "", "b.exe"}});
    model.edited().Sensitivity = 9;
    model.edited().Buttons[3].code = 15;
    const std::string file = dir.File("Shooter.qfm");
    ASSERT_EQ(model.SaveProfile(file), Notice::kNone);
    EXPECT_EQ(IniFile(dir.File("config.ini")).ReadString("FileName", "Profile3", ""), "Shooter");
    EXPECT_EQ(dir.Read("config/Shooter.qfm"), dir.Read("Shooter.qfm"));

    model.SelectSlot(0);
    ASSERT_EQ(model.LoadProfile(file), Notice::kNone);
    EXPECT_EQ(model.edited().Sensitivity, 9);
    EXPECT_EQ(model.edited().Buttons[3].code, 15);
    EXPECT_EQ(model.Identity().name, "A very long profile ");  // 20 characters
    EXPECT_EQ(model.Identity().programs[2], "b.exe");
    for (int b = 0; b < kButtonSlots; ++b) EXPECT_EQ(model.working().ButtonChanged[0][b], 1);
    for (int b = 0; b < kButtonSlots; ++b) EXPECT_EQ(model.working().ButtonChanged[2][b], 0);
}

TEST_F(AppModelTest, LoadLeavesTheSlotAloneWhenTheFileIsNoProfile) {
    model.Start();
    const ProfileRecord before = model.edited();
    dir.Write("notes.qfm", "[Other]\r\nkey=1\r\n");
    EXPECT_EQ(model.LoadProfile(dir.File("notes.qfm")), Notice::kFileHoldsNoProfile);
    EXPECT_EQ(model.LoadProfile(dir.File("missing.qfm")), Notice::kFileUnreadable);
    EXPECT_EQ(std::memcmp(&before, &model.edited(), sizeof before), 0);
    for (int b = 0; b < kButtonSlots; ++b) EXPECT_EQ(model.working().ButtonChanged[0][b], 0);
}

TEST_F(AppModelTest, SaveReplacesAFileWholeAndNeverASlotFile) {
    model.Start();
    ASSERT_TRUE(store.SaveAll(model.working()));
    const std::string slotOne = dir.Read("config/Default1.qfm");
    model.SelectSlot(3);
    model.edited().TiltSpeed = 2;
    dir.Write("DEFAULT1.qfm", "[Setting]\r\nStale=1\r\n");
    ASSERT_EQ(model.SaveProfile(dir.File("DEFAULT1.qfm")), Notice::kNone);
    EXPECT_EQ(dir.Read("config/Default1.qfm"), slotOne);
    std::string saved = dir.Read("DEFAULT1.qfm");
    EXPECT_EQ(saved.find("Stale"), std::string::npos);
    EXPECT_NE(saved.find("TiltSpeed=2"), std::string::npos);
    // A folder that does not exist: the user is told.
    EXPECT_EQ(model.SaveProfile(dir.File("no/such/dir/x.qfm")), Notice::kFileNotSaved);
}

// A button's macro is what the mouse plays: the library learns it at start and after
// the monitor read everything back, and keeps it in its file.
TEST_F(AppModelTest, TheLibraryLearnsTheButtonsMacrosAtStartAndAfterAReadBack) {
    const auto giveMacro = [&](int profile, int slot, const char* set, const char* name) {
        ButtonRecord& button = block.data->Profiles[profile].Buttons[slot];
        button.code = 48;
        std::strcpy(button.macroSetName, set);
        std::strcpy(button.macroName, name);
        button.eventCount = 2;
        button.repeatCount = 3;
        for (int i = 0; i < 8; ++i) button.events[i] = static_cast<uint8_t>(i + 1);
    };
    TimerList timers{NewTimer("Boss", 20)};
    std::filesystem::create_directories(dir.File("config"));
    ASSERT_TRUE(SaveTimerList(timers, dir.File("config/Timer.ini")));
    giveMacro(1, 7, "Shooter", "Burst");

    ASSERT_EQ(model.Start(), Notice::kNone);
    ASSERT_EQ(model.timers().size(), 1u);
    EXPECT_STREQ(model.timers()[0].name, "Boss");
    ASSERT_EQ(model.library().sets.size(), 1u);
    EXPECT_EQ(model.library().sets[0].name, "Shooter");
    ASSERT_EQ(model.library().sets[0].macros.size(), 1u);
    EXPECT_EQ(model.library().sets[0].macros[0].eventCount, 2);
    EXPECT_EQ(LoadMacroLibrary(dir.File("config/Preset_sequence.dat")).sets.size(), 1u);

    giveMacro(3, 8, "Racing", "Nitro");
    model.OnSettingsReadBack();
    const MacroLibrary saved = LoadMacroLibrary(dir.File("config/Preset_sequence.dat"));
    ASSERT_EQ(saved.sets.size(), 2u);
    EXPECT_EQ(saved.sets[1].name, "Racing");
    EXPECT_EQ(saved.sets[1].macros[0].repeatCount, 3);

    model.timers().push_back(NewTimer("Reload", 45));
    EXPECT_TRUE(model.SaveTimers());
    EXPECT_EQ(LoadTimerList(dir.File("config/Timer.ini")).size(), 2u);
}

TEST_F(AppModelTest, ResetToDefaultsMarksEveryProfileAndAppliesWithTheResetIndication) {
    ASSERT_EQ(model.Start(), Notice::kNone);
    model.SelectSlot(3);
    model.edited().PollingRate = 0;
    model.working().Profiles[1].TiltSpeed = 2;

    EXPECT_EQ(model.ResetToDefaults(kEnglish), Notice::kNone);
    ASSERT_EQ(monitor.sent.size(), 1u);
    EXPECT_EQ(monitor.sent[0].wParam, kApplyReset);
    const SettingsSet& seen = *monitor.sent[0].block;
    // Profiles already at their defaults are flagged as well: comparing must not
    // undo the reset's flags.
    for (int p = 0; p < kProfileCount; ++p) {
        EXPECT_EQ(seen.ProfileChanged[p], 1) << p;
        for (int b = 0; b < kButtonSlots; ++b) EXPECT_EQ(seen.ButtonChanged[p][b], 1);
    }
    EXPECT_EQ(seen.CurrentProfileChanged, 1);
    EXPECT_EQ(seen.CurrentProfile, 0);
    SettingsSet defaults = *block.data;
    SetDefaults(defaults, kEnglish);
    EXPECT_EQ(std::memcmp(&seen.Profiles, &defaults.Profiles, sizeof defaults.Profiles), 0);
    EXPECT_EQ(IniInt("config.ini", "CurrentProfile"), 0);
    EXPECT_EQ(model.working().ProfileChanged[2], 0);  // cleared after the apply

    // OK afterwards has nothing left to send.
    model.Apply(kApplyNormal);
    ASSERT_EQ(monitor.sent.size(), 2u);
    for (int p = 0; p < kProfileCount; ++p) EXPECT_EQ(monitor.sent[1].block->ProfileChanged[p], 0);
}

TEST_F(AppModelTest, ResetStatisticsClearsOnlyTheCountersAndKeepsUnappliedEditsOut) {
    ASSERT_EQ(model.Start(), Notice::kNone);
    model.edited().CpiLevel_X[0] = 7;  // an edit not applied
    const int32_t counters[] = {11, 12, 13};
    std::memcpy(block.data->InfoData, counters, sizeof counters);
    const int32_t trophy = 1, last = 3;
    std::memcpy(block.data->InfoData + 4 * 13, &trophy, 4);  // awarded meanwhile
    std::memcpy(block.data->InfoData + 4 * 26, &last, 4);
    block.data->ProfileChanged[1] = 1;  // a stale flag must not be made new
    const SettingsSet before = *block.data;

    EXPECT_TRUE(model.ResetStatistics());
    ASSERT_EQ(monitor.sent.size(), 1u);
    EXPECT_EQ(monitor.sent[0].message, kInfoDataChangedMessage);
    const SettingsSet& seen = *monitor.sent[0].block;
    for (int k = 0; k < 13; ++k) EXPECT_EQ(seen.InfoData[4 * k], 0) << k;
    EXPECT_EQ(seen.InfoData[4 * 13], 1);
    EXPECT_EQ(seen.InfoData[4 * 26], 3);
    // Outside InfoData the block is byte for byte what it was.
    EXPECT_EQ(std::memcmp(&seen.Profiles, &before.Profiles, sizeof before.Profiles), 0);
    EXPECT_EQ(seen.ProfileChanged[1], 1);
    EXPECT_EQ(model.edited().CpiLevel_X[0], 7);  // the edit stays in the working copy
    EXPECT_EQ(std::memcmp(model.working().InfoData, seen.InfoData, kInfoDataSize), 0);
    EXPECT_EQ(std::memcmp(model.applied().InfoData, seen.InfoData, kInfoDataSize), 0);
    uint8_t stored[kInfoDataSize] = {};
    IniFile(dir.File("config.ini")).ReadStruct("Setting", "InfoData", stored, sizeof stored);
    EXPECT_EQ(std::memcmp(stored, seen.InfoData, kInfoDataSize), 0);
    EXPECT_EQ(block.locks, block.unlocks);

    block.lockFails = true;
    EXPECT_FALSE(model.ResetStatistics());
    EXPECT_EQ(monitor.sent.size(), 1u);
}

}  // namespace
}  // namespace tesh::option
