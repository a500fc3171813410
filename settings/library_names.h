// Names of macros, macro sets and timers: compared trimmed and without regard to case.
// A set's name is also the name of its section in the macro file, so only names that
// read back as that same section may be stored.
#pragma once

#include <cstddef>
#include <string_view>

namespace tesh {

// The section of the macro file that lists the sets.
inline constexpr char kSetIndexSection[] = "SetMacro";
// A set name is kept in a 200-byte buffer with its terminator.
inline constexpr std::size_t kMaxSetNameBytes = 199;
// What the dialogs let the user type for a set, macro or timer name.
inline constexpr std::size_t kMaxTypedNameLength = 24;

// `name` without the blanks around it.
std::string_view TrimName(std::string_view name);
// A name as the dialogs' name fields take it: trimmed and cut to 24 characters.
std::string_view TypedName(std::string_view name);
// Trimmed and case-insensitive equality.
bool SameName(std::string_view a, std::string_view b);
// False for a name that would break the macro file: empty once trimmed, longer than
// its buffer, holding "[", "]" or a control character (a line break would end the
// section header), or naming the section that lists the sets.
bool IsStorableSetName(std::string_view name);

}  // namespace tesh
