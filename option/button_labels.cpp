#include "option/button_labels.h"

#include <cstdio>

#include "option/button_catalogue.h"
#include "settings/key_tables.h"
#include "settings/profile_file.h"

namespace tesh::option {
namespace {

template <std::size_t N>
std::string Text(const char (&field)[N]) {
    return FieldText(field, N);
}

bool HoldsAllDevicesShift(const ButtonRecord& button) {
    return button.code == code::kQuixshift || button.code == code::kQuibAll;
}

}  // namespace

std::string ShortcutLabel(uint8_t usage, uint8_t modifiers, const KeyboardLayout& layout) {
    std::string label;
    if (modifiers != modifier::kNone) {
        if (modifiers & modifier::kCtrl) label += "Ctrl+";
        if (modifiers & modifier::kShift) label += "Shift+";
        if (modifiers & modifier::kAlt) label += "Alt+";
        if (modifiers & modifier::kWin) label += "Win+";
    }
    return label + UsageName(usage, layout);
}

std::string ProgramLabel(std::string_view path) {
    const std::size_t cut = path.find_last_of("\\/:");
    if (cut != std::string_view::npos) path.remove_prefix(cut + 1);
    return std::string(path);
}

std::string QuixAimLabel(int dpi) {
    char text[40];
    std::snprintf(text, sizeof text, "Quix-Aim %d DPI", dpi);
    return text;
}

std::string ButtonLabel(const ButtonRecord& button, const ProfileRecord& profile,
                        const KeyboardLayout& layout) {
    const uint8_t c = button.code;
    switch (c) {
        case code::kShortcut:
            if (button.eventCount == 0) return "";
            return ShortcutLabel(button.events[0], button.events[1], layout);
        case code::kProgram:
            return ProgramLabel(Text(button.programPath));
        case code::kMacro:
            return Text(button.macroName);
        case code::kTimer:
            return Text(button.timerName);
        case code::kQuibDevice:
            return "Quixshift " + Text(button.text1);
        case code::kQuibDeviceLock:
            return "Quixshift " + Text(button.text1) + " Lock";
        default:
            break;
    }
    if (c >= code::kFirstQuixAim && c <= code::kLastQuixAim)
        return QuixAimLabel(QuixAimDpi(profile.CpiLevel_X[c - code::kFirstQuixAim]));
    const CatalogueEntry* entry = FindCode(c);
    return entry && entry->label ? entry->label : "";
}

bool UsesFirstBitmapSet(int slot, uint8_t functionCode) {
    return slot == 0 || slot == 1 || functionCode == code::kNone;
}

int HighlightPicture(int slot, const ProfileRecord& profile) {
    if (slot < 0 || slot >= kButtonSlots) return -1;
    if (slot < kShiftLayerOffset) return slot;
    const bool a = HoldsAllDevicesShift(profile.Buttons[3]);
    const bool b = HoldsAllDevicesShift(profile.Buttons[4]);
    if (a && b) return slot + 24;
    if (b) return slot + 12;
    if (!a) return slot + 36;
    return slot;
}

}  // namespace tesh::option
