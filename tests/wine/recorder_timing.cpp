// recorder_timing [EVENTS]: the monitor's macro player plays a macro of EVENTS key
// events (200 unless given) with delays from 1 to 500 ms while the configuration
// application's recorder records it through its keyboard hook, with delay recording on,
// and prints how far the recorded delays are from the programmed ones and from the
// ones the player actually sent: as the hook stamped the keys (microseconds) and as the
// macro stores them (whole milliseconds). Median, 99th percentile and largest error. It measures;
// it passes or fails nothing.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include "monitor/events/macro_player.h"
#include "monitor/events/win/macro_clock.h"
#include "option/key_stamps.h"
#include "option/macro_recorder.h"
#include "option/win/keyboard_capture.h"
#include "settings/win/windows_keyboard_layout.h"
#include "tests/wine/timed_macro.h"

namespace {

using namespace tesh::monitor;

constexpr DWORD kSlackMs = 30000;

void Report(const char* what, const std::vector<double>& errors) {
    if (errors.empty()) {
        std::printf("%-10s no intervals\n", what);
        return;
    }
    std::vector<double> sorted = errors;
    std::sort(sorted.begin(), sorted.end());
    auto at = [&](double q) {
        return sorted[std::min(sorted.size() - 1,
                               static_cast<std::size_t>(q * static_cast<double>(sorted.size())))];
    };
    std::printf("%-10s %zu intervals: median %.3f ms, 99th percentile %.3f ms, largest %.3f ms\n",
                what, sorted.size(), at(0.5), at(0.99), sorted.back());
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : tesh::test::kTimedMacroEvents;
    if (count < 2 || count > tesh::kMaxMacroEvents) {
        std::fprintf(stderr, "recorder_timing: EVENTS is 2..%d\n", tesh::kMaxMacroEvents);
        return 2;
    }
    const std::vector<uint16_t> delays = tesh::test::TimedDelays(count);
    int64_t totalMs = 0;
    for (uint16_t d : delays) totalMs += d;

    // The recorder's side: a window of this thread, the hook, and the model.
    HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    tesh::option::KeyboardCapture capture(window);
    if (!capture.installed()) {
        std::fprintf(stderr, "recorder_timing: the hook could not be installed\n");
        return 1;
    }
    tesh::option::MacroRecorder recorder;
    std::vector<tesh::MacroEvent> recorded;
    recorder.Start(recorded, {tesh::option::RecordStart::kClear, -1, true});
    std::vector<tesh::option::KeyStamp> stamps;

    // The player's side, on a thread of its own as in the monitor.
    HighResolutionClock clock;
    tesh::test::TimedInput input(clock);
    tesh::WindowsKeyboardLayout layout;
    tesh::test::InlineThread playThread;
    MacroPlayer player(input, layout, clock, playThread);
    playThread.player = &player;
    const tesh::ButtonRecord button = tesh::test::TimedMacroButton(delays);
    std::printf("recorder_timing: %d events, %lld ms played, %s timer\n", count,
                static_cast<long long>(totalMs),
                clock.highResolution() ? "high-resolution" : "1 ms period");
    std::fflush(stdout);
    std::thread playing([&] {
        SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
        clock.BeginPrecise();
        player.Start(button);
        clock.EndPrecise();
    });

    int captured = 0;
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(totalMs) + kSlackMs;
    MSG msg;
    while (static_cast<int>(recorded.size()) < count && GetTickCount64() < deadline) {
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT) != WAIT_OBJECT_0)
            continue;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == tesh::option::kKeyCaptureMessage) {
                ++captured;
                const tesh::option::KeyStamp stamp = tesh::option::KeyboardCapture::TakeKeyStamp();
                if (recorder.OnKey(recorded, static_cast<int>(msg.wParam),
                                   msg.lParam == tesh::option::kKeyReleased, stamp.hookUs,
                                   layout) != tesh::option::RecordResult::kIgnored)
                    stamps.push_back(stamp);
                continue;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    playing.join();
    // As the editor does when the recording stops.
    tesh::option::RefineRecordedDelays(recorded, 0, stamps);
    const std::vector<int64_t> hookUs = tesh::option::RefinedKeyTimes(stamps);
    std::printf("recorded %zu of %d events (%d key messages)\n", recorded.size(), count, captured);
    // Against the delays as programmed, and as the player actually sent the keys (the
    // recorder's own share of the error).
    std::vector<double> hookErrors, storedErrors, hookVsSent, storedVsSent;
    for (std::size_t i = 0; i + 1 < recorded.size() && i + 1 < input.sentUs.size(); ++i) {
        const double hook = static_cast<double>(hookUs[i + 1] - hookUs[i]) / 1000.0;
        const double sent = static_cast<double>(input.sentUs[i + 1] - input.sentUs[i]) / 1000.0;
        hookErrors.push_back(std::abs(hook - delays[i]));
        storedErrors.push_back(std::abs(static_cast<double>(recorded[i].delay) - delays[i]));
        hookVsSent.push_back(std::abs(hook - sent));
        storedVsSent.push_back(std::abs(static_cast<double>(recorded[i].delay) - sent));
    }
    Report("hook", hookErrors);
    Report("stored", storedErrors);
    Report("hook-sent", hookVsSent);
    Report("stored-sent", storedVsSent);
    DestroyWindow(window);
    return 0;
}
