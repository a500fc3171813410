// The macro player's clock on Windows: the performance counter for the time, and a
// waitable timer for the sleeps (the high-resolution kind where the system has it,
// else an ordinary one with the system timer at 1 ms), woken early enough and finished
// by a short spin on the counter, so that each delay ends well within a millisecond.
#pragma once

#include <windows.h>

#include <cstdint>

#include "monitor/events/macro_player.h"

namespace tesh::monitor {

class HighResolutionClock : public MacroClock {
  public:
    HighResolutionClock();
    ~HighResolutionClock() override;
    HighResolutionClock(const HighResolutionClock&) = delete;
    HighResolutionClock& operator=(const HighResolutionClock&) = delete;

    int64_t NowUs() override;
    void SleepUntilUs(int64_t deadlineUs) override;

    // Without a high-resolution timer the system timer runs at 1 ms between these two
    // calls (while a macro plays); elsewhere they do nothing.
    void BeginPrecise();
    void EndPrecise();

    // The timer is of the high-resolution kind.
    bool highResolution() const { return highResolution_; }

  private:
    // Learns from a wake `lateUs` after the time asked for.
    void Follow(int64_t lateUs);

    HANDLE timer_ = nullptr;
    bool highResolution_ = false;
    bool periodRaised_ = false;
    int64_t frequency_ = 1;
    int64_t spinUs_;
};

}  // namespace tesh::monitor
