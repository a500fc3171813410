// What the function catalogue of the button page takes from the macro library and the
// timer list: the entries of its "Macro + Preset Compilation" and "Assign a Timer"
// popups, and the copies it puts into a button area when one is picked. From then on
// the button carries its own copy; later edits of the library do not reach it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/macro_library.h"
#include "settings/settings_set.h"
#include "settings/timer_list.h"

namespace tesh::option {

inline constexpr int kCreateNewMacroCommand = 1099;
inline constexpr int kFirstMacroCommand = 1100;       // + 100 * set + macro
inline constexpr int kFirstEditMacroCommand = 11100;  // + set
inline constexpr int kFirstTimerCommand = 505;        // + timer
// The menu shows at most this many sets, and this many macros of each.
inline constexpr int kMenuSets = kMaxMacroSets;
inline constexpr int kMenuMacros = kMaxMacrosPerSet;

struct MacroMenuSet {
    std::string name;
    std::vector<std::string> macros;
    bool selected = false;   // the set of the button's current macro
    int selectedMacro = -1;  // the button's current macro within the set
};

// The sets and macros as the popup lists them (the first 100 of each), marked for a
// button that holds a macro (code 48) by its stored set and macro names.
std::vector<MacroMenuSet> MacroMenu(const MacroLibrary& library, const ButtonRecord& button);
std::vector<std::string> TimerMenu(const TimerList& timers);

struct MacroChoice {
    int set;
    int macro;
};
// The set and macro of a command 1100..11099; nullopt for any other command.
std::optional<MacroChoice> MacroOfCommand(int command);

// Copies macro `macro` of set `set` into the button: set and macro names (cut to the
// button's fields and terminated), repeat count, event count and all event bytes; code
// 48. False (the button unchanged) when there is no such macro.
bool AssignMacro(const MacroLibrary& library, int set, int macro, ButtonRecord& button);
// Copies timer `index` (duration and name) into the button; code 49. False (the button
// unchanged) when there is no such timer.
bool AssignTimer(const TimerList& timers, int index, ButtonRecord& button);

}  // namespace tesh::option
