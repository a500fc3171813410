#include "option/library_catalogue.h"

#include <algorithm>
#include <cstring>

#include "option/function_codes.h"
#include "settings/library_names.h"
#include "settings/profile_file.h"

namespace tesh::option {

namespace {

// Replaces a fixed field whole: the text, its terminator and zeros after it.
void PutField(char* field, std::size_t size, std::string_view text) {
    std::memset(field, 0, size);
    CopyToField(field, size, text);
}

}  // namespace

std::vector<MacroMenuSet> MacroMenu(const MacroLibrary& library, const ButtonRecord& button) {
    const bool holdsMacro = button.code == kMacroCode;
    std::string setName = FieldText(button.macroSetName, sizeof button.macroSetName);
    std::string macroName = FieldText(button.macroName, sizeof button.macroName);
    std::vector<MacroMenuSet> menu;
    std::size_t sets = std::min<std::size_t>(library.sets.size(), kMenuSets);
    for (std::size_t k = 0; k < sets; ++k) {
        const MacroSet& set = library.sets[k];
        MacroMenuSet entry;
        entry.name = set.name;
        entry.selected = holdsMacro && SameName(set.name, setName);
        std::size_t macros = std::min<std::size_t>(set.macros.size(), kMenuMacros);
        for (std::size_t j = 0; j < macros; ++j) {
            const MacroRecord& m = set.macros[j];
            entry.macros.push_back(FieldText(m.name, sizeof m.name));
            if (entry.selected && entry.selectedMacro < 0 &&
                SameName(entry.macros.back(), macroName))
                entry.selectedMacro = static_cast<int>(j);
        }
        menu.push_back(std::move(entry));
    }
    return menu;
}

std::vector<std::string> TimerMenu(const TimerList& timers) {
    std::vector<std::string> names;
    std::size_t count = std::min<std::size_t>(timers.size(), kMaxTimers);
    for (std::size_t i = 0; i < count; ++i)
        names.push_back(FieldText(timers[i].name, sizeof timers[i].name));
    return names;
}

std::optional<MacroChoice> MacroOfCommand(int command) {
    if (command < kFirstMacroCommand || command >= kFirstMacroCommand + kMenuSets * kMenuMacros)
        return std::nullopt;
    int offset = command - kFirstMacroCommand;
    return MacroChoice{offset / kMenuMacros, offset % kMenuMacros};
}

bool AssignMacro(const MacroLibrary& library, int set, int macro, ButtonRecord& button) {
    if (set < 0 || static_cast<std::size_t>(set) >= library.sets.size()) return false;
    const MacroSet& s = library.sets[static_cast<std::size_t>(set)];
    if (macro < 0 || static_cast<std::size_t>(macro) >= s.macros.size()) return false;
    MacroRecord m = s.macros[static_cast<std::size_t>(macro)];
    BoundMacro(m);
    PutField(button.macroSetName, sizeof button.macroSetName, TrimName(s.name));
    PutField(button.macroName, sizeof button.macroName, FieldText(m.name, sizeof m.name));
    button.repeatCount = m.repeatCount;
    button.eventCount = static_cast<uint16_t>(m.eventCount);
    static_assert(sizeof button.events == sizeof m.events);
    std::memcpy(button.events, m.events, sizeof button.events);
    button.code = kMacroCode;
    return true;
}

bool AssignTimer(const TimerList& timers, int index, ButtonRecord& button) {
    if (index < 0 || static_cast<std::size_t>(index) >= timers.size()) return false;
    TimerRecord t = timers[static_cast<std::size_t>(index)];
    BoundTimer(t);
    button.timerValue = t.seconds;
    PutField(button.timerName, sizeof button.timerName, FieldText(t.name, sizeof t.name));
    button.code = kTimerCode;
    return true;
}

}  // namespace tesh::option
