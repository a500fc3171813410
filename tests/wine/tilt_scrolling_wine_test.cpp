// Tilt scrolling of the real monitor on a virtual mouse of its own: windows of the
// classes it knows are made in this process, the pointer is put over each, vmouse
// reports a tilt step, and the messages and clicks that reach the windows are checked.
#include <windows.h>
// After windows.h, whose types it uses.
#include <windowsx.h>

#include <memory>
#include <string>
#include <vector>

#include "monitor/program_names.h"
#include "tests/wine/installed_monitor_test.h"
#include "tests/wine/monitor_program.h"
#include "tests/wine/scroll_target_windows.h"

namespace tesh::test {
namespace {

using namespace monitor;

constexpr char kTiltLeft[] = "event 0x1000 255";
constexpr char kTiltRight[] = "event 0x1000 1";
constexpr LPARAM kLeftDown = 0x014B0001;
constexpr LPARAM kLeftUp = static_cast<LPARAM>(0xC14B0001u);
// The scroll bar's press lands this far inside its corner, on the left arrow.
constexpr int kArrowInset = 5;

class TiltScrollingTest : public InstalledMonitorTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(windows_.ready());
        StartConnected();
        block_ = std::make_unique<BlockClient>();
        ASSERT_TRUE(block_->opened());
    }
    // The active profile's TiltSpeed, given as the configuration application applies it.
    void SetTiltSpeed(int32_t speed) {
        block_->Change([&](SettingsSet& set) {
            set.Profiles[set.CurrentProfile].TiltSpeed = speed;
            set.ProfileChanged[set.CurrentProfile] = 1;
        });
        DWORD_PTR result = 0;
        ASSERT_TRUE(SendMessageTimeoutA(program_.window(), kApplyMessage, 0, 0, SMTO_NORMAL,
                                        kConditionTimeoutMs, &result));
    }
    void TiltOver(const std::string& window, const char* tilt) {
        const POINT centre = windows_.Centre(window);
        ASSERT_TRUE(SetCursorPos(centre.x, centre.y));
        ASSERT_EQ(Vmouse(tilt).exitCode, 0);
    }
    bool WaitForCount(const std::string& window, std::vector<UINT> messages, std::size_t count) {
        return WaitUntil([&] { return windows_.Seen(window, messages).size() >= count; });
    }
    LPARAM Handle(const std::string& window) {
        return reinterpret_cast<LPARAM>(windows_.Window(window));
    }
    void ExpectScrolls(const std::string& window, std::size_t count, WPARAM line, LPARAM from) {
        ASSERT_TRUE(WaitForCount(window, {WM_HSCROLL}, count)) << window;
        const auto seen = windows_.Seen(window, {WM_HSCROLL});
        EXPECT_EQ(seen.size(), count) << window;
        for (const SeenMessage& m : seen) {
            EXPECT_EQ(m.wParam, line) << window;
            EXPECT_EQ(m.lParam, from) << window;
            EXPECT_FALSE(m.sent) << window << ": posted, never sent";
        }
    }

    // The message numbers a window got, for a failure's message.
    std::string Describe(const std::string& window) {
        std::string text = window + " got:";
        for (const SeenMessage& m : windows_.Seen(window)) text += " " + std::to_string(m.message);
        return text;
    }

    ScrollTargetWindows windows_;
    std::unique_ptr<BlockClient> block_;
};

TEST_F(TiltScrollingTest, EachKindOfWindowIsScrolledItsWayAndTheDesktopIconsNot) {
    SetTiltSpeed(3);

    // A document with a scroll bar beside it: the bar's parent gets three messages.
    TiltOver("edit", kTiltLeft);
    ExpectScrolls("edit frame", 3, SB_LINELEFT, Handle("edit bar"));
    // A document with a scroll bar of its own.
    TiltOver("word", kTiltLeft);
    ExpectScrolls("word frame", 3, SB_LINELEFT, Handle("word"));

    // A sheet: three presses on the scroll bar's left arrow, and the pointer back.
    const POINT sheet = windows_.Centre("excel");
    TiltOver("excel", kTiltLeft);
    // The scroll bar takes each release in its own loop: the presses are what it shows,
    // a quick second one as a double click.
    const std::vector<UINT> pressMessages{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK};
    ASSERT_TRUE(WaitForCount("excel bar", pressMessages, 3)) << Describe("excel bar");
    const auto presses = windows_.Seen("excel bar", pressMessages);
    EXPECT_EQ(presses.size(), 3u);
    for (const SeenMessage& press : presses) {
        EXPECT_EQ(GET_X_LPARAM(press.lParam), kArrowInset);
        EXPECT_EQ(GET_Y_LPARAM(press.lParam), kArrowInset);
    }
    EXPECT_GE(windows_.Seen("excel frame", {WM_HSCROLL}).size(), 3u) << "the arrow scrolled";
    EXPECT_TRUE(WaitUntil([&] {
        POINT now{};
        GetCursorPos(&now);
        return now.x == sheet.x && now.y == sheet.y;
    })) << "the pointer went back";

    // The desktop's icons first, then a Mozilla window: once the keys reach the
    // Mozilla window, the icons' step has been handled.
    TiltOver("icons", kTiltLeft);
    TiltOver("mozilla view", kTiltLeft);
    ASSERT_TRUE(WaitForCount("mozilla", {WM_KEYDOWN, WM_KEYUP}, 6));
    const auto keys = windows_.Seen("mozilla", {WM_KEYDOWN, WM_KEYUP});
    ASSERT_EQ(keys.size(), 6u);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const bool down = i % 2 == 0;
        EXPECT_EQ(keys[i].message, static_cast<UINT>(down ? WM_KEYDOWN : WM_KEYUP));
        EXPECT_EQ(keys[i].wParam, static_cast<WPARAM>(VK_LEFT));
        EXPECT_EQ(keys[i].lParam, down ? kLeftDown : kLeftUp);
    }
    EXPECT_TRUE(windows_.Seen("mozilla view", {WM_KEYDOWN, WM_HSCROLL}).empty());
    for (const char* icons : {"icons", "progman"}) {
        EXPECT_TRUE(windows_.Seen(icons, {WM_HSCROLL, WM_KEYDOWN, WM_KEYUP}).empty()) << icons;
    }

    // An embedded browser without a document: asked for it, then scroll messages.
    TiltOver("browser", kTiltLeft);
    const UINT getObject = RegisterWindowMessageA("WM_HTML_GETOBJECT");
    ExpectScrolls("browser", 3, SB_LINELEFT, 0);
    EXPECT_EQ(windows_.Seen("browser", {getObject}).size(), 1u);

    // Another TiltSpeed, to the right, over a window the scrolling does not know.
    SetTiltSpeed(2);
    TiltOver("plain", kTiltRight);
    ExpectScrolls("plain", 2, SB_LINERIGHT, 0);
    // No steps, no scrolling.
    SetTiltSpeed(0);
    TiltOver("edit", kTiltRight);
    SetTiltSpeed(1);
    TiltOver("word", kTiltRight);
    ASSERT_TRUE(WaitForCount("word frame", {WM_HSCROLL}, 4));
    EXPECT_EQ(windows_.Seen("edit frame", {WM_HSCROLL}).size(), 3u);
}

}  // namespace
}  // namespace tesh::test
