// The spoken feedback of the device events and the countdown of the timer function.
// A feedback sound comes half a second after its event through a once-timer, so that
// a quick run of events speaks only the last one; starting one stops the others. The
// last five seconds of a countdown and the four seconds of a trophy sound keep the
// other feedback quiet.
#pragma once

#include <cstdint>

#include "monitor/events/event_ports.h"
#include "monitor/host_ports.h"
#include "settings/settings_set.h"

namespace tesh::monitor {

class Feedback {
  public:
    // `image` is read for the active profile's sound volume when a sound plays.
    Feedback(LinkHost& host, SoundPort& sounds, SettingsSet& image)
        : host_(host), sounds_(sounds), image_(image) {}

    // Neither the last five seconds of a countdown nor a trophy sound is on.
    bool Allowed() const { return !lastFiveSeconds_ && !trophySound_; }
    // Kills every feedback timer and ends the trophy sound's quiet time.
    void Stop();
    // Stops the feedback, then starts `timer` (601..608) once.
    void Start(int timer);
    // Timer 603 will speak the CPI of this level value.
    void RememberCpiLevel(int32_t level) { cpiLevel_ = level; }
    // Stops the feedback and speaks the trophy; quiet for four seconds after.
    void Trophy(bool everyTrophy);
    // Plays at the active profile's volume.
    void Play(int number);

    // The timer function: a countdown of `seconds` (a running one starts over).
    void StartCountdown(int32_t seconds);
    // Only a running countdown stops.
    void StopCountdown();

    // The once-timers 601..608 and 610 and the countdown's timer 600; false for any
    // other timer.
    bool OnTimer(int timer);

    bool countdownRunning() const { return countdownRunning_; }
    bool lastFiveSeconds() const { return lastFiveSeconds_; }

  private:
    void CountdownStep();

    LinkHost& host_;
    SoundPort& sounds_;
    SettingsSet& image_;
    int32_t countdown_ = 0;
    bool countdownRunning_ = false;
    bool lastFiveSeconds_ = false;
    bool trophySound_ = false;
    int32_t cpiLevel_ = 0;
};

}  // namespace tesh::monitor
