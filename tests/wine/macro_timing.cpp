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
#include "monitor/events/win/system_input.h"
#include "settings/file_io.h"
#include "settings/win/windows_keyboard_layout.h"
#include "tests/wine/child_process.h"

namespace {

using namespace tesh::monitor;

constexpr int kDefaultEvents = 200;
constexpr int kLongestDelayMs = 500;
constexpr uint8_t kLeftShiftUsage = 225;  // a key that types nothing
constexpr char kReadyEvent[] = "TeshMacroTimingHookReady";

// Sends through keybd_event and notes when.
class TimedInput : public InputPort {
  public:
    explicit TimedInput(MacroClock& clock) : clock_(clock) {}
    void Key(int virtualKey, int scanCode, bool up) override {
        sentUs.push_back(clock_.NowUs());
        input_.Key(virtualKey, scanCode, up);
    }
    void Mouse(MouseButton button, bool up) override { input_.Mouse(button, up); }
    std::vector<int64_t> sentUs;

  private:
    MacroClock& clock_;
    SystemInput input_;
};

class InlineThread : public MacroThread {
  public:
    bool PostPlay() override {
        player->Play();
        return true;
    }
    MacroPlayer* player = nullptr;
};

// Programmed delays 1..500 ms, spread over the range and over small and large steps.
std::vector<uint16_t> Delays(int count) {
    std::vector<uint16_t> delays;
    for (int i = 0; i < count; ++i) {
        delays.push_back(static_cast<uint16_t>(1 + (i * 211 + i * i) % kLongestDelayMs));
    }
    return delays;
}

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
    const int count = argc > 1 ? std::atoi(argv[1]) : kDefaultEvents;
    if (count < 2 || count > tesh::kMaxMacroEvents) {
        std::fprintf(stderr, "macro_timing: EVENTS is 2..%d\n", tesh::kMaxMacroEvents);
        return 2;
    }
    const std::vector<uint16_t> delays = Delays(count);
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
    TimedInput input(clock);
    tesh::WindowsKeyboardLayout layout;
    InlineThread thread;
    MacroPlayer player(input, layout, clock, thread);
    thread.player = &player;
    tesh::ButtonRecord button{};
    button.repeatCount = 1;
    button.eventCount = static_cast<uint16_t>(count);
    for (int i = 0; i < count; ++i) {
        const tesh::MacroEvent event{kLeftShiftUsage, i % 2 ? kMacroRelease : kMacroPress,
                                     delays[i]};
        std::memcpy(button.events + 4 * i, &event, sizeof event);
    }
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
