#include "option/timer_edits.h"

#include <algorithm>
#include <string>

#include "settings/library_names.h"
#include "settings/profile_file.h"

namespace tesh::option {

namespace {

bool Selected(const TimerList& timers, int selected) {
    return selected >= 0 && static_cast<std::size_t>(selected) < timers.size();
}

}  // namespace

bool CanCreateTimer(const TimerList& timers) {
    return timers.size() < static_cast<std::size_t>(kMaxTimers);
}

bool CanEditTimers(const TimerList& timers) {
    return !timers.empty();
}

bool CreateTimer(TimerList& timers, std::string_view name, int seconds) {
    std::string typed(TypedName(name));
    if (!CanCreateTimer(timers) || typed.empty() || FindTimer(timers, typed) >= 0) return false;
    timers.push_back(NewTimer(typed, seconds));
    return true;
}

TimerSave SaveTimer(TimerList& timers, int selected, std::string_view name, int seconds) {
    std::string typed(TypedName(name));
    if (!Selected(timers, selected) || typed.empty()) return TimerSave::kUnchanged;
    int owner = FindTimer(timers, typed);
    TimerRecord& timer = timers[static_cast<std::size_t>(selected)];
    if (owner == selected) {
        timer.seconds = std::clamp(seconds, kMinTimerSeconds, kMaxTimerSeconds);
        return TimerSave::kDurationOnly;
    }
    if (owner >= 0) return TimerSave::kUnchanged;
    timer = NewTimer(typed, seconds);
    return TimerSave::kRenamed;
}

int DeleteTimer(TimerList& timers, int selected) {
    if (!Selected(timers, selected)) return timers.empty() ? -1 : selected;
    timers.erase(timers.begin() + selected);
    if (timers.empty()) return -1;
    return std::min(selected, static_cast<int>(timers.size()) - 1);
}

}  // namespace tesh::option
