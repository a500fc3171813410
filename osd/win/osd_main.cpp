// TeshUlmaOpticalOSD: the on-screen display that the monitor starts with itself and
// closes at its end. One copy runs; a second start ends at once.
#include <windows.h>

#include <string>

#include "osd/win/osd_window.h"

namespace {

constexpr char kInstanceMutexName[] = "Vortaq_TeshUlmaOptical_OSD";

std::string ProgramDirectory() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path, length);
    return directory.substr(0, directory.find_last_of('\\') + 1);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    HANDLE instance = CreateMutexA(nullptr, FALSE, kInstanceMutexName);
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        if (instance) CloseHandle(instance);
        return 0;
    }
    tesh::osd::OsdWindow window;
    if (!window.Create(ProgramDirectory())) return 1;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    CloseHandle(instance);
    return 0;
}
