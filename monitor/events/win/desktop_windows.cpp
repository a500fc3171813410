#include "monitor/events/win/desktop_windows.h"

#include <windows.h>

#include <string>

namespace tesh::monitor {

namespace {

constexpr int kNameLength = 256;

struct Search {
    std::string className;
    std::string titlePart;
    HWND found = nullptr;
};

BOOL CALLBACK TestWindow(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<Search*>(context);
    char className[kNameLength] = {};
    char title[kNameLength] = {};
    GetClassNameA(window, className, kNameLength);
    if (search.className != className) return TRUE;
    GetWindowTextA(window, title, kNameLength);
    if (std::string(title).find(search.titlePart) == std::string::npos) return TRUE;
    search.found = window;
    return FALSE;
}

HWND HandleOf(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

}  // namespace

WindowHandle SystemDesktop::Find(std::string_view className, std::string_view title) {
    const std::string c(className);
    const std::string t(title);
    HWND window = FindWindowA(c.empty() ? nullptr : c.c_str(), t.empty() ? nullptr : t.c_str());
    return reinterpret_cast<WindowHandle>(window);
}

WindowHandle SystemDesktop::FindContaining(std::string_view className, std::string_view titlePart) {
    Search search{std::string(className), std::string(titlePart)};
    EnumWindows(&TestWindow, reinterpret_cast<LPARAM>(&search));
    return reinterpret_cast<WindowHandle>(search.found);
}

// The system lets a program take the foreground only while it shares the input of the
// foreground window's thread.
void SystemDesktop::BringToForeground(WindowHandle window, bool attachInput) {
    const DWORD foregroundThread =
        attachInput ? GetWindowThreadProcessId(GetForegroundWindow(), nullptr) : 0;
    const DWORD self = GetCurrentThreadId();
    const bool attached = foregroundThread && foregroundThread != self &&
                          AttachThreadInput(foregroundThread, self, TRUE);
    SetForegroundWindow(HandleOf(window));
    if (attached) AttachThreadInput(foregroundThread, self, FALSE);
}

void SystemDesktop::Post(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    PostMessageA(HandleOf(window), message, wParam, lParam);
}

}  // namespace tesh::monitor
