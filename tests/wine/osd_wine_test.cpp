// The on-screen display end to end: the real monitor starts it from its program
// directory on a virtual mouse of the test's own; changes made on the mouse and by an
// Apply show it for a moment in a corner, without the focus; the monitor's end closes it.
#include <windows.h>

#include "monitor/osd_contacts.h"
#include "monitor/program_names.h"
#include "settings/ini_file.h"
#include "tests/wine/installed_monitor_test.h"
#include "tests/wine/user_input.h"

namespace tesh::test {
namespace {

class OsdTest : public InstalledMonitorTest {
  protected:
    HWND Osd() { return FindWindowA(nullptr, monitor::kOsdWindowTitle); }
    bool Shown() {
        HWND osd = Osd();
        return osd && IsWindowVisible(osd);
    }
    RECT Where() {
        RECT r = {};
        GetWindowRect(Osd(), &r);
        return r;
    }
};

TEST_F(OsdTest, ChangesOnTheMouseAndByApplyShowItBrieflyWithoutTheFocus) {
    StartBlockConnected();
    ASSERT_TRUE(WaitUntil([&] { return Osd() != nullptr; })) << "the monitor starts the OSD";
    EXPECT_FALSE(Shown());
    const HWND foreground = GetForegroundWindow();

    ASSERT_EQ(Vmouse("dpi 3").exitCode, 0);
    ASSERT_TRUE(WaitUntil([&] { return Shown(); }));
    SaveScreen(Where(), "osd_dpi");
    EXPECT_EQ(GetForegroundWindow(), foreground);
    const LONG_PTR style = GetWindowLongPtrA(Osd(), GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_EX_TRANSPARENT);
    EXPECT_TRUE(style & WS_EX_NOACTIVATE);
    // In the bottom right corner of the work area, by default.
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_GT(Where().left, (work.left + work.right) / 2);
    EXPECT_GT(Where().top, (work.top + work.bottom) / 2);
    ASSERT_TRUE(WaitUntil([&] { return !Shown(); })) << "hidden again";

    ASSERT_EQ(Vmouse("profile 2").exitCode, 0);
    ASSERT_TRUE(WaitUntil([&] { return Shown(); }));
    SaveScreen(Where(), "osd_profile");
    ASSERT_TRUE(WaitUntil([&] { return !Shown(); }));

    // An Apply that changes the sensitivity, with the display moved to the top left.
    IniFile config(program_.File("config.ini"));
    OsdSettings osd = DefaultOsdSettings();
    osd.value28 = 3;
    ASSERT_TRUE(config.WriteStruct("OSDSetting", "config", &osd, sizeof osd));
    block_->Change([](SettingsSet& set) { ++set.Profiles[set.CurrentProfile].Sensitivity; });
    DWORD_PTR result = 0;
    ASSERT_TRUE(SendMessageTimeoutA(program_.window(), monitor::kApplyMessage, 0, 0, SMTO_NORMAL,
                                    kConditionTimeoutMs, &result));
    ASSERT_TRUE(WaitUntil([&] { return Shown(); }));
    EXPECT_LT(Where().left, (work.left + work.right) / 2);
    EXPECT_LT(Where().top, (work.top + work.bottom) / 2);

    // Nothing changed: an Apply shows nothing.
    ASSERT_TRUE(WaitUntil([&] { return !Shown(); }));
    ASSERT_TRUE(SendMessageTimeoutA(program_.window(), monitor::kApplyMessage, 0, 0, SMTO_NORMAL,
                                    kConditionTimeoutMs, &result));
    Sleep(300);
    EXPECT_FALSE(Shown());

    const HWND window = Osd();
    EXPECT_EQ(program_.Close(), 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window); })) << "the monitor's end closes it";
}

TEST_F(OsdTest, AMonitorThatIsKilledTakesTheDisplayWithIt) {
    StartBlockConnected();
    ASSERT_TRUE(WaitUntil([&] { return Osd() != nullptr; }));
    const HWND window = Osd();
    ASSERT_TRUE(TerminateProcess(program_.process(), 9));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window); })) << "no display stays alone";
}

}  // namespace
}  // namespace tesh::test
