#include "settings/timer_list.h"

#include <algorithm>
#include <cstring>

#include "settings/file_io.h"
#include "settings/ini_file.h"
#include "settings/library_names.h"
#include "settings/profile_file.h"

namespace tesh {

TimerRecord NewTimer(std::string_view name, int seconds) {
    TimerRecord timer;
    std::memset(&timer, 0, sizeof timer);
    CopyToField(timer.name, sizeof timer.name, name);
    timer.seconds = seconds;
    BoundTimer(timer);
    return timer;
}

void BoundTimer(TimerRecord& timer) {
    timer.seconds = std::clamp(timer.seconds, kMinTimerSeconds, kMaxTimerSeconds);
    timer.name[sizeof timer.name - 1] = '\0';
    std::size_t length = std::strlen(timer.name);
    std::memset(timer.name + length, 0, sizeof timer.name - length);
}

int FindTimer(const TimerList& timers, std::string_view name) {
    for (std::size_t i = 0; i < timers.size(); ++i)
        if (SameName(FieldText(timers[i].name, sizeof timers[i].name), name))
            return static_cast<int>(i);
    return -1;
}

TimerList ReadTimerList(const IniDocument& doc) {
    TimerList timers;
    int count = std::clamp(IniReadInt(doc, kTimerSection, kTimerCountKey, -1), 0, kMaxTimers);
    for (int i = 0; i < count; ++i) {
        TimerRecord timer;
        if (!IniReadStruct(doc, kTimerSection, std::to_string(i), &timer, sizeof timer)) continue;
        BoundTimer(timer);
        std::string name = FieldText(timer.name, sizeof timer.name);
        if (TrimName(name).empty() || FindTimer(timers, name) >= 0) continue;
        timers.push_back(timer);
    }
    return timers;
}

IniDocument TimerListDocument(const TimerList& timers) {
    IniDocument doc;
    int count = static_cast<int>(std::min<std::size_t>(timers.size(), kMaxTimers));
    IniWriteInt(doc, kTimerSection, kTimerCountKey, count);
    for (int i = 0; i < count; ++i) {
        TimerRecord timer = timers[static_cast<std::size_t>(i)];
        BoundTimer(timer);
        IniWriteStruct(doc, kTimerSection, std::to_string(i), &timer, sizeof timer);
    }
    return doc;
}

TimerList LoadTimerList(const std::string& path) {
    return ReadTimerList(IniFile(path).Load());
}

bool SaveTimerList(const TimerList& timers, const std::string& path) {
    // Under the settings lock, as every other settings file is written.
    return IniFile(path).Update([&](IniDocument& doc) { doc = TimerListDocument(timers); });
}

}  // namespace tesh
