// Soaks the real monitor (not a test: nothing is asserted): 100,000 device events and
// 1,000 Applies, with private memory and handles sampled every tenth of the way, to
// show that neither grows.
//   wine-run.sh monitor_soak.exe [events] [applies]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "monitor/events/event_names.h"
#include "monitor/monitor_names.h"
#include "monitor/program_names.h"
#include "tests/settings/test_dir.h"
#include "tests/wine/featlink_library.h"
#include "tests/wine/monitor_program.h"
#include "tests/wine/monitor_sampling.h"

namespace {

using namespace tesh;
using namespace tesh::test;

constexpr int kDefaultEvents = 100000;
constexpr int kDefaultApplies = 1000;
constexpr int kSamples = 10;
constexpr UINT kAnswerTimeoutMs = 60000;
// Every tenth Apply carries a change to the mouse.
constexpr int kApplyWithChangeEvery = 10;
constexpr char kInstanceVariable[] = "TESH_VMOUSE_INSTANCE";
constexpr char kFlashVariable[] = "TESH_VMOUSE_FLASH";

// One hundred events as a user makes them: DPI levels, sensitivity, usage counts,
// polling rates, volume keys, tilts and a profile change.
struct EventMix {
    UINT eventClass;
    int count;
};
constexpr EventMix kHundredEvents[] = {
    {monitor::kCpiLevelClass, 35},   {monitor::kSensitivityClass, 25},
    {monitor::kFirstUsageClass, 20}, {monitor::kPollingRateClass, 8},
    {monitor::kVolumeClass, 6},      {monitor::kTiltScrollClass, 5},
    {monitor::kProfileClass, 1},
};

LPARAM ValueOf(UINT eventClass, int i) {
    switch (eventClass) {
        case monitor::kCpiLevelClass:
        case monitor::kProfileClass:
            return i % 5 + 1;
        case monitor::kSensitivityClass:
            return i % 11 + 1;
        case monitor::kPollingRateClass:
            return i % 4 + 1;
        case monitor::kVolumeClass:
        case monitor::kTiltScrollClass:
            return i % 2 ? monitor::kUp : monitor::kDown;
        default:
            return 1;
    }
}

// A top-level window with the calibration window's title: the monitor passes on
// events of class 0x3000, so the last event of a batch tells when the batch is done.
HWND CalibrationWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "TeshSoakCalibration";
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

// A hundred events and the batch's end mark; false when the monitor did not get there.
bool HundredEvents(HWND monitorWindow, HWND calibration, int batch) {
    int i = 0;
    for (const EventMix& mix : kHundredEvents) {
        for (int n = 0; n < mix.count; ++n, ++i) {
            PostMessageA(monitorWindow, monitor::kDeviceEventMessage, mix.eventClass,
                         ValueOf(mix.eventClass, batch + i));
        }
    }
    const LPARAM mark = batch & 0xFFFF;
    PostMessageA(monitorWindow, monitor::kDeviceEventMessage, monitor::kCalibrationEventClass,
                 mark);
    return WaitForMessage(calibration, monitor::kCalibrationEventMessage, mark);
}

// As the configuration application applies: now and then with a change to the mouse.
bool Apply(HWND monitorWindow, BlockClient& block, int n) {
    if (n % kApplyWithChangeEvery == 0) {
        block.Change([n](SettingsSet& set) {
            set.Profiles[0].PollingRate = n / kApplyWithChangeEvery % 4;
            set.ProfileChanged[0] = 1;
        });
    }
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(monitorWindow, monitor::kApplyMessage, 0, 0, SMTO_NORMAL,
                               kAnswerTimeoutMs, &result) != 0;
}

}  // namespace

int main(int argc, char** argv) {
    const int events = argc > 1 ? std::atoi(argv[1]) : kDefaultEvents;
    const int applies = argc > 2 ? std::atoi(argv[2]) : kDefaultApplies;
    TestDir dir;
    const std::string instance = "soak" + std::to_string(GetCurrentProcessId());
    SetEnvironmentVariableA(kInstanceVariable, instance.c_str());
    SetEnvironmentVariableA(kFlashVariable, dir.File("flash.bin").c_str());
    MonitorProgram program(dir.File("program") + "\\", Beside("option_stand_in.exe"));
    FeatlinkLibrary holder(Beside("featlink.dll"));
    if (!holder.loaded()) return std::puts("featlink.dll did not load"), 1;
    holder.openFeatureDevice();
    Vmouse("plug");
    Vmouse("set firmware " + std::to_string(program.ImageVersion()));
    HWND calibration = CalibrationWindow();
    if (!program.Start()) return std::puts("the monitor did not start"), 1;
    std::string log;
    if (!WaitUntil([&] {
            Vmouse("log", &log);
            return log.find("SET 0e 03 01") != std::string::npos;
        })) {
        return std::puts("no first read-all"), 1;
    }
    BlockClient block;
    if (!block.opened()) return std::puts("no shared block"), 1;
    Print("after the start", Measure(program.process()));

    const ULONGLONG started = GetTickCount64();
    const int batches = events / 100;
    int applied = 0;
    for (int sample = 1; sample <= kSamples; ++sample) {
        for (int b = batches * (sample - 1) / kSamples; b < batches * sample / kSamples; ++b) {
            if (!HundredEvents(program.window(), calibration, b)) {
                return std::printf("batch %d was not handled\n", b), 1;
            }
        }
        for (; applied < applies * sample / kSamples; ++applied) {
            if (!Apply(program.window(), block, applied)) {
                return std::printf("Apply %d was not answered\n", applied), 1;
            }
        }
        const std::string when = std::to_string(batches * sample / kSamples * 100) + " events, " +
                                 std::to_string(applied) + " applies";
        Print(when.c_str(), Measure(program.process()));
    }
    std::printf("%d events and %d applies in %.1f s\n", batches * 100, applied,
                static_cast<double>(GetTickCount64() - started) / 1000.0);
    std::printf("closed with exit code %d\n", program.Close());
    DestroyWindow(calibration);
    return 0;
}
