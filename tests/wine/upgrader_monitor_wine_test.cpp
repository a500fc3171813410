// The firmware upgrade as a user meets it: the real monitor finds older firmware on
// the mouse than the image staged in FWUpdate, starts the upgrader and closes; the user
// confirms; the image goes to the mouse; the monitor runs again and, the versions now
// equal, starts no upgrader.
#include <gtest/gtest.h>

#include <string>

#include "settings/file_io.h"
#include "settings/ini_file.h"
#include "tests/wine/upgrader_fixture.h"
#include "upgrade/upgrader_config.h"
#include "upgrade/upgrader_names.h"

namespace tesh::test {
namespace {

using namespace tesh::upgrade;
using skin::testing::GalleryDriver;

constexpr char kMonitorProgram[] = "TeshUlmaOpticalMonitor.exe";
constexpr int kMouseVersion = 5;
// The monitor has looked at the mouse once it wrote this key of its config.ini.
constexpr char kSettingSection[] = "Setting";
constexpr char kDeviceKey[] = "Device";
// After the monitor's check, an upgrader it started would show its notice by now.
constexpr DWORD kNoUpgraderMs = 3000;

class MonitorUpgradeTest : public UpgraderTest {
  protected:
    void SetUp() override {
        Stage(false);
        if (!FileExists(Staged(kMonitorProgram))) {
            GTEST_SKIP() << "the monitor program is not in the staged program directory";
        }
        KeepTheMouse();
        WaitUntilAlone(true);
    }
    int StagedImageVersion() const {
        return IniFile(Staged("FWUpdate\\config.ini")).ReadInt(kFirmwareSection, kVersionKey, -1);
    }
    int DeviceSetting() const {
        return IniFile(Staged("config.ini")).ReadInt(kSettingSection, kDeviceKey, -1);
    }
    static bool AnyUpgraderWindow() {
        return FindNotice(kConfirmNoticeTitle) || FindNotice(kDriverNoticeTitle) || UpgradeWindow();
    }
};

TEST_F(MonitorUpgradeTest, TheMonitorHandsOverToTheUpgraderAndComesBackUpToDate) {
    ASSERT_GT(StagedImageVersion(), kMouseVersion);
    ASSERT_EQ(Vmouse("set firmware " + std::to_string(kMouseVersion)).exitCode, 0);

    ChildProcess monitor;
    ASSERT_TRUE(monitor.Start(Quoted(Staged(kMonitorProgram))));
    HWND confirm = WaitForNotice(kConfirmNoticeTitle);
    ASSERT_NE(confirm, nullptr) << "the monitor started the upgrader with \"1\"";
    EXPECT_NE(monitor.Wait(), -1) << "the monitor closed for the upgrade";
    EXPECT_EQ(Firmware(), kMouseVersion);

    const ULONGLONG confirmed = GetTickCount64();
    ClickButton(confirm, kOkButtonId);
    HWND success = WaitForNotice(kSuccessNoticeTitle, kUploadTimeoutMs);
    ASSERT_NE(success, nullptr);
    RecordProperty("confirm_to_success_ms", static_cast<int>(GetTickCount64() - confirmed));
    EXPECT_EQ(Firmware(), StagedImageVersion());
    ClickButton(success, kOkButtonId);

    // The upgrader started the monitor again; it checks the mouse and finds it current.
    HWND restarted = WaitForWindow(MonitorWindow, false);
    ASSERT_NE(restarted, nullptr) << "the monitor runs again";
    EXPECT_TRUE(GalleryDriver::WaitFor([&] { return DeviceSetting() == 1; }, kWindowTimeoutMs))
        << "the restarted monitor found the mouse";
    Sleep(kNoUpgraderMs);
    EXPECT_FALSE(AnyUpgraderWindow()) << "no upgrader on the monitor's next start";
    EXPECT_TRUE(IsWindow(restarted)) << "the monitor keeps running";

    PostMessageA(restarted, WM_CLOSE, 0, 0);
}

}  // namespace
}  // namespace tesh::test
