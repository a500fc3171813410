// The settings store on Windows itself: registry values under HKEY_CURRENT_USER,
// program paths with backslashes, files replaced with MoveFileEx.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <memory>

#include "settings/file_io.h"
#include "settings/ini_file.h"
#include "settings/registry_mirror.h"
#include "settings/settings_store.h"
#include "settings/win/windows_registry.h"
#include "tests/settings/test_dir.h"

namespace tesh {
namespace {

constexpr char kTestRoot[] = "Software\\TeshUlmaTest\\";

void DeleteTestRoot() {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\TeshUlmaTest");
}

TEST(WindowsRegistry, WritesAndReadsTextValues) {
    DeleteTestRoot();
    WindowsRegistry registry(kTestRoot);
    EXPECT_FALSE(registry.Read("Control Panel\\Mouse", "MouseTrails"));
    ASSERT_TRUE(registry.Write("Control Panel\\Mouse", "MouseTrails", "7"));
    EXPECT_EQ(registry.Read("control panel\\mouse", "mousetrails"), "7");

    // The value really is a REG_SZ under HKEY_CURRENT_USER.
    char buffer[16] = {};
    DWORD size = sizeof buffer, type = 0;
    ASSERT_EQ(RegGetValueA(HKEY_CURRENT_USER, "Software\\TeshUlmaTest\\Control Panel\\Mouse",
                           "MouseTrails", RRF_RT_ANY, &type, buffer, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_STREQ(buffer, "7");
    DeleteTestRoot();
}

TEST(WindowsRegistry, MirrorsTheCurrentProfile) {
    WindowsRegistry registry;  // the real mouse and desktop settings of this prefix
    auto p = std::make_unique<ProfileRecord>();
    ProfileDefaults(*p, 0);
    p->DbleClickSpeed = 520;
    p->AccelerationFlag = 1;
    p->Acceleration = 7;
    p->ScrollWheelFlag = 1;
    p->TiltSpeed = 5;
    ASSERT_TRUE(WriteRegistry(registry, *p));
    EXPECT_EQ(registry.Read(kDesktopKey, "WheelScrollLines"), "-1");
    EXPECT_EQ(registry.Read(kMouseKey, "MouseThreshold1"), "7");

    auto back = std::make_unique<ProfileRecord>();
    ProfileDefaults(*back, 0);
    back->ScrollWheelSpeed = 0;
    EXPECT_TRUE(ReadRegistry(registry, *back));
    EXPECT_EQ(back->DbleClickSpeed, 520);
    EXPECT_EQ(back->Acceleration, 7);
    EXPECT_EQ(back->AccelerationFlag, 1);
    EXPECT_EQ(back->ScrollWheelFlag, 1);
    EXPECT_EQ(back->ScrollWheelSpeed, 3);
    EXPECT_EQ(back->TiltSpeed, 5);
}

TEST(WindowsFiles, ProgramDirectoryAndPaths) {
    std::string dir = ProgramDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '\\');
    EXPECT_TRUE(FileExists(dir + "settings_wine_test.exe"));
    EXPECT_EQ(JoinPath("C:\\Prog\\", "config\\Default0.qfm"), "C:\\Prog\\config\\Default0.qfm");
}

TEST(WindowsFiles, AtomicWriteReplacesAnExistingFile) {
    test::TestDir dir;
    std::string path = dir.File("config.ini");
    ASSERT_TRUE(WriteFileAtomically(path, "old"));
    ASSERT_TRUE(WriteFileAtomically(path, "new contents"));
    EXPECT_EQ(ReadWholeFile(path), "new contents");
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((dir.path() + "*.tmp*").c_str(), &found);
    EXPECT_EQ(h, INVALID_HANDLE_VALUE) << "no temporary file is left behind";
    if (h != INVALID_HANDLE_VALUE) FindClose(h);
}

TEST(WindowsFiles, SaveAllAndLoadAllInAProgramDirectory) {
    test::TestDir dir;
    WindowsRegistry registry(kTestRoot);
    SettingsStore store(dir.path(), registry);
    auto set = std::make_unique<SettingsSet>();
    std::memset(set.get(), 0, sizeof(SettingsSet));
    Clear(*set);
    SetDefaults(*set, SystemLanguageId());
    EXPECT_GE(set->QuickHelpLan, 0);
    EXPECT_LE(set->QuickHelpLan, 16);
    set->CurrentProfile = 3;
    set->Profiles[3].Buttons[7].code = 48;
    set->Profiles[3].Acceleration = 0;  // acceleration off reads back as row 0
    ASSERT_TRUE(store.SaveAll(*set));
    EXPECT_TRUE(FileExists(dir.path() + "config\\Default4.qfm"));
    EXPECT_EQ(IniFile(dir.path() + "config.ini").ReadInt("SETTING", "currentprofile", -1), 3);

    auto loaded = std::make_unique<SettingsSet>();
    std::memset(loaded.get(), 0, sizeof(SettingsSet));
    Clear(*loaded);
    store.LoadAll(*loaded);
    EXPECT_EQ(std::memcmp(set.get(), loaded.get(), sizeof(SettingsSet)), 0);
    DeleteTestRoot();
}

}  // namespace
}  // namespace tesh
