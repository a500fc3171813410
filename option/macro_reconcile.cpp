#include "option/macro_reconcile.h"

#include <algorithm>
#include <cstring>

#include "option/button_catalogue.h"
#include "settings/library_names.h"
#include "settings/profile_file.h"

namespace tesh::option {

namespace {

std::size_t EventBytes(int count) {
    return sizeof(MacroEvent) * static_cast<std::size_t>(count);
}

bool SameEvents(const MacroRecord& a, const MacroRecord& b) {
    return a.eventCount == b.eventCount &&
           std::memcmp(a.events, b.events, EventBytes(a.eventCount)) == 0;
}

// Brings one button's macro into the library; true when the library changed.
bool ReconcileButton(MacroLibrary& library, const ButtonRecord& button) {
    if (button.code != code::kMacro) return false;
    std::string setName(TrimName(FieldText(button.macroSetName, sizeof button.macroSetName)));
    if (setName.empty()) return false;
    MacroRecord fromButton = MacroOfButton(button);

    int k = FindSet(library, setName);
    if (k < 0) {
        if (!IsStorableSetName(setName) ||
            library.sets.size() >= static_cast<std::size_t>(kMaxMacroSets))
            return false;
        library.sets.push_back(MacroSet{setName, {}, SetState::kNew});
        k = static_cast<int>(library.sets.size()) - 1;
    }
    MacroSet& set = library.sets[static_cast<std::size_t>(k)];
    int j = FindMacro(set, FieldText(fromButton.name, sizeof fromButton.name));
    if (j < 0) {
        if (set.macros.size() >= static_cast<std::size_t>(kMaxMacrosPerSet)) return false;
        set.macros.push_back(fromButton);
        set.state = SetState::kNew;
        return true;
    }
    MacroRecord& macro = set.macros[static_cast<std::size_t>(j)];
    if (SameEvents(macro, fromButton)) return false;
    std::memcpy(macro.events, fromButton.events, sizeof macro.events);
    macro.eventCount = fromButton.eventCount;
    macro.repeatCount = fromButton.repeatCount;
    set.state = SetState::kModified;
    return true;
}

}  // namespace

MacroRecord MacroOfButton(const ButtonRecord& button) {
    MacroRecord macro = NewMacro(FieldText(button.macroName, sizeof button.macroName));
    macro.repeatCount = button.repeatCount;
    macro.eventCount = std::min<int>(button.eventCount, kMaxMacroEvents);
    std::memcpy(macro.events, button.events, sizeof macro.events);
    BoundMacro(macro);
    return macro;
}

bool ReconcileWithProfiles(MacroLibrary& library, const SettingsSet& settings) {
    bool changed = false;
    for (const ProfileRecord& profile : settings.Profiles)
        for (const ButtonRecord& button : profile.Buttons)
            changed = ReconcileButton(library, button) || changed;
    return changed;
}

bool ReconcileAndSave(MacroLibrary& library, const SettingsSet& settings, const std::string& path) {
    ReconcileWithProfiles(library, settings);
    return SaveMacroLibrary(library, path);
}

}  // namespace tesh::option
