// Keys in their three codings: Windows virtual keys (key messages and hooks), USB HID
// keyboard usages (what the mouse keeps in macros and shortcuts) and set-1 scan codes
// (where a key sits). Mouse buttons take the pseudo-codes 240..244 in both codings so
// that macro events can hold them.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "settings/keyboard_layout.h"

namespace tesh {

struct KeyCodeRow {
    int virtualKey;
    int usage;
    int scanCode;  // 0: none
};

constexpr std::size_t kKeyCodeRows = 109;

// Searched from the first row. Usage 50 has no row.
extern const std::array<KeyCodeRow, kKeyCodeRows> KeyCodeTable;

// Usages 4..69 (letters, digits, punctuation, Enter to Caps Lock, F1 to F12) follow
// the key's position on the keyboard, not the character printed on it.
constexpr int kFirstPositionalUsage = 4;
constexpr int kLastPositionalUsage = 69;

struct KeyCode {
    int code;  // 0 when not found
    bool found;
};

KeyCode VkToUsage(int virtualKey, const KeyboardLayout& layout);
KeyCode UsageToVk(int usage, const KeyboardLayout& layout);

// The texts shown in button labels, the shortcut dialog and the macro editor; empty
// for a key without one.
std::string VkName(int virtualKey, const KeyboardLayout& layout);
std::string UsageName(int usage, const KeyboardLayout& layout);

}  // namespace tesh
