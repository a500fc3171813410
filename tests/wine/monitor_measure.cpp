// Measures the real monitor on a virtual mouse of its own (not a test: nothing is
// asserted): private memory and handle count after the start and after 1000 device
// events, and the processor time it takes over 60 s with nothing to do.
//   wine-run.sh monitor_measure.exe [idle seconds]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "monitor/monitor_names.h"
#include "monitor/program_names.h"
#include "settings/file_io.h"
#include "settings/ini_file.h"
#include "tests/settings/test_dir.h"
#include "tests/wine/featlink_library.h"
#include "tests/wine/monitor_program.h"
#include "tests/wine/monitor_sampling.h"

namespace {

using namespace tesh;
using namespace tesh::test;

constexpr int kEvents = 1000;
constexpr DWORD kDefaultIdleSeconds = 60;
constexpr char kInstanceVariable[] = "TESH_VMOUSE_INSTANCE";
constexpr char kFlashVariable[] = "TESH_VMOUSE_FLASH";
// Device event classes the monitor handles without any exchange; the last event is of
// the calibration class, which the monitor passes on to the window below.
constexpr WPARAM kEventClasses[] = {0x1A00, 0xE100, 0x9000, 0xE600, 0xC000};

// A top-level window with the calibration window's title, which the monitor tells of
// every device event of class 0x3000.
HWND CalibrationWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "TeshMeasureCalibration";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, windowClass.lpszClassName, monitor::kCalibrationWindowTitle, WS_POPUP,
                           0, 0, 10, 10, nullptr, nullptr, windowClass.hInstance, nullptr);
}

bool WaitForMessage(HWND window, UINT message, LPARAM lParam) {
    return WaitUntil([&] {
        MSG msg;
        while (PeekMessageA(&msg, window, 0, 0, PM_REMOVE)) {
            if (msg.message == message && msg.lParam == lParam) return true;
        }
        return false;
    });
}

}  // namespace

int main(int argc, char** argv) {
    const DWORD idleSeconds =
        argc > 1 ? static_cast<DWORD>(std::atoi(argv[1])) : kDefaultIdleSeconds;
    TestDir dir;
    const std::string instance = "measure" + std::to_string(GetCurrentProcessId());
    SetEnvironmentVariableA(kInstanceVariable, instance.c_str());
    SetEnvironmentVariableA(kFlashVariable, dir.File("flash.bin").c_str());

    MonitorProgram program(dir.File("program") + "\\", Beside("option_stand_in.exe"));
    CreateDirectoryA(dir.File("holder").c_str(), nullptr);
    CopyFileA(Beside("featlink.dll").c_str(), dir.File("holder\\featlink.dll").c_str(), FALSE);
    FeatlinkLibrary holder(dir.File("holder\\featlink.dll"));
    if (!holder.loaded()) return std::puts("featlink.dll did not load"), 1;
    holder.openFeatureDevice();  // keeps the virtual mouse while the programs come and go
    Vmouse("plug");
    Vmouse("set firmware " + std::to_string(program.ImageVersion()));
    HWND calibration = CalibrationWindow();

    // What Wine itself costs a program with one window, for comparison.
    {
        std::string line = Quoted(Beside("option_stand_in.exe"));
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                           &startup, &info)) {
            WaitForInputIdle(info.hProcess, 10000);
            WaitUntil([] { return FindWindowA(nullptr, monitor::kOptionWindowTitle) != nullptr; });
            Print("a one-window program", Measure(info.hProcess));
            PostMessageA(FindWindowA(nullptr, monitor::kOptionWindowTitle), WM_CLOSE, 0, 0);
            WaitForSingleObject(info.hProcess, 10000);
            CloseHandle(info.hThread);
            CloseHandle(info.hProcess);
        }
    }
    const ULONGLONG started = GetTickCount64();
    if (!program.Start()) return std::puts("the monitor did not start"), 1;
    std::string log;
    if (!WaitUntil([&] {
            Vmouse("log", &log);
            return log.find("SET 0e 03 01") != std::string::npos;
        })) {
        return std::puts("no read-all"), 1;
    }
    std::printf("start to the end of the first read-all: %.2f s\n",
                static_cast<double>(GetTickCount64() - started) / 1000.0);
    Print("after the start", Measure(program.process()));

    HWND monitorWindow = program.window();
    const ULONGLONG eventsStarted = GetTickCount64();
    for (int i = 0; i < kEvents - 1; ++i) {
        const WPARAM eventClass = kEventClasses[i % (sizeof kEventClasses / sizeof *kEventClasses)];
        PostMessageA(monitorWindow, monitor::kDeviceEventMessage, eventClass, i % 256);
    }
    PostMessageA(monitorWindow, monitor::kDeviceEventMessage, monitor::kCalibrationEventClass,
                 kEvents);
    if (!WaitForMessage(calibration, monitor::kCalibrationEventMessage, kEvents)) {
        return std::puts("the events were not handled"), 1;
    }
    std::printf("%d device events handled in %.3f s\n", kEvents,
                static_cast<double>(GetTickCount64() - eventsStarted) / 1000.0);
    Print("after 1000 device events", Measure(program.process()));

    const Sample before = Measure(program.process());
    Sleep(idleSeconds * 1000);  // the idle time being measured
    const Sample after = Measure(program.process());
    std::printf("processor time over %lu s idle: %.3f s\n", idleSeconds,
                after.cpuSeconds - before.cpuSeconds);
    Print("after the idle time", after);
    CommittedPrivate(program.process(), true);
    std::printf("closed with exit code %d\n", program.Close());
    DestroyWindow(calibration);
    return 0;
}
