// At start and after the monitor has read everything back from the mouse, the library
// learns the macros that the buttons of the five profiles carry: a button's copy is
// what the mouse plays, so it wins over the library's.
#pragma once

#include <string>

#include "settings/macro_library.h"
#include "settings/settings_set.h"

namespace tesh::option {

// The library's form of a button's macro: its name, repeat count and events, each
// bounded (at most 500 events, repeat 0..255, the name cut to the macro's field).
MacroRecord MacroOfButton(const ButtonRecord& button);

// For every macro button (code 48 with a set name) of every profile: a missing set or
// macro is appended from the button (state new), a macro whose events differ from the
// button's takes the button's events, event count and repeat count (state modified).
// Buttons whose set name cannot be stored, and additions past 100 sets or 100 macros,
// are skipped. The profiles are only read. True when the library changed.
bool ReconcileWithProfiles(MacroLibrary& library, const SettingsSet& settings);
// Reconciles and saves the library to `path`; false when the save failed.
bool ReconcileAndSave(MacroLibrary& library, const SettingsSet& settings, const std::string& path);

}  // namespace tesh::option
