// osd_idle [SECONDS]: the on-screen display's CPU time while nothing changes. Starts
// the staged TeshUlmaOpticalOSD.exe, lets it settle, then prints the processor time
// it used over the given seconds (60 by default) and closes it as the monitor does.
// A measurement, not a test.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr char kOsdTitle[] = "VORTAQ Tesh Ulma Optical Mouse OSD";

double CpuMs(HANDLE process) {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) return -1;
    auto ms = [](FILETIME t) {
        return static_cast<double>(static_cast<ULONGLONG>(t.dwHighDateTime) << 32 |
                                   t.dwLowDateTime) /
               10000.0;
    };
    return ms(kernel) + ms(user);
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    std::string program = std::string(TESH_DIST_DIR) + "/TeshUlmaOpticalOSD.exe";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::printf("cannot start %s\n", program.c_str());
        return 1;
    }
    HWND window = nullptr;
    for (int i = 0; i < 100 && !(window = FindWindowA(nullptr, kOsdTitle)); ++i) Sleep(50);
    Sleep(2000);
    const double before = CpuMs(process.hProcess);
    Sleep(static_cast<DWORD>(seconds) * 1000);
    const double after = CpuMs(process.hProcess);
    // The time of its start shows that the clock reads this process at all.
    std::printf(
        "OSD processor time: %.1f ms to start; over %d s idle: %.1f ms (%.4f %% of one "
        "core)\n",
        before, seconds, after - before, (after - before) / (seconds * 10.0));
    if (window) PostMessageA(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}
