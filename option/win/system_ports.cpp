#include "option/win/system_ports.h"

#include "monitor/program_names.h"

namespace tesh::option {
namespace {

// The monitor writes the changes to the mouse before it answers, which takes seconds
// with a busy mouse; a monitor that does not take messages at all is not waited for.
constexpr UINT kMonitorAnswerMs = 120000;

}  // namespace

bool MonitorWindow::Send(uint32_t message, uintptr_t wParam) {
    HWND monitor = FindWindowA(nullptr, monitor::kMonitorWindowTitle);
    if (!monitor) return false;
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(monitor, message, wParam, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                        kMonitorAnswerMs, &answer);
    return true;
}

}  // namespace tesh::option
