#include "upgrade/win/monitor_control.h"

// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include "upgrade/upgrader_config.h"
#include "upgrade/upgrader_names.h"

namespace tesh::upgrade {

namespace {

// A monitor that does not answer its WM_CLOSE in this time is taken as gone.
constexpr UINT kCloseAnswerMs = 5000;

HWND FindMonitor() {
    return FindWindowA(nullptr, kMonitorWindowTitle);
}

}  // namespace

bool CloseMonitorAndWait() {
    HWND monitor = FindMonitor();
    if (!monitor) {
        Sleep(kMonitorRetryMs);
        monitor = FindMonitor();
    }
    if (!monitor) return false;
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(monitor, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, kCloseAnswerMs, &answer);
    Sleep(kMonitorCloseWaitMs);
    return true;
}

void PostCloseToMonitor() {
    if (HWND monitor = FindMonitor()) PostMessageA(monitor, WM_CLOSE, 0, 0);
}

bool StartMonitor(const std::string& upgraderDirectory) {
    const std::string program = MonitorProgramPath(upgraderDirectory);
    const std::string folder = program.substr(0, program.find_last_of('\\') + 1);
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", program.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL));
    return result > 32;
}

}  // namespace tesh::upgrade
