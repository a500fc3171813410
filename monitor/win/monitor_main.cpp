// TeshUlmaOpticalMonitor: one copy per user session. A second start forwards its start
// flag to the running monitor and ends.
#include <windows.h>
// objbase.h needs windows.h first.
#include <objbase.h>

#include <memory>

#include "monitor/program_names.h"
#include "monitor/start_flag.h"
#include "monitor/win/monitor_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    using namespace tesh::monitor;
    const bool startFlag = StartFlagOf(commandLine ? commandLine : "");
    HANDLE instanceMutex = CreateMutexA(nullptr, TRUE, kInstanceMutexName);
    if (!instanceMutex || GetLastError() == ERROR_ALREADY_EXISTS) {
        if (instanceMutex) CloseHandle(instanceMutex);
        if (startFlag) {
            if (HWND running = FindWindowA(nullptr, kMonitorWindowTitle)) {
                PostMessageA(running, WM_COMMAND, kOpenOptionCommand, 0);
            }
        }
        return 0;
    }
    // Uninitialised by the window's shutdown.
    const bool com = SUCCEEDED(CoInitialize(nullptr));
    auto monitor = std::make_unique<MonitorWindow>(startFlag, com);
    int exitCode = 1;
    if (monitor->Create(instance)) {
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        exitCode = 0;
    }
    monitor.reset();
    ReleaseMutex(instanceMutex);
    CloseHandle(instanceMutex);
    return exitCode;
}
