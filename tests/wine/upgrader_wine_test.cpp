// The upgrader program end to end under Wine: started as the monitor starts it, driven
// through its notices with real clicks, against the virtual mouse of the test, with the
// monitor stand-in that records being closed and started again.
#include <gtest/gtest.h>

#include <string>

#include "featlink/firmware_image.h"
#include "settings/file_io.h"
#include "tests/wine/upgrader_fixture.h"
#include "upgrade/update_wire.h"
#include "upgrade/upgrader_names.h"

namespace tesh::test {
namespace {

using namespace tesh::upgrade;
using skin::testing::GalleryDriver;

constexpr char kImageName[] = "fw_v6.bin";
constexpr int kNewVersion = 6;
constexpr int kFactoryVersion = 1;
// Long enough to unplug the mouse or close the window while blocks are on their way.
constexpr uint32_t kLongImageBlocks = 40;
// A negative check waits this long for something that must not happen.
constexpr DWORD kQuietMs = 700;

std::string ImageOfBlocks(uint32_t blocks) {
    return vmouse::BuildFirmwareImage(kNewVersion, blocks * kBlockBytes);
}

// The control's rectangle on its window, as x, y, width, height.
RECT PlaceOf(HWND window, int id) {
    RECT r = {};
    HWND control = GetDlgItem(window, id);
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

SIZE SizeOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

// The colour on the screen at a point of the window.
COLORREF PixelOf(HWND window, int x, int y) {
    POINT p = {x, y};
    ClientToScreen(window, &p);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

bool Same(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(UpgraderTest, ConfirmingUploadsTheImageAndStartsTheMonitorAgain) {
    UseImage(kImageName, ImageOfBlocks(6));
    ASSERT_TRUE(StartStandIn());
    ASSERT_TRUE(StartUpgrader("1"));
    HWND confirm = WaitForNotice(kConfirmNoticeTitle);
    ASSERT_NE(confirm, nullptr);
    EXPECT_EQ(SizeOf(confirm).cx, 305);
    EXPECT_EQ(SizeOf(confirm).cy, 215);
    EXPECT_TRUE(Same(PlaceOf(confirm, kOkButtonId), {74, 171, 60, 28}));
    EXPECT_TRUE(Same(PlaceOf(confirm, kCancelButtonId), {138, 171, 100, 28}));
    EXPECT_TRUE(Same(PlaceOf(confirm, kExitButtonId), {276, 4, 22, 22}));
    input_.MoveTo({0, 0});  // no button in its hover look
    EXPECT_TRUE(Screenshot(confirm, "upgrader_notice_confirm"));
    EXPECT_NE(MonitorWindow(), nullptr) << "the monitor runs until the user confirms";

    ClickButton(confirm, kOkButtonId);
    HWND window = WaitForWindow(UpgradeWindow);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(SizeOf(window).cx, 525);
    EXPECT_EQ(SizeOf(window).cy, 291);
    EXPECT_TRUE(Same(PlaceOf(window, kProgressBarId), {43, 181, 436, 17}));
    EXPECT_TRUE(Same(PlaceOf(window, kExitButtonId), {497, 4, 22, 22}));
    EXPECT_EQ(MonitorWindow(), nullptr) << "closed before the window appears";
    EXPECT_EQ(StandInLines("close"), 1);

    HWND success = WaitForNotice(kSuccessNoticeTitle, kUploadTimeoutMs);
    ASSERT_NE(success, nullptr);
    EXPECT_TRUE(Screenshot(success, "upgrader_notice_success"));
    EXPECT_EQ(Firmware(), kNewVersion);
    EXPECT_EQ(ProgressPosition(), 5) << "the last block accepted";
    EXPECT_EQ(StandInLines("start"), 1) << "not started again before OK";

    // The user replugs the mouse first: Enter and Escape do not close the notice.
    SetForegroundWindow(success);
    input_.PressKey(VK_ESCAPE);
    input_.PressKey(VK_RETURN);
    Sleep(kQuietMs);
    EXPECT_TRUE(IsWindow(success));

    ClickButton(success, kOkButtonId);
    EXPECT_EQ(WaitForUpgraderEnd(), 0);
    EXPECT_TRUE(
        GalleryDriver::WaitFor([&] { return StandInLines("start") == 2; }, kWindowTimeoutMs))
        << "the monitor was started again";
    EXPECT_NE(WaitForWindow(MonitorWindow, false), nullptr);
}

TEST_F(UpgraderTest, CancellingClosesTheMonitorAndSendsNothing) {
    ASSERT_TRUE(StartStandIn());
    ASSERT_TRUE(StartUpgrader("2"));
    HWND confirm = WaitForNotice(kConfirmNoticeTitle);
    ASSERT_NE(confirm, nullptr);
    ClickButton(confirm, kCancelButtonId);
    EXPECT_EQ(WaitForUpgraderEnd(), 0);
    EXPECT_TRUE(GalleryDriver::WaitFor([&] { return StandInLines("close") == 1; }));
    EXPECT_EQ(StandInLines("start"), 1) << "not started again";
    EXPECT_EQ(UpdateCommandsSent(), 0);
    EXPECT_EQ(Firmware(), kFactoryVersion);
}

TEST_F(UpgraderTest, DriverUpdateModeShowsOnlyItsNotice) {
    ASSERT_TRUE(StartStandIn());
    ASSERT_TRUE(StartUpgrader("0"));
    HWND driver = WaitForNotice(kDriverNoticeTitle);
    ASSERT_NE(driver, nullptr);
    EXPECT_TRUE(Same(PlaceOf(driver, kOkButtonId), {125, 171, 55, 28}));
    EXPECT_TRUE(Same(PlaceOf(driver, kExitButtonId), {276, 4, 22, 22}));
    EXPECT_EQ(GetDlgItem(driver, kCancelButtonId), nullptr);
    EXPECT_TRUE(Screenshot(driver, "upgrader_notice_driver"));
    EXPECT_EQ(FindNotice(kConfirmNoticeTitle), nullptr);
    EXPECT_EQ(UpgradeWindow(), nullptr);
    EXPECT_NE(MonitorWindow(), nullptr) << "closed only when the notice closes";

    ClickButton(driver, kExitButtonId);  // the close button acts as Cancel
    EXPECT_EQ(WaitForUpgraderEnd(), 0);
    EXPECT_TRUE(GalleryDriver::WaitFor([&] { return StandInLines("close") == 1; }));
    EXPECT_EQ(StandInLines("start"), 1);
    EXPECT_EQ(UpdateCommandsSent(), 0);
}

TEST_F(UpgraderTest, ASecondUpgraderEndsAtOnce) {
    ASSERT_TRUE(StartUpgrader("0"));
    HWND driver = WaitForNotice(kDriverNoticeTitle);
    ASSERT_NE(driver, nullptr);
    ChildProcess second;
    ASSERT_TRUE(
        second.Start(Quoted(Staged("FWUpdate\\TeshUlmaOptical Firmware Upgrade.exe")) + " 1"));
    EXPECT_EQ(second.Wait(kWindowTimeoutMs), 0);
    EXPECT_EQ(FindNotice(kConfirmNoticeTitle), nullptr) << "the second one showed nothing";
    ClickButton(driver, kOkButtonId);
    EXPECT_EQ(WaitForUpgraderEnd(), 0);
}

TEST_F(UpgraderTest, UnpluggingMidUploadShowsTheFailureNoticeAndLeavesTheMonitorClosed) {
    UseImage(kImageName, ImageOfBlocks(kLongImageBlocks));
    ASSERT_TRUE(StartStandIn());
    ASSERT_TRUE(StartUpgrader("1"));
    HWND confirm = WaitForNotice(kConfirmNoticeTitle);
    ASSERT_NE(confirm, nullptr);
    ClickButton(confirm, kOkButtonId);
    HWND window = WaitForWindow(UpgradeWindow);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(GalleryDriver::WaitFor([] { return ProgressPosition() >= 3; }, kUploadTimeoutMs));
    EXPECT_TRUE(Screenshot(window, "upgrader_window_uploading"));
    EXPECT_EQ(PixelOf(window, 44, 189), RGB(60, 137, 191)) << "the bar";
    EXPECT_EQ(PixelOf(window, 477, 189), RGB(161, 161, 161)) << "the bar's background";

    ASSERT_EQ(Vmouse("unplug").exitCode, 0);
    HWND failure = WaitForNotice(kFailureNoticeTitle);
    ASSERT_NE(failure, nullptr);
    EXPECT_TRUE(Screenshot(failure, "upgrader_notice_failure"));
    EXPECT_LT(ProgressPosition(), static_cast<int>(kLongImageBlocks) - 1);
    EXPECT_EQ(Firmware(), kFactoryVersion);

    ClickButton(failure, kOkButtonId);
    ASSERT_TRUE(GalleryDriver::WaitFor([] { return FindNotice(kFailureNoticeTitle) == nullptr; }));
    EXPECT_TRUE(IsWindow(window)) << "the window stays open after a failure";
    EXPECT_TRUE(Screenshot(window, "upgrader_window_after_failure"));
    ClickButton(window, kExitButtonId);
    EXPECT_EQ(WaitForUpgraderEnd(), 0);
    EXPECT_EQ(MonitorWindow(), nullptr);
    EXPECT_EQ(StandInLines("close"), 1);
    EXPECT_EQ(StandInLines("start"), 1) << "no monitor after a failed upgrade";
}

TEST_F(UpgraderTest, AnOversizeImageIsRefusedBeforeAnythingIsSent) {
    UseImage("too_big.bin", std::string(kMaxImageBytes + 1, '\x5a'));
    ASSERT_TRUE(StartUpgrader("x"));  // straight to the upgrade window
    HWND failure = WaitForNotice(kFailureNoticeTitle);
    ASSERT_NE(failure, nullptr);
    EXPECT_EQ(UpdateCommandsSent(), 0);
    ClickButton(failure, kOkButtonId);
    HWND window = UpgradeWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(GalleryDriver::WaitFor([&] { return IsWindowEnabled(window) != FALSE; }));

    // A press anywhere drags the window.
    RECT before;
    GetWindowRect(window, &before);
    const POINT from = {before.left + 260, before.top + 225};
    input_.Drag(from, {from.x + 60, from.y + 40});
    EXPECT_TRUE(GalleryDriver::WaitFor([&] {
        RECT now;
        GetWindowRect(window, &now);
        return now.left == before.left + 60 && now.top == before.top + 40;
    }));

    // Escape is swallowed.
    SetForegroundWindow(window);
    input_.PressKey(VK_ESCAPE);
    Sleep(kQuietMs);
    EXPECT_TRUE(IsWindow(window));

    ClickButton(window, kExitButtonId);
    EXPECT_EQ(WaitForUpgraderEnd(), 0);
    EXPECT_EQ(UpdateCommandsSent(), 0);
}

TEST_F(UpgraderTest, WithoutFeatlinkTheFailureNoticeIsShown) {
    ASSERT_TRUE(DeleteFileA(Staged("FWUpdate\\featlink.dll").c_str()));
    ASSERT_TRUE(StartUpgrader("x"));
    HWND failure = WaitForNotice(kFailureNoticeTitle);
    ASSERT_NE(failure, nullptr);
    ClickButton(failure, kOkButtonId);
    HWND window = WaitForWindow(UpgradeWindow);
    ASSERT_NE(window, nullptr);
    ClickButton(window, kExitButtonId);
    EXPECT_EQ(WaitForUpgraderEnd(), 0);
    EXPECT_EQ(UpdateCommandsSent(), 0);
}

TEST_F(UpgraderTest, AFeatlinkLackingAFunctionIsNotUsed) {
    ASSERT_TRUE(CopyFileA(Beside("featlink_lacking.dll").c_str(),
                          Staged("FWUpdate\\featlink.dll").c_str(), FALSE));
    ASSERT_TRUE(StartUpgrader("x"));
    HWND failure = WaitForNotice(kFailureNoticeTitle);
    ASSERT_NE(failure, nullptr);
    EXPECT_FALSE(FileExists(Staged("FWUpdate\\lacking_calls.txt"))) << "SetFeature was called";
    ClickButton(failure, kOkButtonId);
    HWND window = WaitForWindow(UpgradeWindow);
    ASSERT_NE(window, nullptr);
    ClickButton(window, kExitButtonId);
    EXPECT_EQ(WaitForUpgraderEnd(), 0);
}

TEST_F(UpgraderTest, ClosingMidUploadEndsTheWorkerBeforeTheLibraryGoes) {
    UseImage(kImageName, ImageOfBlocks(kLongImageBlocks));
    ASSERT_TRUE(StartUpgrader("x"));
    HWND window = WaitForWindow(UpgradeWindow);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(GalleryDriver::WaitFor([] { return ProgressPosition() >= 1; }, kUploadTimeoutMs));
    // The mouse answers busy: the worker sits in the long waits between its polls.
    ASSERT_EQ(Vmouse("fault busy 1000").exitCode, 0);
    ASSERT_TRUE(GalleryDriver::WaitFor(
        [&] {
            nlohmann::json state = State();
            return state.is_object() && state["faults"].value("busy", 1000) <= 995;
        },
        kUploadTimeoutMs));
    const int sentBeforeClose = UpdateCommandsSent();

    const ULONGLONG closing = GetTickCount64();
    ClickButton(window, kExitButtonId);
    EXPECT_EQ(WaitForUpgraderEnd(), 0) << "the worker never ran into a freed library";
    EXPECT_LT(GetTickCount64() - closing, 5000u) << "the worker's waits end with the window";
    EXPECT_EQ(UpdateCommandsSent(), sentBeforeClose) << "no command after the window closed";
    EXPECT_EQ(Firmware(), kFactoryVersion);
}

}  // namespace
}  // namespace tesh::test
