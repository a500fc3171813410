// The macro library and the timer list as the button page's catalogue takes them: the
// names its popups list, and a macro as a button takes it. From then on the button
// carries its own copy; later edits of the library do not reach it.
#pragma once

#include <optional>
#include <vector>

#include "option/button_commands.h"
#include "settings/macro_library.h"
#include "settings/timer_list.h"

namespace tesh::option {

// The first 100 sets, each with its first 100 macros.
std::vector<MacroSetListing> MacroSetListings(const MacroLibrary& library);
// Every timer, bounded (at most 50, durations 15..999).
std::vector<TimerListing> TimerListings(const TimerList& timers);
// Macro `macro` of set `set`, bounded (names terminated in their fields, at most 500
// events, repeat 0..255, no event bytes after the last event); nothing when the
// library has no such macro.
std::optional<MacroContent> MacroContentOf(const MacroLibrary& library, MacroIndex index);

}  // namespace tesh::option
