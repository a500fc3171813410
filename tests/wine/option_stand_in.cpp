// Stands in for the configuration application in the monitor's tests: a window with its
// title that closes on WM_CLOSE and notes every message of the monitor it receives in
// option_messages.log beside itself.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr char kTitle[] = "VORTAQ Tesh Ulma Optical Mouse Option";
constexpr char kClass[] = "TeshOptionStandIn";
constexpr char kLogName[] = "option_messages.log";
// The monitor's messages to the configuration application.
constexpr UINT kFirstMonitorMessage = 1254;
constexpr UINT kLastMonitorMessage = 1284;

std::string LogPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path);
    return directory.substr(0, directory.find_last_of('\\') + 1) + kLogName;
}

void Note(UINT message, WPARAM wParam, LPARAM lParam) {
    if (FILE* log = std::fopen(LogPath().c_str(), "a")) {
        std::fprintf(log, "%u %llu %lld\n", message, static_cast<unsigned long long>(wParam),
                     static_cast<long long>(lParam));
        std::fclose(log);
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= kFirstMonitorMessage && message <= kLastMonitorMessage) {
        Note(message, wParam, lParam);
        return 0;
    }
    if (message == WM_CLOSE) Note(message, wParam, lParam);
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClass;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, kClass, kTitle, WS_OVERLAPPEDWINDOW, 50, 50, 320, 200, nullptr,
                                  nullptr, instance, nullptr);
    if (!window) return 1;
    ShowWindow(window, show);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
