// The countdown timers of the configuration application, kept in "config\Timer.ini":
// [Timer] "Count" and one struct entry "0", "1"... per timer. The file always holds
// exactly the list.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ini_document.h"

namespace tesh {

inline constexpr char kTimerFile[] = "config\\Timer.ini";
inline constexpr char kTimerSection[] = "Timer";
inline constexpr char kTimerCountKey[] = "Count";
inline constexpr int kMaxTimers = 50;
inline constexpr int kMinTimerSeconds = 15;
inline constexpr int kMaxTimerSeconds = 999;

// One timer as the file stores it, byte for byte.
struct TimerRecord {
    int32_t seconds;  // 15..999
    char name[100];   // terminated; the dialogs allow 24 characters
};
static_assert(sizeof(TimerRecord) == 104);

using TimerList = std::vector<TimerRecord>;

// A timer with `name` (cut to the field, zero after its end) and `seconds`.
TimerRecord NewTimer(std::string_view name, int seconds);
// Duration clamped to 15..999, the name terminated and zero after its end.
void BoundTimer(TimerRecord& timer);
// Index of the timer with that name (trimmed, case-insensitive), or -1.
int FindTimer(const TimerList& timers, std::string_view name);

// At most 50 timers, each bounded; entries that are missing or fail their checksum and
// names that are empty or repeat an earlier timer's are left out.
TimerList ReadTimerList(const IniDocument& doc);
// A new document holding exactly the list (the first 50, each bounded).
IniDocument TimerListDocument(const TimerList& timers);

// A missing or unreadable file gives an empty list.
TimerList LoadTimerList(const std::string& path);
// Replaces the file atomically: a crash leaves the old list or the new one.
bool SaveTimerList(const TimerList& timers, const std::string& path);

}  // namespace tesh
