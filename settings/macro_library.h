// The macro library of the configuration application: named macro sets of macros,
// kept in "config\Preset_sequence.dat". The file lists the sets in [SetMacro] ("number"
// and "0", "1"... with the set names); each set's section holds its "number" of macros
// as struct entries "0", "1"...
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/ini_document.h"
#include "settings/settings_set.h"

namespace tesh {

inline constexpr char kMacroLibraryFile[] = "config\\Preset_sequence.dat";
inline constexpr char kCountKey[] = "number";
inline constexpr int kMaxMacroSets = 100;
inline constexpr int kMaxMacrosPerSet = 100;
inline constexpr int kMaxRepeatCount = 255;
inline constexpr std::size_t kMacroEventBytes = sizeof(MacroEvent) * kMaxMacroEvents;

// One macro as the file stores it, byte for byte.
struct MacroRecord {
    char name[52];                     // terminated; the editor allows 24 characters
    int32_t repeatCount;               // 1..255; 0 in a macro that was never given one
    int32_t eventCount;                // 0..500
    uint8_t events[kMacroEventBytes];  // the bytes after the last event are 0
};
static_assert(sizeof(MacroRecord) == 2060);

// Whether a set's macros must be written at the next save.
enum class SetState : int32_t { kUnchanged = 0, kNew = 1, kModified = 3 };

struct MacroSet {
    std::string name;
    std::vector<MacroRecord> macros;
    SetState state = SetState::kNew;
};

struct MacroLibrary {
    std::vector<MacroSet> sets;
};

// A zeroed macro with `name` (cut to the field).
MacroRecord NewMacro(std::string_view name);
// Puts a macro within its bounds: event count 0..500, repeat count 0..255, the name
// terminated and zero after its end, and the event bytes after the last event zero.
void BoundMacro(MacroRecord& macro);
// Index of the set or macro with that name (trimmed, case-insensitive), or -1.
int FindSet(const MacroLibrary& library, std::string_view name);
int FindMacro(const MacroSet& set, std::string_view name);

// Reads the library from a document: at most 100 sets of at most 100 macros, every
// macro bounded, all states unchanged. Sets whose names cannot be stored or repeat an
// earlier set's name are left out, and so are macro entries that are missing or fail
// their checksum.
MacroLibrary ReadMacroLibrary(const IniDocument& doc);
// Writes the set list, and the macros of every set whose state is not unchanged, into
// the document (the sections of other sets and the keys beyond the new counts stay).
// Sets whose names cannot be stored are not written. States are left as they are.
void WriteMacroLibrary(IniDocument& doc, const MacroLibrary& library);

// The file; a missing or unreadable one gives an empty library.
MacroLibrary LoadMacroLibrary(const std::string& path);
// Updates the file in one atomic replacement and, when that succeeds, marks every set
// unchanged. False when the file could not be written (the states then stay, so the
// next save writes the same sets again).
bool SaveMacroLibrary(MacroLibrary& library, const std::string& path);

}  // namespace tesh
