// The macro library and the timer list as JSON:
//   {"sets": [{"name": "...", "macros": [{"name": "...", "repeat": 1,
//                                         "events": [[key, action, delay], ...]}]}]}
//   {"timers": [{"name": "...", "seconds": 30}]}
// Reading checks everything a file written from it must hold: the limits of the lists,
// names that fit their fields (set names that can name a section, no set or timer name
// twice), and every number in its range. Nothing is cut or clamped.
#pragma once

#include "settings/macro_library.h"
#include "settings/timer_list.h"
#include "tools/json_values.h"

namespace tesh {

Json MacroLibraryToJson(const MacroLibrary& library);
// Every set read is new, so that a save writes all of them.
Status MacroLibraryFromJson(const Json& value, MacroLibrary& library);

Json TimerListToJson(const TimerList& timers);
Status TimerListFromJson(const Json& value, TimerList& timers);

}  // namespace tesh
