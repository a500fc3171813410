#include "osd/osd_view.h"

#include <cstdio>
#include <cstring>

#include "option/main_page_model.h"

namespace tesh::osd {
namespace {

constexpr int kSensitivityCentre = 6;
constexpr uint32_t kDisplayOff = 1;
constexpr uint32_t kLastCorner = 3;

Placement PlacementOfValues(uint32_t corner, uint32_t off) {
    return {off != kDisplayOff,
            corner <= kLastCorner ? static_cast<Corner>(corner) : Corner::kBottomRight};
}

}  // namespace

std::optional<MouseState> StateOf(const SettingsSet& set) {
    if (set.CurrentProfile < 0 || set.CurrentProfile >= kProfileCount) return std::nullopt;
    const ProfileRecord& p = set.Profiles[set.CurrentProfile];
    const int level = p.Cpi_X >= 0 && p.Cpi_X < kCpiLevels ? p.Cpi_X : 0;
    std::string name(p.ProFileName, strnlen(p.ProFileName, sizeof p.ProFileName));
    return MouseState{set.CurrentProfile + 1, std::move(name), level + 1,
                      option::DpiOfLevel(p.CpiLevel_X[level]), p.Sensitivity - kSensitivityCentre};
}

Change ToldBy(uint32_t message) {
    switch (message) {
        case kProfileChangedMessage:
            return Change::kProfile;
        case kDeviceValuesChangedMessage:
            return Change::kDpi;
        default:
            return Change::kNone;
    }
}

Change WhatChanged(const std::optional<MouseState>& before, const MouseState& now, Change told) {
    if (!before) return told;
    if (before->profile != now.profile) return Change::kProfile;
    if (before->dpi != now.dpi || before->dpiLevel != now.dpiLevel) return Change::kDpi;
    if (before->sensitivity != now.sensitivity) return Change::kSensitivity;
    return Change::kNone;
}

OsdLines LinesOf(Change change, const MouseState& state) {
    char title[48], detail[300];
    switch (change) {
        case Change::kProfile:
            std::snprintf(title, sizeof title, "PROFILE %d", state.profile);
            std::snprintf(detail, sizeof detail, "%s", state.name.c_str());
            break;
        case Change::kDpi:
            std::snprintf(title, sizeof title, "DPI %d", state.dpi);
            std::snprintf(detail, sizeof detail, "Level %d of %d", state.dpiLevel, kCpiLevels);
            break;
        case Change::kSensitivity:
            std::snprintf(title, sizeof title, "SENSITIVITY %+d", state.sensitivity);
            std::snprintf(detail, sizeof detail, "Profile %d", state.profile);
            break;
        case Change::kNone:
            return {};
    }
    return {title, detail};
}

Placement PlacementOf(const OsdSettings& settings) {
    return PlacementOfValues(static_cast<uint32_t>(settings.value28) & 0xFFFF,
                             static_cast<uint32_t>(settings.value32) & 0xFFFF);
}

Placement PlacementOfWord(uint32_t word) {
    return PlacementOfValues(word >> 16, word & 0xFFFF);
}

}  // namespace tesh::osd
