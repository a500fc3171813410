#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "settings/device_info.h"
#include "settings/file_io.h"
#include "settings/ini_file.h"
#include "settings/profile_file.h"
#include "settings/registry_mirror.h"
#include "tests/settings/test_dir.h"
#include "tests/settings/test_records.h"

namespace tesh {
namespace {

std::unique_ptr<SettingsSet> FullSet(unsigned seed) {
    auto set = std::make_unique<SettingsSet>();
    std::memset(set.get(), 0, sizeof(SettingsSet));
    set->CurrentProfile = 2;
    set->WindowsProfile = 4;
    set->QuickHelpLan = 9;
    set->LiftOnFlag = 1;
    set->TrackControlFlag = 1;
    set->MouseType = 1;
    for (int i = 0; i < kInfoDataSize; ++i) set->InfoData[i] = static_cast<uint8_t>(i * 7);
    for (int slot = 0; slot < kProfileCount; ++slot)
        test::FillProfile(set->Profiles[slot], seed + static_cast<unsigned>(slot));
    // Fields re-read from the registry must hold values the registry can give back.
    ProfileRecord& current = set->Profiles[2];
    current.ScrollWheelFlag = 0;
    current.AccelerationFlag = 1;
    current.Acceleration = 12;
    return set;
}

TEST(SettingsStore, SaveAllThenLoadAllGivesTheSameSet) {
    test::TestDir dir;
    MemoryRegistry registry;
    SettingsStore store(dir.path(), registry);
    auto saved = FullSet(100);
    MarkAllChanged(*saved);
    ASSERT_TRUE(store.SaveAll(*saved));
    auto loaded = std::make_unique<SettingsSet>();
    std::memset(loaded.get(), 0, sizeof(SettingsSet));
    Clear(*loaded);
    store.LoadAll(*loaded);
    ClearChangeFlags(*saved);
    EXPECT_EQ(std::memcmp(saved.get(), loaded.get(), sizeof(SettingsSet)), 0);
    EXPECT_EQ(registry.Read(kMouseKey, "MouseThreshold2"), "12");
    EXPECT_TRUE(FileExists(store.PathOf("config\\Default4.qfm")));
}

TEST(SettingsStore, SaveAllKeepsOtherKeysOfConfigIni) {
    test::TestDir dir;
    MemoryRegistry registry;
    SettingsStore store(dir.path(), registry);
    ASSERT_TRUE(store.WriteFirmwareVersion(105));
    ASSERT_TRUE(store.SaveFileTitle(3, "My games"));
    ASSERT_TRUE(store.WriteDevice(1));
    ASSERT_TRUE(store.SaveAll(*FullSet(1)));
    EXPECT_EQ(store.ReadFirmwareVersion(), 105);
    IniFile config(store.PathOf(kConfigIni));
    EXPECT_EQ(config.ReadString("FileName", "Profile3", ""), "My games");
    EXPECT_EQ(config.ReadInt("Setting", "Device", -1), 1);
    EXPECT_EQ(config.ReadInt("Setting", "CurrentProfile", -1), 2);
    std::string text = dir.Read("config.ini");
    EXPECT_LT(text.find("CurrentProfile="), text.find("WindowsProfile="));
    EXPECT_LT(text.find("TrackControlFlag="), text.find("InfoData="));
}

TEST(SettingsStore, LoadAllOnAnEmptyDirectory) {
    test::TestDir dir;
    MemoryRegistry registry;
    SettingsStore store(dir.path(), registry);
    auto set = std::make_unique<SettingsSet>();
    std::memset(set.get(), 0, sizeof(SettingsSet));
    Clear(*set);
    set->InfoData[0] = 42;
    store.LoadAll(*set);
    EXPECT_EQ(set->CurrentProfile, -1);
    EXPECT_EQ(set->QuickHelpLan, -1);
    EXPECT_EQ(set->InfoData[0], 42) << "a missing InfoData keeps the set's bytes";
    EXPECT_STREQ(set->Profiles[3].ProFileName, "Default4");
    EXPECT_EQ(set->Profiles[0].LightEffectType, 2);
    EXPECT_EQ(registry.size(), 0u) << "loading never writes the registry";
    EXPECT_EQ(store.ReadFirmwareVersion(), kDefaultFirmwareVersion);
}

TEST(SettingsStore, AnEmptyOrZeroedSlotFileReadsAsMissing) {
    test::TestDir dir;
    dir.Write("config/Default1.qfm", "");
    dir.Write("config/Default2.qfm", std::string(4096, '\0'));
    MemoryRegistry registry;
    SettingsStore store(dir.path(), registry);
    auto set = std::make_unique<SettingsSet>();
    Clear(*set);
    store.LoadAll(*set);
    for (int slot : {1, 2}) {
        auto defaults = std::make_unique<ProfileRecord>();
        std::memset(defaults.get(), 0, sizeof(ProfileRecord));
        ProfileDefaults(*defaults, slot);
        EXPECT_EQ(std::memcmp(defaults.get(), &set->Profiles[slot], sizeof(ProfileRecord)), 0)
            << slot;
    }
}

// Empty or zero bytes are what a crash leaves of a file whose data never reached the
// disk: config.ini then reads as missing too, and the next write of either kind of file
// starts it afresh instead of keeping the zero bytes in front of the keys.
TEST(SettingsStore, AZeroedFileReadsAsMissingAndIsWrittenAfresh) {
    auto profile = std::make_unique<ProfileRecord>();
    test::FillProfile(*profile, 3);
    test::TestDir fresh;
    ASSERT_TRUE(SaveProfile(*profile, fresh.File("p.qfm")));
    for (const std::string& crashed : {std::string(), std::string(4096, '\0')}) {
        test::TestDir dir;
        dir.Write("config.ini", crashed);
        dir.Write("config/Default1.qfm", crashed);
        MemoryRegistry registry;
        SettingsStore store(dir.path(), registry);
        auto set = std::make_unique<SettingsSet>();
        Clear(*set);
        set->InfoData[0] = 42;
        store.LoadAll(*set);
        EXPECT_EQ(set->CurrentProfile, -1);
        EXPECT_EQ(set->InfoData[0], 42);
        EXPECT_EQ(store.ReadFirmwareVersion(), kDefaultFirmwareVersion);
        OsdSettings osd;
        EXPECT_FALSE(store.ReadOsdSettings(osd));

        ASSERT_TRUE(store.WriteDevice(1));
        EXPECT_EQ(dir.Read("config.ini"), "[Setting]\r\nDevice=1\r\n") << crashed.size();
        ASSERT_TRUE(SaveProfile(*profile, store.PathOf(SlotFileName(1))));
        EXPECT_EQ(dir.Read("config/Default1.qfm"), fresh.Read("p.qfm")) << crashed.size();
    }
}

TEST(SettingsStore, LoadAllReadsTheRegistryIntoTheCurrentProfileOnly) {
    test::TestDir dir;
    MemoryRegistry registry;
    SettingsStore store(dir.path(), registry);
    auto set = FullSet(5);
    set->CurrentProfile = 1;
    ASSERT_TRUE(store.SaveAll(*set));
    registry.Write(kMouseKey, "DoubleClickSpeed", "777");
    store.LoadAll(*set);
    EXPECT_EQ(set->Profiles[1].DbleClickSpeed, 777);
    EXPECT_NE(set->Profiles[2].DbleClickSpeed, 777);
}

TEST(SettingsStore, SaveAllWithoutRegistryStillWritesFiles) {
    test::TestDir dir;
    MemoryRegistry registry;
    registry.SetReadOnly(true);
    SettingsStore store(dir.path(), registry);
    EXPECT_TRUE(store.SaveAll(*FullSet(9)));
    EXPECT_TRUE(FileExists(store.PathOf("config\\Default0.qfm")));
}

TEST(SettingsStore, UnwritableDirectoryReportsFailure) {
    test::TestDir dir;
    MemoryRegistry registry;
    SettingsStore store(dir.File("does-not-exist") + "/", registry);
    EXPECT_FALSE(store.SaveAll(*FullSet(9)));
}

TEST(SettingsStore, OsdSettingsFallBackToTheDefaultBlock) {
    test::TestDir dir;
    MemoryRegistry registry;
    SettingsStore store(dir.path(), registry);
    OsdSettings osd;
    std::memset(&osd, 0x55, sizeof osd);
    EXPECT_FALSE(store.ReadOsdSettings(osd));
    EXPECT_EQ(osd.value136, 110);
    EXPECT_EQ(osd.value340, 5);
    EXPECT_EQ(osd.value28, 0);
    osd.value28 = 3;
    ASSERT_TRUE(
        IniFile(store.PathOf(kConfigIni)).WriteStruct(kOsdSection, kOsdKey, &osd, sizeof osd));
    OsdSettings back{};
    EXPECT_TRUE(store.ReadOsdSettings(back));
    EXPECT_EQ(back.value28, 3);
}

TEST(DeviceTable, RoundTripAndBounds) {
    test::TestDir dir;
    auto table = std::make_unique<DeviceInfoTable>();
    std::memset(table.get(), 0, sizeof(DeviceInfoTable));
    table->Count = 2;
    table->Devices[1] = {0x1234, 0xFFFF, "Keyboard", {400, 800, 1600, 3200, 4000}};
    ASSERT_TRUE(WriteDeviceTable(*table, dir.File("DeviceInfo.ini")));
    EXPECT_NE(
        dir.Read("DeviceInfo.ini").find("[Device1]\r\nVID=4660\r\nPID=65535\r\nName=Keyboard"),
        std::string::npos);
    auto back = std::make_unique<DeviceInfoTable>();
    ASSERT_TRUE(ReadDeviceTable(*back, dir.File("DeviceInfo.ini")));
    EXPECT_EQ(back->Count, 2);
    EXPECT_EQ(back->Devices[1].PID, 0xFFFF);
    EXPECT_STREQ(back->Devices[1].Name, "Keyboard");
    EXPECT_EQ(back->Devices[1].CPI[4], 4000);

    dir.Write("big.ini",
              "[Setting]\r\nCount=100000\r\n[Device0]\r\nName=" + std::string(60, 'n') + "\r\n");
    ASSERT_TRUE(ReadDeviceTable(*back, dir.File("big.ini")));
    EXPECT_EQ(back->Count, kMaxDevices);
    EXPECT_EQ(std::strlen(back->Devices[0].Name), 19u);
    dir.Write("neg.ini", "[Setting]\r\nCount=-5\r\n");
    ASSERT_TRUE(ReadDeviceTable(*back, dir.File("neg.ini")));
    EXPECT_EQ(back->Count, 0);
}

}  // namespace
}  // namespace tesh
