#include "upgrade/win/upgrade_window.h"

#include <commctrl.h>

#include "art/art_ids.h"
#include "monitor/monitor_names.h"
#include "settings/ini_file.h"
#include "skin/layout_record.h"
#include "skin/win/layout_rect.h"
#include "upgrade/dfu_version.h"
#include "upgrade/upgrader_config.h"
#include "upgrade/upgrader_names.h"
#include "upgrade/win/featlink_update_device.h"
#include "upgrade/win/monitor_control.h"
#include "upgrade/win/notice_window.h"

namespace tesh::upgrade {

namespace {

constexpr char kProgressLayout[] = "BUTTON_Progress,43,181,436,17,";
constexpr char kExitLayout[] = "BUTTON_EXIT,497,4,22,22,";
constexpr COLORREF kBarColour = RGB(60, 137, 191);
constexpr COLORREF kBarBackground = RGB(161, 161, 161);

constexpr char kTextFace[] = "Arial";
constexpr int kTextHeight = 14;
constexpr COLORREF kTextColour = RGB(107, 107, 107);
constexpr RECT kImageNameRect = {95, 131, 360, 147};
constexpr POINT kDfuVersionAt = {8, 251};
constexpr POINT kUpgraderVersionAt = {377, 251};

}  // namespace

UpgradeWindow::UpgradeWindow(std::string directory)
    : directory_(std::move(directory)), image_(std::make_unique<FirmwareBuffer>()) {
    LoadFirmware(*image_, nullptr, 0);
}

UpgradeWindow::~UpgradeWindow() = default;

void UpgradeWindow::Run() {
    if (!Create()) return;
    SetUp();
    RunModal();
}

bool UpgradeWindow::Create() {
    return CreateDialogWindow(kUpgradeWindowClass, "", nullptr, IDB_UPGRADE_NORMAL);
}

void UpgradeWindow::OnCreated() {
    font_ = skin::MakeFont(kTextFace, kTextHeight);
    const LayoutRecord exit = Layout(kExitLayout);
    exit_.Create(hwnd(), kExitButtonId, exit);
    exit_.SetSkin(skin::RectOf(exit), sources());
}

void UpgradeWindow::CreateProgressBar() {
    const LayoutRecord place = Layout(kProgressLayout);
    progress_.Create(hwnd(), kProgressBarId, skin::RectOf(place));
    SendMessageA(progress_.hwnd(), PBM_SETBARCOLOR, 0, kBarColour);
    SendMessageA(progress_.hwnd(), PBM_SETBKCOLOR, 0, kBarBackground);
    SendMessageA(progress_.hwnd(), PBM_SETRANGE32, 0, kInitialProgressRange);
    SendMessageA(progress_.hwnd(), PBM_SETSTEP, 1, 0);
}

// In the order the mouse needs: the monitor lets go of it before the library opens it.
void UpgradeWindow::SetUp() {
    CreateProgressBar();
    const IniFile config(directory_ + kUpgraderConfigFile);
    imagePath_ = ImagePath(directory_, config.ReadString(kFirmwareSection, kNameKey, ""));

    CloseMonitorAndWait();
    featlink_.Bind(directory_);
    worker_ = std::make_unique<UploadWorker>(featlink_, *image_);
    worker_->Start(hwnd());
    if (featlink_.bound()) {
        featlink_.openDevMonitor(hwnd(), monitor::kDeviceEventMessage, monitor::kPlugMessage);
        featlink_.openFeatureDevice();
        deviceOpened_ = true;
        FeatlinkUpdateDevice device(featlink_);
        dfuVersionText_ = DfuVersionText(ReadDfuVersion(device));
    }
    SetWindowTextA(hwnd(), kUpgradeWindowTitle);
    SetTimer(hwnd(), kStartTimer, kStartTimerMs, nullptr);
}

void UpgradeWindow::OnStartTimer() {
    KillTimer(hwnd(), kStartTimer);
    SendMessageA(progress_.hwnd(), PBM_SETPOS, 0, 0);
    // Nothing is sent unless the whole image fits and the library is complete.
    const bool loaded = LoadFirmwareFile(*image_, imagePath_) == LoadResult::kOk;
    if (!loaded || !featlink_.bound()) {
        ShowNotice(NoticeKind::kFailure, hwnd());
        return;
    }
    SendMessageA(progress_.hwnd(), PBM_SETRANGE32, 0, image_->ProgressRange());
    SendMessageA(progress_.hwnd(), PBM_SETPOS, 0, 0);
    worker_->Wake();
}

void UpgradeWindow::OnBlockAccepted(WPARAM block) {
    SendMessageA(progress_.hwnd(), PBM_SETPOS, block, 0);
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void UpgradeWindow::OnResult(bool succeeded) {
    if (!succeeded) {
        // The window stays open until the user closes it; starting again is the retry.
        ShowNotice(NoticeKind::kFailure, hwnd());
        return;
    }
    ShowNotice(NoticeKind::kSuccess, hwnd());
    restartMonitor_ = true;
    PostMessageA(hwnd(), WM_CLOSE, 0, 0);
}

// The worker is stopped and has left the library before the library is closed and
// freed; a worker that has not left it in time keeps it loaded.
void UpgradeWindow::OnDestroy() {
    KillTimer(hwnd(), kStartTimer);
    const bool ended = !worker_ || worker_->Stop(kWorkerEndMs);
    if (ended) {
        if (deviceOpened_) {
            featlink_.closeDevMonitor();
            featlink_.closeFeatureDevice();
        }
        worker_.reset();
        featlink_.Free();
    } else {
        workerStillRunning_ = true;
    }
    if (restartMonitor_) StartMonitor(directory_);
}

void UpgradeWindow::PaintOver(HDC dc) {
    HGDIOBJ old = SelectObject(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kTextColour);
    RECT name = kImageNameRect;
    const std::string title = ImageTitle(imagePath_);
    DrawTextA(dc, title.c_str(), -1, &name, DT_LEFT | DT_WORDBREAK | DT_END_ELLIPSIS | DT_NOPREFIX);
    const std::string dfu = kDfuVersionPrefix + dfuVersionText_;
    TextOutA(dc, kDfuVersionAt.x, kDfuVersionAt.y, dfu.c_str(), static_cast<int>(dfu.size()));
    TextOutA(dc, kUpgraderVersionAt.x, kUpgraderVersionAt.y, kUpgraderVersionText,
             static_cast<int>(sizeof kUpgraderVersionText - 1));
    SelectObject(dc, old);
}

bool UpgradeWindow::OnKey(WPARAM key) {
    return key == VK_ESCAPE;  // swallowed: only the close button ends the window
}

LRESULT UpgradeWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (wParam == kStartTimer) OnStartTimer();
            return 0;
        case kBlockAcceptedMessage:
            OnBlockAccepted(wParam);
            return 0;
        case kUpgradeResultMessage:
            OnResult(lParam == 1);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == kExitButtonId) PostMessageA(hwnd(), WM_CLOSE, 0, 0);
            return 0;
        case WM_CLOSE:
            Close();
            return 0;
        case WM_CTLCOLORSTATIC:
            SetTextColor(reinterpret_cast<HDC>(wParam), kTextColour);
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetStockObject(HOLLOW_BRUSH));
        case WM_DESTROY:
            OnDestroy();
            return SkinnedDialog::OnMessage(message, wParam, lParam);
        default:
            return SkinnedDialog::OnMessage(message, wParam, lParam);
    }
}

}  // namespace tesh::upgrade
