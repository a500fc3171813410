// The rules of the macro manager's set and macro lists over its copy of the library.
// Limits and repeated names refuse silently; the caller redraws.
#pragma once

#include <string_view>

#include "settings/macro_library.h"

namespace tesh::option {

// Appends an empty set (state new) with the trimmed name cut to 24 characters. False
// (nothing added) with 100 sets, a name another set has, or a name that cannot name a
// section of the file (IsStorableSetName).
bool AddMacroSet(MacroLibrary& library, std::string_view name);
// Appends a zeroed macro with the trimmed name cut to 24 characters and marks the set
// new. False with 100 macros, an empty name or a name another macro of the set has.
bool AddMacro(MacroSet& set, std::string_view name);

}  // namespace tesh::option
