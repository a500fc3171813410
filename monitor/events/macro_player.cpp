#include "monitor/events/macro_player.h"

#include <algorithm>
#include <cstring>

#include "monitor/events/input_keys.h"

namespace tesh::monitor {

namespace {

constexpr int64_t kUsPerMs = 1000;
// Sleeps are cut into pieces this long so that a stop is seen while a long delay runs.
constexpr int64_t kStopCheckUs = 50 * kUsPerMs;
// A wake this late (the system did not run the player) moves the schedule on, so that
// the late event is not made up for by shortening the delay after it; a smaller
// lateness is made up.
constexpr int64_t kLateLimitUs = 1 * kUsPerMs;
constexpr std::size_t kMostHeld = 256 + 5;

}  // namespace

MacroPlayer::MacroPlayer(InputPort& input, const KeyboardLayout& layout, MacroClock& clock,
                         MacroThread& thread)
    : input_(input), layout_(layout), clock_(clock), thread_(thread) {
    held_.reserve(kMostHeld);
}

void MacroPlayer::Start(const ButtonRecord& button) {
    if (button.eventCount == 0) return;
    {
        std::lock_guard lock(preparedMutex_);
        prepared_.repeatCount = button.repeatCount <= 0 ? 1 : button.repeatCount;
        prepared_.eventCount = std::min<int>(button.eventCount, kMaxMacroEvents);
        std::memcpy(prepared_.events, button.events, sizeof prepared_.events);
    }
    if (playing_.load()) {
        stop_.store(true);
        return;
    }
    stop_.store(false);
    // Playing from the moment it is posted, so that a second press that comes before
    // the player thread wakes still stops it.
    playing_.store(true);
    if (!thread_.PostPlay()) playing_.store(false);
}

void MacroPlayer::Play() {
    {
        std::lock_guard lock(preparedMutex_);
        current_ = prepared_;
    }
    held_.clear();
    deadlineUs_ = clock_.NowUs();
    bool stopped = false;
    for (int32_t repetition = 0; repetition < current_.repeatCount && !stopped; ++repetition) {
        for (int i = 0; i < current_.eventCount && !stopped; ++i) {
            stopped = stop_.load() || !PlayEvent(current_.events[i]);
        }
    }
    if (stopped) ReleaseHeld();
    playing_.store(false);
}

// False when the stop flag ended the event's delay.
bool MacroPlayer::PlayEvent(const MacroEvent& event) {
    const uint32_t delay = event.delay == 0 ? 1 : event.delay;
    const bool press = event.action == kMacroPress;
    const bool release = event.action == kMacroRelease;
    if (event.key >= kFirstMouseUsage && event.key <= kLastMouseUsage) {
        if (press || release) Send({true, event.key - kFirstMouseUsage}, release);
        return Wait(delay);
    }
    const int vk = SendableVirtualKey(event.key, layout_);
    if (vk != 0 && (press || release)) Send({false, vk}, release);
    if (press && delay > kMacroRepeatAfterMs) {
        PressKey(vk, delay);
        return !stop_.load();
    }
    return Wait(delay);
}

// A key held for a long delay repeats for the rest of it.
void MacroPlayer::PressKey(int virtualKey, uint32_t delayMs) {
    if (!Wait(kMacroRepeatAfterMs)) return;
    for (uint32_t elapsed = kMacroRepeatAfterMs; elapsed < delayMs;) {
        if (virtualKey != 0) {
            SendKey(input_, layout_, virtualKey, true);
            SendKey(input_, layout_, virtualKey, false);
        }
        const uint32_t step = std::min(kMacroRepeatMs, delayMs - elapsed);
        if (!Wait(step)) return;
        elapsed += step;
    }
}

void MacroPlayer::Send(Held held, bool up) {
    if (held.mouse) {
        input_.Mouse(static_cast<MouseButton>(held.code), up);
    } else {
        SendKey(input_, layout_, held.code, up);
    }
    held_.erase(std::remove(held_.begin(), held_.end(), held), held_.end());
    if (!up && held_.size() < kMostHeld) held_.push_back(held);
}

bool MacroPlayer::Wait(uint32_t ms) {
    deadlineUs_ += int64_t{ms} * kUsPerMs;
    int64_t now = clock_.NowUs();
    while (now < deadlineUs_) {
        if (stop_.load()) return false;
        clock_.SleepUntilUs(std::min(deadlineUs_, now + kStopCheckUs));
        now = clock_.NowUs();
    }
    if (now - deadlineUs_ > kLateLimitUs) deadlineUs_ = now;
    return true;
}

// The most recent first.
void MacroPlayer::ReleaseHeld() {
    bool first = true;
    while (!held_.empty()) {
        if (!first) clock_.SleepUntilUs(clock_.NowUs() + kMacroReleaseGapMs * kUsPerMs);
        first = false;
        const Held last = held_.back();
        Send(last, true);
    }
}

}  // namespace tesh::monitor
