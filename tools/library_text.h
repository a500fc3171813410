// The macro library and the timer list as text to read in a terminal: one line per
// set, macro or timer, names quoted and escaped so that any byte stays on its line.
#pragma once

#include <string>

#include "settings/macro_library.h"
#include "settings/timer_list.h"

namespace tesh {

std::string MacroLibraryText(const MacroLibrary& library);
std::string TimerListText(const TimerList& timers);

}  // namespace tesh
