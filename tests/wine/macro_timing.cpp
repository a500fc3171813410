// macro_timing [EVENTS]: plays a macro of EVENTS key events (200 unless given) with
// delays from 1 to 500 ms through the macro player on its high-resolution clock and
// keybd_event, watched by key_hook_probe in a process of its own, and prints how far
// the delays between the events are from the programmed ones, as sent and as the hook
// saw them: median, 99th percentile and largest error. It measures; it passes or
// fails nothing.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "monitor/events/macro_player.h"
#include "monitor/events/win/macro_clock.h"
#include "settings/file_io.h"
#include "settings/win/windows_keyboard_layout.h"
#include "tests/wine/child_process.h"
#include "tests/wine/timed_macro.h"

namespace {

using namespace tesh::monitor;

constexpr char kReadyEvent[] = "TeshMacroTimingHookReady";

void Report(const char* what, const std::vector<int64_t>& timesUs,
            const std::vector<uint16_t>& delays) {
    std::vector<double> errors;
    std::size_t worst = 0;
    for (std::size_t i = 0; i + 1 < timesUs.size() && i < delays.size(); ++i) {
        const double interval = static_cast<double>(timesUs[i + 1] - timesUs[i]);
        errors.push_back(std::abs(interval - delays[i] * 1000.0) / 1000.0);
        if (errors.back() > errors[worst]) worst = i;
    }
    if (errors.empty()) {
        std::printf("%-9s no intervals\n", what);
        return;
    }
    const double worstError = errors[worst];
    std::sort(errors.begin(), errors.end());
    auto at = [&](double q) {
        return errors[std::min(errors.size() - 1,
                               static_cast<std::size_t>(q * static_cast<double>(errors.size())))];
    };
    std::printf(
        "%-9s %zu intervals: median %.3f ms, 99th percentile %.3f ms, largest %.3f ms "
        "(after event %zu, %u ms programmed)\n",
        what, errors.size(), at(0.5), at(0.99), worstError, worst, delays[worst]);
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : tesh::test::kTimedMacroEvents;
    if (count < 2 || count > tesh::kMaxMacroEvents) {
        std::fprintf(stderr, "macro_timing: EVENTS is 2..%d\n", tesh::kMaxMacroEvents);
        return 2;
    }
    const std::vector<uint16_t> delays = tesh::test::TimedDelays(count);
    int64_t totalMs = 0;
    for (uint16_t d : delays) totalMs += d;

    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, kReadyEvent);
    tesh::test::ChildProcess hook;
    const std::string probe = tesh::JoinPath(tesh::ProgramDirectory(), "key_hook_probe.exe");
    const std::string command = tesh::test::Quoted(probe) + " " + kReadyEvent + " " +
                                std::to_string(count) + " " + std::to_string(totalMs + 30000);
    if (!hook.Start(command) || WaitForSingleObject(ready, 20000) != WAIT_OBJECT_0) {
        std::fprintf(stderr, "macro_timing: the hook process did not start\n");
        return 1;
    }

    HighResolutionClock clock;
    tesh::test::TimedInput input(clock);
    tesh::WindowsKeyboardLayout layout;
    tesh::test::InlineThread thread;
    MacroPlayer player(input, layout, clock, thread);
    thread.player = &player;
    const tesh::ButtonRecord button = tesh::test::TimedMacroButton(delays);
    std::printf("macro_timing: %d events, %lld ms programmed, %s timer\n", count,
                static_cast<long long>(totalMs),
                clock.highResolution() ? "high-resolution" : "1 ms period");
    std::fflush(stdout);
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
    clock.BeginPrecise();
    player.Start(button);
    clock.EndPrecise();

    hook.Wait(static_cast<DWORD>(totalMs + 40000));
    std::vector<int64_t> seenUs;
    std::istringstream lines(hook.output());
    long long us;
    unsigned long vk;
    std::string direction;
    while (lines >> us >> vk >> direction) seenUs.push_back(us);
    std::printf("hook saw %zu of %d events\n", seenUs.size(), count);
    Report("sent", input.sentUs, delays);
    Report("observed", seenUs, delays);
    return 0;
}
