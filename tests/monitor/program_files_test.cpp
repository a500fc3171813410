// The monitor program's small decisions: the start flag, the first start time, the
// product's Quib registration and device table, the Quib device record, the OSD word.
#include <gtest/gtest.h>

#include "monitor/first_start.h"
#include "monitor/osd_contacts.h"
#include "monitor/program_names.h"
#include "monitor/quib_contacts.h"
#include "monitor/start_flag.h"
#include "settings/device_info.h"
#include "settings/file_io.h"
#include "settings/ini_file.h"
#include "settings/platform.h"
#include "tests/monitor/program_fakes.h"
#include "tests/settings/test_dir.h"

namespace tesh::monitor {
namespace {

using ::tesh::test::TestDir;

TEST(StartFlag, OnlyACommandLineBeginningWithOneSetsIt) {
    EXPECT_TRUE(StartFlagOf("1"));
    EXPECT_TRUE(StartFlagOf("1 anything"));
    EXPECT_FALSE(StartFlagOf(""));
    EXPECT_FALSE(StartFlagOf("0"));
    EXPECT_FALSE(StartFlagOf(" 1"));
    EXPECT_FALSE(StartFlagOf("2"));
}

TEST(FirstStart, IsWrittenOnceAndNeverChanged) {
    TestDir dir;
    EXPECT_TRUE(RecordFirstStart(dir.path(), WallTime{2026, 3, 7, 9, 5}));
    const std::string first = dir.Read(kRunsStartIni);
    IniFile file(dir.File(kRunsStartIni));
    EXPECT_EQ(file.ReadString(kStartTimeSection, "Year", ""), "2026");
    EXPECT_EQ(file.ReadInt(kStartTimeSection, "Month", -1), 3);
    EXPECT_EQ(file.ReadInt(kStartTimeSection, "Day", -1), 7);
    EXPECT_EQ(file.ReadInt(kStartTimeSection, "Hour", -1), 9);
    EXPECT_EQ(file.ReadInt(kStartTimeSection, "Minute", -1), 5);

    EXPECT_FALSE(RecordFirstStart(dir.path(), WallTime{2027, 4, 8, 10, 6}));
    EXPECT_EQ(dir.Read(kRunsStartIni), first);
}

TEST(FirstStart, AnExistingEmptyFileStaysEmpty) {
    TestDir dir;
    dir.Write(kRunsStartIni, "");
    EXPECT_FALSE(RecordFirstStart(dir.path(), WallTime{2026, 1, 1, 0, 0}));
    EXPECT_EQ(dir.Read(kRunsStartIni), "");
}

TEST(QuibRegistration, AddsTheProductOnceAndKeepsOtherProducts) {
    TestDir dir;
    const std::string folder = dir.File("Quib") + platform::kSeparator;
    EXPECT_TRUE(RegisterQuibProduct(folder));
    IniFile config(JoinPath(folder, kQuibConfigIni));
    EXPECT_EQ(config.ReadString(kQuibProductSection, "Name", ""), kQuibProductName);
    EXPECT_EQ(config.ReadString(kQuibProductSection, "WindowName", ""), kMonitorWindowTitle);
    EXPECT_EQ(config.ReadInt(kQuibProductSection, "Device", -1), 0);
    const std::string once = ReadWholeFile(config.path()).value_or("");
    EXPECT_TRUE(RegisterQuibProduct(folder));
    EXPECT_EQ(ReadWholeFile(config.path()).value_or(""), once);
}

TEST(QuibRegistration, ASectionOfAnotherNameThatNamesTheProductCounts) {
    TestDir dir;
    dir.Write(kQuibConfigIni, "[Other]\r\nName=Mouse X\r\n[Old]\r\nName=tesh ulma optical\r\n");
    EXPECT_TRUE(RegisterQuibProduct(dir.path()));
    EXPECT_EQ(IniFile(dir.File(kQuibConfigIni)).ReadString(kQuibProductSection, "Name", "-"), "-");
}

TEST(QuibDeviceTable, StartsEmpty) {
    TestDir dir;
    dir.Write(kDeviceInfoIni, "[Setting]\r\nCount=3\r\n");
    EXPECT_TRUE(WriteEmptyDeviceTable(dir.path()));
    EXPECT_EQ(IniFile(dir.File(kDeviceInfoIni)).ReadInt("Setting", "Count", -1), 0);
}

TEST(QuibDeviceRecord, CarriesTheIdsTheWindowAndTheCpiOfTheFiveLevels) {
    ProfileRecord profile{};
    const int32_t levels[kCpiLevels] = {1, 2, 6, 7, 9};
    for (int i = 0; i < kCpiLevels; ++i) profile.CpiLevel_X[i] = levels[i];
    const QuibDeviceRecord record = BuildQuibDeviceRecord(0x00120034, &profile);
    const QuibDeviceRecord expected = {0x63, 0x18, 0xe5, 0x20, 0x34, 0x00, 0x12, 0x00, 0x90, 0x01,
                                       0,    0,    0x20, 0x03, 0,    0,    0x80, 0x0c, 0,    0,
                                       0xa0, 0x0f, 0,    0,    0x20, 0x03, 0,    0};
    EXPECT_EQ(record, expected);
    EXPECT_EQ(QuibRecordData(kQuibRemoved), 0x07970004u);
}

TEST(OsdContacts, TheSettingsWordAndTheFourWindows) {
    OsdSettings osd = DefaultOsdSettings();
    osd.value28 = -1;
    osd.value32 = 0x10002;
    EXPECT_EQ(OsdSettingsWord(osd), 0xFFFF0002u);
    test::RecordingWindows windows;
    CloseOsd(windows);
    ASSERT_EQ(windows.posts.size(), 4u);
    EXPECT_EQ(windows.posts[3].title, "VORTAQ Tesh Ulma Optical Mouse OSD SKYPE");
}

}  // namespace
}  // namespace tesh::monitor
