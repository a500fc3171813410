// Active profile, profile settings, buttons and macros: the reports that carry the
// five profiles. The reads of reports 6, 7 and 8 answer what the last status write
// selected; a read that does not match the selection fails.
#include <cstring>

#include "featlink/reports.h"

namespace tesh::vmouse {

namespace {

constexpr uint8_t kMacroLengthLow = kMacroLength & 0xFF;
constexpr uint8_t kMacroLengthHigh = kMacroLength >> 8;
constexpr uint32_t kMacroEntryOffset = 5;
constexpr uint32_t kEntriesOffset = 3;  // first data byte of reports 6 and 7

// The selection as the status write left it; one that names no profile or no button
// (damaged memory) selects nothing.
bool SelectedProfile(const Selection& selection, uint8_t& profile) {
    profile = selection.profile;
    return selection.valid && profile < kDeviceProfiles;
}

bool Selected(const DeviceState& state, uint8_t selector, uint8_t& profile) {
    const Selection selection = state.selection;
    return SelectedProfile(selection, profile) && selection.selector == selector;
}

bool SelectedMacro(const DeviceState& state, uint8_t& profile, uint8_t& button) {
    const Selection selection = state.selection;
    button = selection.selector;
    return SelectedProfile(selection, profile) && button < kDeviceButtons;
}

}  // namespace

// 5, 3, profile: makes the profile active.
CommandResult WriteActiveProfile(DeviceState& state, const uint8_t* report) {
    if (report[1] != kActiveProfileLength || report[2] >= kDeviceProfiles) return kRefused;
    state.flash.activeProfile = report[2];
    return kDone;
}

bool ReadActiveProfile(DeviceState& state, uint8_t* report) {
    report[1] = kActiveProfileLength;
    // As the mouse keeps it, out of range or not: the host must refuse a bad one.
    report[2] = state.flash.activeProfile;
    return true;
}

CommandResult WriteProfileSettings(DeviceState& state, const uint8_t* report) {
    if (report[1] != kProfileSettingsLength || report[2] >= kDeviceProfiles) return kRefused;
    std::memcpy(&state.flash.profiles[report[2]], report + kEntriesOffset, sizeof(ProfileSettings));
    return kDone;
}

bool ReadProfileSettings(DeviceState& state, uint8_t* report) {
    uint8_t profile = 0;
    if (!Selected(state, kSelectProfileSettings, profile)) return false;
    report[1] = kProfileSettingsLength;
    report[2] = profile;
    std::memcpy(report + kEntriesOffset, &state.flash.profiles[profile], sizeof(ProfileSettings));
    return true;
}

CommandResult WriteButtons(DeviceState& state, const uint8_t* report) {
    if (report[1] != kButtonsLength || report[2] >= kDeviceProfiles) return kRefused;
    ButtonEntry* buttons = state.flash.buttons[report[2]];
    for (int k = 0; k < kDeviceButtons; ++k) {
        const uint8_t* entry = report + kEntriesOffset + 3 * k;
        buttons[k] = ButtonEntry{entry[0], entry[1], entry[2]};
    }
    return kDone;
}

bool ReadButtons(DeviceState& state, uint8_t* report) {
    uint8_t profile = 0;
    if (!Selected(state, kSelectButtons, profile)) return false;
    report[1] = kButtonsLength;
    report[2] = profile;
    for (int k = 0; k < kDeviceButtons; ++k) {
        const ButtonEntry& b = state.flash.buttons[profile][k];
        uint8_t* entry = report + kEntriesOffset + 3 * k;
        entry[0] = b.code;
        entry[1] = b.modifiers;
        entry[2] = b.key;
    }
    return true;
}

// A macro of more than 500 events does not fit the event area: refused.
CommandResult WriteMacro(DeviceState& state, const uint8_t* report) {
    const uint8_t profile = report[3];
    const uint8_t button = report[4];
    const int count = report[kMacroEventCountOffset] | (report[kMacroEventCountOffset + 1] << 8);
    if (report[1] != kMacroLengthLow || report[2] != kMacroLengthHigh ||
        profile >= kDeviceProfiles || button >= kDeviceButtons || count > kMacroEventsMax) {
        return kRefused;
    }
    std::memcpy(&state.flash.macros[profile][button], report + kMacroEntryOffset,
                sizeof(MacroEntry));
    return kDone;
}

bool ReadMacro(DeviceState& state, uint8_t* report) {
    uint8_t profile = 0, button = 0;
    if (!SelectedMacro(state, profile, button)) return false;
    report[1] = kMacroLengthLow;
    report[2] = kMacroLengthHigh;
    report[3] = profile;
    report[4] = button;
    std::memcpy(report + kMacroEntryOffset, &state.flash.macros[profile][button],
                sizeof(MacroEntry));
    return true;
}

}  // namespace tesh::vmouse
