// The main page's values: what each control shows for a profile, and what each of
// the user's changes writes into it. Values a file left outside a control's range
// are clamped for showing only; the record keeps them until the user changes them.
#pragma once

#include <cstdint>

#include "settings/settings_set.h"

namespace tesh::option {

// Control ids of the page and of the controls inside a DPI row.
constexpr int kSensitivitySliderId = 300;
constexpr int kScrollSpeedSliderId = 301;
constexpr int kTiltSpeedSliderId = 302;
constexpr int kDoubleClickSliderId = 303;
constexpr int kSensitivitySpinId = 400;
constexpr int kFirstDpiRowId = 500;
constexpr int kRowSliderId = 300;
constexpr int kRowSpinId = 400;

constexpr int kSensitivityMin = 1, kSensitivityMax = 11, kSensitivityCentre = 6;
constexpr int kSpeedMin = 1, kSpeedMax = 10;
constexpr int kDoubleClickPositions = 11;
constexpr int kDefaultDoubleClickMs = 480;
constexpr int kDpiLevelMin = 1, kDpiLevelMax = 7;
constexpr int kDpiStep = 400;  // a row's spin holds level x 400

// The double-click time written for a slider position (480 for a position not 1..11).
int DoubleClickMs(int position);
// The highest position whose time the stored value reaches (11 below 270 ms).
int DoubleClickPosition(int milliseconds);

// The DPI of a level 1..7 as the user knows it: 400 ... 2000, 3200, 4000.
int DpiOfLevel(int level);
// The level a DPI row's spin holds for a value it reports (the held value / 400).
int LevelOfHeld(int held);

// The kinds of a DPI row's notice to the page (1117): kind << 16 | value.
enum class DpiRowChange : int { kSwitch = 1, kLevel = 2, kActivate = 3 };
constexpr uint32_t kDpiRowMessage = 1117;
constexpr uintptr_t DpiRowNotice(DpiRowChange kind, int value) {
    return static_cast<uintptr_t>(static_cast<uint32_t>(kind) << 16 |
                                  (static_cast<uint32_t>(value) & 0xFFFF));
}

struct DpiRowView {
    int level;    // 1..7
    bool on;      // the row's switch
    bool active;  // the level the mouse uses now
};

struct MainPageView {
    int sensitivity;      // slider 1..11
    int sensitivitySpin;  // -5..+5
    int scrollSpeed;      // 1..10
    bool onePage;
    int tiltSpeed;    // 1..10
    int doubleClick;  // slider 1..11
    DpiRowView rows[kCpiLevels];
};

MainPageView ViewOf(const ProfileRecord& profile);

// Changes the user makes. Each returns true when the record changed.
bool SetSensitivity(ProfileRecord& profile, int sliderPosition);
bool SetSensitivityFromSpin(ProfileRecord& profile, int spinValue);
bool SetScrollSpeed(ProfileRecord& profile, int position);
bool SetTiltSpeed(ProfileRecord& profile, int position);
bool SetOnePage(ProfileRecord& profile, bool onePage);
// Returns the new double-click time in milliseconds.
int SetDoubleClick(ProfileRecord& profile, int position);
// A DPI row's notice: lParam the row id 500..504, wParam kind << 16 | value. False
// for an id or kind the page does not know, or a value out of its range.
bool ApplyDpiRowNotice(ProfileRecord& profile, intptr_t rowId, uintptr_t notice);

}  // namespace tesh::option
