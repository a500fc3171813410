// The main window's class, its messages and the tray icon's clicks and menu.
#include "monitor/win/monitor_window.h"

#include <cstring>

#include "monitor/connection.h"
#include "monitor/events/win/browser_scroll.h"
#include "monitor/monitor_names.h"
#include "monitor/program_names.h"

namespace tesh::monitor {

namespace {

constexpr char kWindowClass[] = "TeshUlmaOpticalMonitorWindow";
constexpr char kTaskbarCreatedMessage[] = "TaskbarCreated";
constexpr LRESULT kCreateFailed = -1;

}  // namespace

MonitorWindow::MonitorWindow(bool startFlag, bool comInitialized)
    : startFlag_(startFlag ? 1 : 0),
      image_(std::make_unique<SettingsSet>()),
      osd_(DefaultOsdSettings()),
      comInitialized_(comInitialized) {
    std::memset(image_.get(), 0, sizeof *image_);
}

MonitorWindow::~MonitorWindow() {
    if (window_) DestroyWindow(window_);
}

bool MonitorWindow::Create(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &MonitorWindow::WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kWindowClass;
    if (!RegisterClassA(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        return false;
    }
    taskbarCreated_ = RegisterWindowMessageA(kTaskbarCreatedMessage);
    // Never shown: the window is there to be found and to receive messages.
    return CreateWindowExA(0, kWindowClass, kMonitorWindowTitle, WS_POPUP, kMonitorWindowX,
                           kMonitorWindowY, kMonitorWindowSize, kMonitorWindowSize, nullptr,
                           nullptr, instance, this) != nullptr;
}

LRESULT CALLBACK MonitorWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<MonitorWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MonitorWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return self->Handle(message, wParam, lParam);
}

LRESULT MonitorWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            if (DefWindowProcA(window_, message, wParam, lParam) == kCreateFailed) {
                return kCreateFailed;
            }
            return OnCreate();
        case WM_DESTROY:
            OnDestroy();
            PostQuitMessage(0);
            return 0;
        case WM_CLOSE:
            DestroyWindow(window_);
            return 0;
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_DEVICECHANGE:
        case kDeviceQueryMessage:
            return 1;
        case kTrayCallbackMessage:
            OnTrayNotify(lParam);
            return 0;
        case kDeviceEventMessage:
            if (core_) core_->connection().HandleEventCode(DeviceEventCode(wParam, lParam));
            return 1;
        case kPlugMessage:
            if (core_) core_->connection().HandleEventCode(PlugEventCode(wParam));
            return 1;
        case WM_COMMAND:
            OnCommand(wParam);
            return 0;
        case kBrowserScrollMessage:
            ScrollBrowserUnderPointer(wParam, lParam != 0);
            return 0;
        default:
            break;
    }
    if (messages_) {
        if (const auto result = messages_->Handle(message, wParam, lParam)) return *result;
    }
    if (const auto result = HandleQuib(message, wParam, lParam)) return *result;
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        tray_.Restore();
        return 0;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

// The Quib peers' messages; nullopt for any other.
std::optional<LRESULT> MonitorWindow::HandleQuib(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!quibCommands_) return std::nullopt;
    const QuibMessages& quib = RegisterQuibMessages();
    if (message == WM_COPYDATA) {
        const auto* record = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (!record) return 1;
        return quibCommands_->OnRegistration(static_cast<const uint8_t*>(record->lpData),
                                             record->cbData);
    }
    if (message == kQuibPlainMessage) return quibCommands_->OnPlainMessage(wParam, lParam);
    if (message == quib.command) return quibCommands_->OnQuibMessage(wParam, lParam);
    if (message == quib.ambientLight) {
        quibCommands_->OnAmbientLight();
        return 0;
    }
    return std::nullopt;
}

void MonitorWindow::OnTimer(UINT_PTR timer) {
    if (timer == static_cast<UINT_PTR>(kFirstReadTimer)) {
        KillTimer(kFirstReadTimer);
        PostDeviceJob(kJobReadAll, 0);
    }
    // Timer 500 (automatic profile switching) and the feedback timers belong to the
    // device event handling.
    if (events_) events_->OnTimer(static_cast<int>(timer));
}

void MonitorWindow::OnCommand(WPARAM command) {
    switch (LOWORD(command)) {
        case kOpenOptionCommand:
            OpenConfigurationApp();
            break;
        case kExitCommand:
            PostMessageA(window_, WM_CLOSE, 0, 0);
            break;
        default:
            break;
    }
}

void MonitorWindow::OnTrayNotify(LPARAM mouseMessage) {
    switch (mouseMessage) {
        case WM_LBUTTONDOWN:
            BringLastPopupForward();
            break;
        case WM_LBUTTONDBLCLK:
            OpenConfigurationApp();
            break;
        case WM_RBUTTONDOWN:
            ShowTrayMenu();
            break;
        default:
            break;
    }
}

void MonitorWindow::BringLastPopupForward() {
    HWND popup = GetLastActivePopup(window_);
    if (IsIconic(popup)) ShowWindow(popup, SW_RESTORE);
    SetForegroundWindow(popup);
}

// The foreground window first and WM_NULL after: otherwise the menu does not close
// when the user clicks elsewhere.
void MonitorWindow::ShowTrayMenu() {
    SetForegroundWindow(GetLastActivePopup(window_));
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, kOpenOptionCommand, kMenuConfiguration);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, kExitCommand, kMenuExit);
    SetMenuDefaultItem(menu, kOpenOptionCommand, FALSE);
    POINT cursor{};
    GetCursorPos(&cursor);
    TrackPopupMenu(menu, TPM_LEFTBUTTON, cursor.x, cursor.y, 0, window_, nullptr);
    PostMessageA(window_, WM_NULL, 0, 0);
    DestroyMenu(menu);
}

}  // namespace tesh::monitor
