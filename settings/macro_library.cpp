#include "settings/macro_library.h"

#include <algorithm>
#include <cstring>

#include "settings/ini_file.h"
#include "settings/library_names.h"
#include "settings/profile_file.h"

namespace tesh {

namespace {

int Bounded(int value, int lo, int hi) {
    return std::clamp(value, lo, hi);
}

std::string IndexKey(int i) {
    return std::to_string(i);
}

MacroSet ReadSet(const IniDocument& doc, std::string name) {
    MacroSet set;
    set.name = std::move(name);
    set.state = SetState::kUnchanged;
    int count = Bounded(IniReadInt(doc, set.name, kCountKey, -1), 0, kMaxMacrosPerSet);
    for (int i = 0; i < count; ++i) {
        MacroRecord macro;
        if (!IniReadStruct(doc, set.name, IndexKey(i), &macro, sizeof macro)) continue;
        BoundMacro(macro);
        set.macros.push_back(macro);
    }
    return set;
}

}  // namespace

MacroRecord NewMacro(std::string_view name) {
    MacroRecord macro;
    std::memset(&macro, 0, sizeof macro);
    CopyToField(macro.name, sizeof macro.name, name);
    return macro;
}

void BoundMacro(MacroRecord& macro) {
    macro.eventCount = Bounded(macro.eventCount, 0, kMaxMacroEvents);
    macro.repeatCount = Bounded(macro.repeatCount, 0, kMaxRepeatCount);
    macro.name[sizeof macro.name - 1] = '\0';
    std::size_t length = std::strlen(macro.name);
    std::memset(macro.name + length, 0, sizeof macro.name - length);
    std::size_t used = sizeof(MacroEvent) * static_cast<std::size_t>(macro.eventCount);
    std::memset(macro.events + used, 0, sizeof macro.events - used);
}

int FindSet(const MacroLibrary& library, std::string_view name) {
    for (std::size_t i = 0; i < library.sets.size(); ++i)
        if (SameName(library.sets[i].name, name)) return static_cast<int>(i);
    return -1;
}

int FindMacro(const MacroSet& set, std::string_view name) {
    for (std::size_t i = 0; i < set.macros.size(); ++i)
        if (SameName(FieldText(set.macros[i].name, sizeof set.macros[i].name), name))
            return static_cast<int>(i);
    return -1;
}

MacroLibrary ReadMacroLibrary(const IniDocument& doc) {
    MacroLibrary library;
    int count = Bounded(IniReadInt(doc, kSetIndexSection, kCountKey, -1), 0, kMaxMacroSets);
    for (int i = 0; i < count; ++i) {
        std::string name(TrimName(IniReadString(doc, kSetIndexSection, IndexKey(i), "")));
        if (!IsStorableSetName(name) || FindSet(library, name) >= 0) continue;
        library.sets.push_back(ReadSet(doc, std::move(name)));
    }
    return library;
}

void WriteMacroLibrary(IniDocument& doc, const MacroLibrary& library) {
    std::vector<const MacroSet*> stored;
    for (const MacroSet& set : library.sets)
        if (IsStorableSetName(set.name) && stored.size() < kMaxMacroSets) stored.push_back(&set);
    IniWriteInt(doc, kSetIndexSection, kCountKey, static_cast<int>(stored.size()));
    for (std::size_t i = 0; i < stored.size(); ++i)
        IniWriteString(doc, kSetIndexSection, IndexKey(static_cast<int>(i)),
                       TrimName(stored[i]->name));
    for (const MacroSet* set : stored) {
        if (set->state == SetState::kUnchanged) continue;
        std::string section(TrimName(set->name));
        int count = static_cast<int>(std::min<std::size_t>(set->macros.size(), kMaxMacrosPerSet));
        IniWriteInt(doc, section, kCountKey, count);
        for (int i = 0; i < count; ++i) {
            MacroRecord macro = set->macros[static_cast<std::size_t>(i)];
            BoundMacro(macro);
            IniWriteStruct(doc, section, IndexKey(i), &macro, sizeof macro);
        }
    }
}

MacroLibrary LoadMacroLibrary(const std::string& path) {
    return ReadMacroLibrary(IniFile(path).Load());
}

bool SaveMacroLibrary(MacroLibrary& library, const std::string& path) {
    bool saved = IniFile(path).Update([&](IniDocument& doc) { WriteMacroLibrary(doc, library); });
    if (saved)
        for (MacroSet& set : library.sets) set.state = SetState::kUnchanged;
    return saved;
}

}  // namespace tesh
