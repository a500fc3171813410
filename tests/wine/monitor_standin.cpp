// Stands in for the monitor in the upgrader's tests: a hidden window with the monitor's
// title that ends on WM_CLOSE. Each start and each close is a line of standin.log
// beside the program, so that a test can tell whether the upgrader closed it and
// started it again.
#include <windows.h>

#include <cstdio>
#include <string>

#include "settings/file_io.h"
#include "upgrade/upgrader_names.h"

namespace {

constexpr char kClassName[] = "TeshMonitorStandIn";
constexpr char kLogFile[] = "standin.log";

void Note(const char* what) {
    const std::string path = tesh::ProgramDirectory() + kLogFile;
    if (std::FILE* log = std::fopen(path.c_str(), "a")) {
        std::fprintf(log, "%s %lu\n", what, GetCurrentProcessId());
        std::fclose(log);
    }
}

LRESULT CALLBACK StandInProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            Note("close");
            DestroyWindow(hwnd);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = StandInProc;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
    Note("start");
    if (!CreateWindowExA(0, kClassName, tesh::upgrade::kMonitorWindowTitle, WS_OVERLAPPED, 0, 0, 10,
                         10, nullptr, nullptr, instance, nullptr)) {
        return 1;
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
