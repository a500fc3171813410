#include "monitor/win/window_adapters.h"

#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include <string>

namespace tesh::monitor {

namespace {

// Values above 32 mean the program was started.
constexpr INT_PTR kShellSuccessAbove = 32;

}  // namespace

bool TitledWindows::PostToWindow(std::string_view title, uint32_t message, uintptr_t wParam,
                                 intptr_t lParam) {
    HWND window = FindWindowA(nullptr, std::string(title).c_str());
    return window && PostMessageA(window, message, wParam, lParam);
}

bool TitledWindows::CloseWindow(std::string_view title) {
    return PostToWindow(title, WM_CLOSE, 0, 0);
}

bool ShellStarter::Open(const std::string& path, const std::string& parameters) {
    HINSTANCE result =
        ShellExecuteA(nullptr, "open", path.c_str(),
                      parameters.empty() ? nullptr : parameters.c_str(), nullptr, SW_SHOW);
    return reinterpret_cast<INT_PTR>(result) > kShellSuccessAbove;
}

}  // namespace tesh::monitor
