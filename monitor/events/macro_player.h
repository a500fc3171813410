// The macro player: a macro button's events played as keyboard and mouse input on a
// thread of their own, every delay kept to the millisecond on one schedule, so that
// the delays neither round to the system's timer tick nor drift. A second press of a
// macro button stops the macro that plays, and every key and mouse button that it
// still holds is let go.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

#include "monitor/events/event_ports.h"
#include "settings/keyboard_layout.h"
#include "settings/settings_set.h"

namespace tesh::monitor {

// Time for the player, in microseconds of a steady clock.
class MacroClock {
  public:
    virtual ~MacroClock() = default;
    virtual int64_t NowUs() = 0;
    // Returns at `deadlineUs`, or as soon after it as the platform can.
    virtual void SleepUntilUs(int64_t deadlineUs) = 0;
};

// The macro player thread: Play runs there when the posted message arrives.
class MacroThread {
  public:
    virtual ~MacroThread() = default;
    virtual bool PostPlay() = 0;
};

constexpr uint8_t kMacroPress = 1;
constexpr uint8_t kMacroRelease = 2;
// A key pressed for longer than this repeats, as a held key does.
constexpr uint32_t kMacroRepeatAfterMs = 500;
constexpr uint32_t kMacroRepeatMs = 33;
// Keys still held when a macro is stopped are let go this far apart.
constexpr uint32_t kMacroReleaseGapMs = 50;

class MacroPlayer {
  public:
    MacroPlayer(InputPort& input, const KeyboardLayout& layout, MacroClock& clock,
                MacroThread& thread);

    // Window thread, a macro button pressed: a button without events does nothing;
    // while a macro plays, the press stops it; otherwise this button's macro plays.
    void Start(const ButtonRecord& button);
    // Asks the playing macro to stop (at shutdown).
    void RequestStop() { stop_.store(true); }
    bool playing() const { return playing_.load(); }

    // Player thread: plays the prepared macro, its repeat count times.
    void Play();

  private:
    struct Macro {
        int32_t repeatCount = 1;
        int eventCount = 0;
        MacroEvent events[kMaxMacroEvents] = {};
    };
    struct Held {
        bool mouse;
        int code;  // virtual key or MouseButton
        bool operator==(const Held&) const = default;
    };

    bool PlayEvent(const MacroEvent& event);
    void PressKey(int virtualKey, uint32_t delayMs);
    void Send(Held held, bool up);
    // Waits `ms` on the schedule; false when the stop flag ended the wait.
    bool Wait(uint32_t ms);
    void ReleaseHeld();

    InputPort& input_;
    const KeyboardLayout& layout_;
    MacroClock& clock_;
    MacroThread& thread_;

    std::mutex preparedMutex_;
    Macro prepared_;  // written by the window thread
    Macro current_;   // the player thread's copy
    std::atomic<bool> stop_{false};
    std::atomic<bool> playing_{false};
    std::vector<Held> held_;  // in pressing order
    int64_t deadlineUs_ = 0;
};

}  // namespace tesh::monitor
