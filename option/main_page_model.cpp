#include "option/main_page_model.h"

#include <algorithm>

namespace tesh::option {
namespace {

// Milliseconds for positions 1..11; reading back, a stored value shows at the
// highest position whose time it reaches.
constexpr int kDoubleClickTable[kDoubleClickPositions] = {900, 830, 760, 690, 620, 550,
                                                          480, 410, 340, 270, 200};
constexpr int kDpiOfLevel[kDpiLevelMax] = {400, 800, 1200, 1600, 2000, 3200, 4000};

bool Store(int32_t& field, int value) {
    if (field == value) return false;
    field = value;
    return true;
}

}  // namespace

int DoubleClickMs(int position) {
    if (position < 1 || position > kDoubleClickPositions) return kDefaultDoubleClickMs;
    return kDoubleClickTable[position - 1];
}

int DoubleClickPosition(int milliseconds) {
    for (int p = 1; p < kDoubleClickPositions; ++p)
        if (milliseconds >= kDoubleClickTable[p - 1]) return p;
    return kDoubleClickPositions;
}

int DpiOfLevel(int level) {
    return kDpiOfLevel[std::clamp(level, kDpiLevelMin, kDpiLevelMax) - 1];
}

int LevelOfHeld(int held) {
    return std::clamp(held / kDpiStep, kDpiLevelMin, kDpiLevelMax);
}

MainPageView ViewOf(const ProfileRecord& profile) {
    MainPageView v{};
    v.sensitivity = std::clamp(profile.Sensitivity, kSensitivityMin, kSensitivityMax);
    v.sensitivitySpin = v.sensitivity - kSensitivityCentre;
    v.scrollSpeed = std::clamp(profile.ScrollWheelSpeed, kSpeedMin, kSpeedMax);
    v.onePage = profile.ScrollWheelFlag == 1;
    v.tiltSpeed = std::clamp(profile.TiltSpeed, kSpeedMin, kSpeedMax);
    v.doubleClick = DoubleClickPosition(profile.DbleClickSpeed);
    for (int row = 0; row < kCpiLevels; ++row) {
        v.rows[row].level = std::clamp(profile.CpiLevel_X[row], kDpiLevelMin, kDpiLevelMax);
        v.rows[row].on = profile.dpi[row] == 1;
        v.rows[row].active = profile.Cpi_X == row;
    }
    return v;
}

bool SetSensitivity(ProfileRecord& profile, int sliderPosition) {
    return Store(profile.Sensitivity, std::clamp(sliderPosition, kSensitivityMin, kSensitivityMax));
}

bool SetSensitivityFromSpin(ProfileRecord& profile, int spinValue) {
    return SetSensitivity(profile, spinValue + kSensitivityCentre);
}

bool SetScrollSpeed(ProfileRecord& profile, int position) {
    return Store(profile.ScrollWheelSpeed, std::clamp(position, kSpeedMin, kSpeedMax));
}

bool SetTiltSpeed(ProfileRecord& profile, int position) {
    return Store(profile.TiltSpeed, std::clamp(position, kSpeedMin, kSpeedMax));
}

bool SetOnePage(ProfileRecord& profile, bool onePage) {
    return Store(profile.ScrollWheelFlag, onePage ? 1 : 0);
}

int SetDoubleClick(ProfileRecord& profile, int position) {
    profile.DbleClickSpeed = DoubleClickMs(position);
    return profile.DbleClickSpeed;
}

bool ApplyDpiRowNotice(ProfileRecord& profile, intptr_t rowId, uintptr_t notice) {
    if (rowId < kFirstDpiRowId || rowId >= kFirstDpiRowId + kCpiLevels) return false;
    const int row = static_cast<int>(rowId - kFirstDpiRowId);
    const int kind = static_cast<int>((notice >> 16) & 0xFFFF);
    const int value = static_cast<int>(notice & 0xFFFF);
    switch (static_cast<DpiRowChange>(kind)) {
        case DpiRowChange::kSwitch:
            if (value != 0 && value != 1) return false;
            if (profile.dpi[row] == value) return false;
            profile.dpi[row] = static_cast<uint8_t>(value);
            return true;
        case DpiRowChange::kLevel:
            if (value < kDpiLevelMin || value > kDpiLevelMax) return false;
            return Store(profile.CpiLevel_X[row], value);
        case DpiRowChange::kActivate:
            return Store(profile.Cpi_X, row);
    }
    return false;
}

}  // namespace tesh::option
