// The JSON form of the two structs of a profile: a LightEntry
// {"index","on","red","green","blue"} and a ButtonRecord
// {"number","code","targetId","text1","macroSet","macroName","repeat","eventCount",
//  "events":[[key,action,delay],...],"timerValue","timerName","programPath"}.
// Reading changes only the members present, so absent ones keep what the record held.
#pragma once

#include "settings/settings_set.h"
#include "tools/json_values.h"

namespace tesh {

Json LightToJson(const LightEntry& light);
Status LightFromJson(const Json& value, LightEntry& light);

// The events shown are the first eventCount ones, at most 500 (the event area holds no
// more; a shortcut's key and modifier are the first event's key and action).
int ShownEventCount(const ButtonRecord& button);
MacroEvent EventAt(const ButtonRecord& button, int index);

// A macro event area as [[key, action, delay], ...] (delays little-endian in the area).
inline constexpr std::size_t kEventAreaSize = sizeof(MacroEvent) * kMaxMacroEvents;
MacroEvent EventOf(const uint8_t* events, int index);
Json EventsToJson(const uint8_t* events, int count);
// At most 500 events; the area is zeroed first, so the bytes after the last one are 0.
Status EventsFromJson(const Json& value, uint8_t (&events)[kEventAreaSize]);

Json ButtonToJson(const ButtonRecord& button);
// "events" replaces the whole event area; eventCount, when absent, is the number of
// events given, and when present must agree with it.
Status ButtonFromJson(const Json& value, ButtonRecord& button);

}  // namespace tesh
