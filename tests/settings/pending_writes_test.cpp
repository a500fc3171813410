#include "settings/pending_writes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>

#include "settings/file_io.h"
#include "settings/ini_file.h"
#include "settings/profile_file.h"
#include "settings/settings_store.h"
#include "tests/settings/test_dir.h"
#include "tests/settings/test_records.h"

namespace tesh {
namespace {

IniDocument Doc(std::string_view text) {
    return IniDocument::Parse(text);
}

// A key whose write failed goes with the next write unless the file holds something
// else for it by then: another program wrote a newer value meanwhile.
TEST(PendingWrites, AKeyGoesWithTheNextWriteUnlessWrittenMeanwhile) {
    struct Case {
        const char* atFailure;  // nullptr: the file could not be read then
        const char* atRetry;
        const char* expected;
    };
    const Case cases[] = {
        {"[Setting]\r\nDevice=1\r\n", "[Setting]\r\nDevice=1\r\n", "0"},
        {"", "", "0"},
        {nullptr, "[Setting]\r\nDevice=1\r\n", "0"},
        {"[Setting]\r\nDevice=1\r\n", "[Setting]\r\nDevice=5\r\n", "5"},
        {"", "[Setting]\r\nDevice=5\r\n", "5"},
    };
    const std::vector<IniKeyWrite> device{{"Setting", "Device", "0"}};
    const std::vector<IniKeyWrite> other{{"Setting", "FWVersion", "105"}};
    for (const Case& c : cases) {
        PendingWrites pending;
        if (c.atFailure) {
            IniDocument before = Doc(c.atFailure);
            const PendingWrites::Found found = pending.WriteKeys(before, device);
            pending.KeysFailed(device, &found);
        } else {
            pending.KeysFailed(device, nullptr);
        }
        EXPECT_FALSE(pending.empty());
        IniDocument now = Doc(c.atRetry);
        pending.WriteKeys(now, other);
        EXPECT_EQ(now.Get("Setting", "Device"), c.expected) << c.atRetry;
        EXPECT_EQ(now.Get("Setting", "FWVersion"), "105");
        pending.KeysStored();
        EXPECT_TRUE(pending.empty());
    }
}

TEST(PendingWrites, AProfileGoesOnlyIntoTheFileItFailedOn) {
    auto profile = std::make_unique<ProfileRecord>();
    test::FillProfile(*profile, 11);
    const IniDocument atFailure = Doc("[Setting]\r\nProFileName=old\r\n");
    PendingWrites pending;
    pending.ProfileFailed(2, *profile, PendingWrites::Stamp(atFailure));
    EXPECT_TRUE(pending.ProfilePending(2));
    IniDocument unchanged = atFailure;
    EXPECT_TRUE(pending.WriteProfile(2, unchanged));
    EXPECT_EQ(unchanged.Get("Setting", "ProFileName"), std::string(profile->ProFileName));
    IniDocument savedMeanwhile = Doc("[Setting]\r\nProFileName=newer\r\n");
    EXPECT_FALSE(pending.WriteProfile(2, savedMeanwhile));
    EXPECT_EQ(savedMeanwhile.Get("Setting", "ProFileName"), "newer");
    pending.ProfileStored(2);
    EXPECT_TRUE(pending.empty());
}

// A directory where a settings file belongs makes every write of it fail.
void Block(const test::TestDir& dir, const std::string& relative) {
    std::filesystem::create_directories(dir.File(relative));
}
void Unblock(const test::TestDir& dir, const std::string& relative) {
    std::filesystem::remove(dir.File(relative));
}

TEST(SettingsStore, AFailedKeyIsWrittenWithTheNextWrite) {
    test::TestDir dir;
    MemoryRegistry registry;
    SettingsStore store(dir.path(), registry);
    Block(dir, kConfigIni);
    EXPECT_FALSE(store.WriteCurrentProfile(3));
    EXPECT_FALSE(store.WriteInfoData({}));
    EXPECT_TRUE(store.WritesPending());
    Unblock(dir, kConfigIni);
    ASSERT_TRUE(store.WriteDevice(1));
    EXPECT_FALSE(store.WritesPending());
    IniFile config(store.PathOf(kConfigIni));
    EXPECT_EQ(config.ReadInt(kSettingSection, "CurrentProfile", -1), 3);
    EXPECT_EQ(config.ReadInt(kSettingSection, "Device", -1), 1);
    uint8_t info[kInfoDataSize];
    EXPECT_TRUE(config.ReadStruct(kSettingSection, "InfoData", info, sizeof info));
}

TEST(SettingsStore, AProfileSaveAllCouldNotWriteIsWrittenWithTheNextWrite) {
    test::TestDir dir;
    MemoryRegistry registry;
    SettingsStore store(dir.path(), registry);
    auto set = std::make_unique<SettingsSet>();
    Clear(*set);
    for (int slot = 0; slot < kProfileCount; ++slot)
        test::FillProfile(set->Profiles[slot], 20 + static_cast<unsigned>(slot));
    Block(dir, SlotFileName(2));
    EXPECT_FALSE(store.SaveAll(*set));
    EXPECT_TRUE(FileExists(store.PathOf(SlotFileName(1))));
    Unblock(dir, SlotFileName(2));
    ASSERT_TRUE(store.WriteDevice(0));
    EXPECT_FALSE(store.WritesPending());
    auto back = std::make_unique<ProfileRecord>();
    ASSERT_TRUE(LoadProfile(*back, store.PathOf(SlotFileName(2))));
    EXPECT_STREQ(back->ProFileName, set->Profiles[2].ProFileName);
    EXPECT_EQ(std::memcmp(back->Buttons, set->Profiles[2].Buttons, sizeof back->Buttons), 0);
}

}  // namespace
}  // namespace tesh
