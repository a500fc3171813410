// The texts and pictures of the button page's labels: what a slot's label says for its
// function code and data, which bitmap set draws it, and which highlight picture a
// hover over it shows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "settings/keyboard_layout.h"
#include "settings/settings_set.h"

namespace tesh::option {

// Shortcut modifier bits (second byte of the event area).
namespace modifier {
constexpr uint8_t kNone = 1;  // alone when set
constexpr uint8_t kShift = 2;
constexpr uint8_t kCtrl = 4;
constexpr uint8_t kAlt = 8;
constexpr uint8_t kWin = 16;
}  // namespace modifier

// The key name after its prefixes, "Ctrl+", "Shift+", "Alt+", "Win+" in that order
// (none when the bits hold kNone).
std::string ShortcutLabel(uint8_t usage, uint8_t modifiers, const KeyboardLayout& layout);
// File name and extension of a program path.
std::string ProgramLabel(std::string_view path);
// "Quix-Aim %d DPI".
std::string QuixAimLabel(int dpi);

// The label of a slot in a profile; empty for codes the catalogue does not use.
std::string ButtonLabel(const ButtonRecord& button, const ProfileRecord& profile,
                        const KeyboardLayout& layout);

// Slots 0 and 1 and slots without a function use the skin's first bitmap set.
bool UsesFirstBitmapSet(int slot, uint8_t functionCode);

// The highlight picture (0..59) for a hover over slot 0..23's label; -1 for another.
int HighlightPicture(int slot, const ProfileRecord& profile);

// The page's command identifiers of the labels (slot + 200) and their hover message.
constexpr int kFirstLabelId = 200;
constexpr uint32_t kLabelHoverMessage = 1124;  // wParam 1 enter, 0 leave; lParam the id

}  // namespace tesh::option
