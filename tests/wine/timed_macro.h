// What the macro timing programs play: a macro of one key that types nothing, pressed
// and released in turn with delays spread over 1..500 ms, through the monitor's macro
// player on the calling thread, with the time each key was sent noted.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "monitor/events/macro_player.h"
#include "monitor/events/win/macro_clock.h"
#include "monitor/events/win/system_input.h"

namespace tesh::test {

constexpr int kTimedMacroEvents = 200;
constexpr int kLongestTimedDelayMs = 500;
constexpr uint8_t kSilentKeyUsage = 225;  // left Shift

// Sends through the system and notes when.
class TimedInput : public monitor::InputPort {
  public:
    explicit TimedInput(monitor::MacroClock& clock) : clock_(clock) {}
    void Key(int virtualKey, int scanCode, bool up) override {
        sentUs.push_back(clock_.NowUs());
        input_.Key(virtualKey, scanCode, up);
    }
    void Mouse(monitor::MouseButton button, bool up) override { input_.Mouse(button, up); }
    std::vector<int64_t> sentUs;

  private:
    monitor::MacroClock& clock_;
    monitor::SystemInput input_;
};

// Plays on the thread that starts the macro.
class InlineThread : public monitor::MacroThread {
  public:
    bool PostPlay() override {
        player->Play();
        return true;
    }
    monitor::MacroPlayer* player = nullptr;
};

// Programmed delays 1..500 ms, spread over the range and over small and large steps.
inline std::vector<uint16_t> TimedDelays(int count) {
    std::vector<uint16_t> delays;
    for (int i = 0; i < count; ++i)
        delays.push_back(static_cast<uint16_t>(1 + (i * 211 + i * i) % kLongestTimedDelayMs));
    return delays;
}

// The button holding that macro.
inline ButtonRecord TimedMacroButton(const std::vector<uint16_t>& delays) {
    ButtonRecord button{};
    button.repeatCount = 1;
    button.eventCount = static_cast<uint16_t>(delays.size());
    for (std::size_t i = 0; i < delays.size(); ++i) {
        const MacroEvent event{kSilentKeyUsage,
                               i % 2 ? monitor::kMacroRelease : monitor::kMacroPress, delays[i]};
        std::memcpy(button.events + 4 * i, &event, sizeof event);
    }
    return button;
}

}  // namespace tesh::test
