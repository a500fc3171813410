// The rules of the timer dialogs over the application's timer list: create, rename or
// change, and delete. Limits refuse silently; a refused name keeps the dialog open or
// the list unchanged. The caller saves Timer.ini when its dialog closes with OK.
#pragma once

#include <string_view>

#include "settings/timer_list.h"

namespace tesh::option {

// What the duration spin starts at in the create dialog, and shows with no timer.
inline constexpr int kNewTimerSeconds = 30;
inline constexpr int kNoTimerSeconds = 10;

bool CanCreateTimer(const TimerList& timers);
bool CanEditTimers(const TimerList& timers);

// Appends a timer with the trimmed name (cut to 24 characters, as the field takes) and
// the duration clamped to 15..999. False (nothing added) with 50 timers, an empty
// name, or a name another timer has.
bool CreateTimer(TimerList& timers, std::string_view name, int seconds);

enum class TimerSave { kUnchanged, kRenamed, kDurationOnly };
// "SAVE TIMER" on the selected timer: a new name no other timer has renames it and
// sets the duration; its own name sets only the duration; an empty name, another
// timer's name or no selection change nothing.
TimerSave SaveTimer(TimerList& timers, int selected, std::string_view name, int seconds);

// Removes the selected timer; returns the new selection: the same index, or the last
// timer, or -1 when none is left (or nothing was selected).
int DeleteTimer(TimerList& timers, int selected);

}  // namespace tesh::option
