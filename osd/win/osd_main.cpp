// TeshUlmaOpticalOSD: the on-screen display that the monitor starts with itself and
// closes at its end. One copy runs; a second start ends at once.
#include <windows.h>

// After windows.h.
#include <tlhelp32.h>

#include <string>

#include "osd/win/osd_window.h"

namespace {

constexpr char kInstanceMutexName[] = "Vortaq_TeshUlmaOptical_OSD";
constexpr char kMonitorProgram[] = "TeshUlmaOpticalMonitor.exe";

std::string ProgramDirectory() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path, length);
    return directory.substr(0, directory.find_last_of('\\') + 1);
}

// The monitor that started this display, to wait on: when it ends in any way (a crash
// or a kill included, which send no WM_CLOSE) the display ends with it instead of
// staying behind alone. Null when another program started the display.
HANDLE StartingMonitor() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return nullptr;
    const DWORD self = GetCurrentProcessId();
    DWORD parent = 0;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more && !parent;
         more = Process32Next(snapshot, &entry))
        if (entry.th32ProcessID == self) parent = entry.th32ParentProcessID;
    bool monitor = false;
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more && parent && !monitor;
         more = Process32Next(snapshot, &entry))
        monitor = entry.th32ProcessID == parent && lstrcmpiA(entry.szExeFile, kMonitorProgram) == 0;
    CloseHandle(snapshot);
    return monitor ? OpenProcess(SYNCHRONIZE, FALSE, parent) : nullptr;
}

// Messages until WM_QUIT or the monitor's end; the wait costs nothing while idle.
void RunUntilQuitOrMonitorGone(HANDLE monitor) {
    for (;;) {
        const DWORD waited =
            MsgWaitForMultipleObjects(monitor ? 1 : 0, &monitor, FALSE, INFINITE, QS_ALLINPUT);
        if (monitor && waited == WAIT_OBJECT_0) return;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    HANDLE instance = CreateMutexA(nullptr, FALSE, kInstanceMutexName);
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        if (instance) CloseHandle(instance);
        return 0;
    }
    HANDLE monitor = StartingMonitor();
    tesh::osd::OsdWindow window;
    if (!window.Create(ProgramDirectory())) return 1;
    RunUntilQuitOrMonitorGone(monitor);
    if (monitor) CloseHandle(monitor);
    CloseHandle(instance);
    return 0;
}
