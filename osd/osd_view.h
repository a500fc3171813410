// What the on-screen display shows: the active profile, its DPI level and its
// sensitivity, taken from the monitor's settings; which of them changed since the
// display last looked; and where and whether it shows, from the OSD settings.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "settings/osd_settings.h"
#include "settings/settings_set.h"

namespace tesh::osd {

constexpr char kOsdWindowTitle[] = "VORTAQ Tesh Ulma Optical Mouse OSD";
// From the monitor: its Apply (wParam 0, lParam the settings word), a profile change
// and a change of DPI level, sensitivity or polling rate made on the mouse.
constexpr uint32_t kOsdSettingsMessage = 1326;
constexpr uint32_t kProfileChangedMessage = 1255;
constexpr uint32_t kDeviceValuesChangedMessage = 1257;
constexpr int kShowMs = 1500;

struct MouseState {
    int profile;  // 1..5
    std::string name;
    int dpiLevel;     // 1..5
    int dpi;          // 400 .. 4000
    int sensitivity;  // -5 .. +5
    bool operator==(const MouseState&) const = default;
};

// Nothing when the settings name no profile (the monitor has not read the mouse).
std::optional<MouseState> StateOf(const SettingsSet& set);

enum class Change { kNone, kProfile, kDpi, kSensitivity };
// The change worth showing, the profile before the DPI before the sensitivity. With
// nothing seen before (the display started before the monitor had read the mouse),
// what the monitor's message says changed: `told`.
Change WhatChanged(const std::optional<MouseState>& before, const MouseState& now, Change told);
// What a message of the monitor says changed: a profile (1255), a value of the mouse
// (1257), or nothing known (an Apply).
Change ToldBy(uint32_t message);

struct OsdLines {
    std::string title;   // "PROFILE 2", "DPI 1600", "SENSITIVITY +2"
    std::string detail;  // the profile's name, "Level 3 of 5", ...
};
OsdLines LinesOf(Change change, const MouseState& state);

enum class Corner { kBottomRight = 0, kBottomLeft = 1, kTopRight = 2, kTopLeft = 3 };
struct Placement {
    bool shown;
    Corner corner;
};
// The 16-bit value at byte 28 of the OSD settings chooses the corner (0..3, others
// the bottom right); the one at byte 32 turns the display off when it is 1. The
// monitor hands the same two values in its settings word: byte 28's in the high word.
Placement PlacementOf(const OsdSettings& settings);
Placement PlacementOfWord(uint32_t word);

}  // namespace tesh::osd
