#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "settings/settings_store.h"
#include "tests/settings/test_dir.h"
#include "tests/tools/tool_records.h"
#include "tests/tools/tool_run.h"
#include "tools/json_values.h"
#include "tools/profile_json.h"
#include "tools/settings_view.h"

namespace tesh {
namespace {

using test::RunToolWith;

// A program directory written by the store, with values the defaults do not have.
std::unique_ptr<SettingsSet> SaveSettings(const std::string& dir) {
    auto set = std::make_unique<SettingsSet>();
    std::memset(set.get(), 0, sizeof(SettingsSet));
    SetDefaults(*set, 0x0407);
    set->CurrentProfile = 2;
    set->WindowsProfile = 4;
    set->MouseType = 1;
    set->LiftOnFlag = 1;
    for (int i = 0; i < kInfoDataSize; ++i) set->InfoData[i] = static_cast<uint8_t>(i);
    std::memcpy(&set->Profiles[1], test::FilledProfile().get(), sizeof(ProfileRecord));
    MarkAllChanged(*set);
    MemoryRegistry registry;
    EXPECT_TRUE(SettingsStore(dir, registry).SaveAll(*set));
    return set;
}

TEST(SettingsShow, JsonShowsTheSetAsTheProgramsLoadIt) {
    test::TestDir dir;
    auto saved = SaveSettings(dir.path());
    test::ToolRun run = RunToolWith({"settings", "show", dir.path(), "--json"});
    ASSERT_EQ(run.code, kExitOk) << run.err;
    Json j = Json::parse(run.out);
    EXPECT_EQ(j["CurrentProfile"], 2);
    EXPECT_EQ(j["WindowsProfile"], 4);
    EXPECT_EQ(j["QuickHelpLan"], 4);
    EXPECT_EQ(j["MouseType"], 1);
    EXPECT_EQ(j["LiftOnFlag"], 1);
    EXPECT_EQ(j["TrackControlFlag"], 0);
    ASSERT_EQ(j["InfoData"].size(), 27u);
    EXPECT_EQ(j["InfoData"][1], 0x07060504) << "little-endian int32";
    EXPECT_FALSE(j.contains("ProfileChanged")) << "change flags are never stored";
    EXPECT_FALSE(j.contains("ButtonChanged"));
    ASSERT_EQ(j["Profiles"].size(), 5u);
    for (int slot = 0; slot < kProfileCount; ++slot)
        EXPECT_EQ(j["Profiles"][slot], ProfileToJson(saved->Profiles[slot])) << "slot " << slot;
}

TEST(SettingsShow, TextShowsHeaderThenEachProfile) {
    test::TestDir dir;
    SaveSettings(dir.path());
    // Without the trailing separator too.
    std::string plain = dir.path().substr(0, dir.path().size() - 1);
    test::ToolRun run = RunToolWith({"settings", "show", plain});
    ASSERT_EQ(run.code, kExitOk) << run.err;
    EXPECT_EQ(run.out.rfind("CurrentProfile = 2\nWindowsProfile = 4\nQuickHelpLan = 4\n", 0), 0u);
    EXPECT_NE(run.out.find("\nInfoData = 50462976 117835012 "), std::string::npos);
    EXPECT_NE(run.out.find("\n[Profile 3]\nProFileName = Default3\n"), std::string::npos);
    EXPECT_NE(run.out.find("\n[Profile 5]\n"), std::string::npos);
}

TEST(SettingsShow, MissingFilesShowWhatTheProgramsWouldStartWith) {
    test::TestDir dir;
    test::ToolRun run = RunToolWith({"settings", "show", dir.path(), "--json"});
    ASSERT_EQ(run.code, kExitOk) << run.err;
    Json j = Json::parse(run.out);
    EXPECT_EQ(j["CurrentProfile"], -1);
    EXPECT_EQ(j["InfoData"], Json(std::vector<int>(27, 0)));
    auto defaults = std::make_unique<ProfileRecord>();
    std::memset(defaults.get(), 0, sizeof(ProfileRecord));
    ProfileDefaults(*defaults, 4);
    EXPECT_EQ(j["Profiles"][4], ProfileToJson(*defaults));
}

}  // namespace
}  // namespace tesh
