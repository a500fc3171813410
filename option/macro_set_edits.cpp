#include "option/macro_set_edits.h"

#include <string>

#include "settings/library_names.h"

namespace tesh::option {

bool AddMacroSet(MacroLibrary& library, std::string_view name) {
    std::string typed(TypedName(name));
    if (library.sets.size() >= static_cast<std::size_t>(kMaxMacroSets) ||
        !IsStorableSetName(typed) || FindSet(library, typed) >= 0)
        return false;
    library.sets.push_back(MacroSet{typed, {}, SetState::kNew});
    return true;
}

bool AddMacro(MacroSet& set, std::string_view name) {
    std::string typed(TypedName(name));
    if (set.macros.size() >= static_cast<std::size_t>(kMaxMacrosPerSet) || typed.empty() ||
        FindMacro(set, typed) >= 0)
        return false;
    set.macros.push_back(NewMacro(typed));
    set.state = SetState::kNew;
    return true;
}

}  // namespace tesh::option
