// The Advanced and Color pages' values: what each control shows for a profile and
// what each of the user's changes writes into it. The two pages share the lighting
// part; the Advanced page adds the sounds, polling rate and Windows pointer settings.
#pragma once

#include <cstdint>

#include "option/light_palette.h"
#include "settings/settings_set.h"

namespace tesh::option {

// Control ids.
constexpr int kSoundVolumeSliderId = 200;
constexpr int kPointerSpeedSliderId = 300;
constexpr int kRedSpinId = 500, kGreenSpinId = 501, kBlueSpinId = 502;

// The spectrum picker to its page: a colour was picked. wParam holds it as Windows
// does (0x00BBGGRR: red in the low byte), lParam the picker's control id.
constexpr uint32_t kColourPickedMessage = 1119;

constexpr int kSoundVolumeMax = 4;  // 0 low .. 4 high
constexpr int kPointerPositions = 11;
constexpr int kPollingRates = 4;  // 125, 250, 500, 1000 Hz
constexpr int kChannelMax = 255;

// Windows pointer speed (1..20) for a slider position 1..11: 10 for any other.
int MouseSpeedOfPosition(int position);
// The position that shows a stored speed: 6 for a value outside 0..20.
int PositionOfMouseSpeed(int mouseSpeed);

// "Enable mouse acceleration" and "Enable mouse Trails" as stored.
constexpr int kAccelerationOn = 8;
constexpr int kTrailsOn = 5;

enum class LightEffect { kOff = 0, kFull = 1, kBreathing = 2, kBlinking = 3, kHeartbeat = 4 };
constexpr int kLightEffects = 5;
constexpr int kColourModeFirst = 1, kColourModes = 3;  // selected, random single, random multi
constexpr int kColourFlows = 6;                        // off, simultaneous, up, down, left, right
enum class ColourChoice { kPalette = 0, kCustom = 1 };

enum class SoundSwitch { kProfile, kDpi, kSensitivity, kVolumeUpDown, kTrophy };
constexpr int kSoundSwitches = 5;

struct LightingView {
    int effect;   // LightEffectType as stored
    int choice;   // 0 palette, 1 custom
    int swatch;   // the palette index of the first light, -1 when none is one
    Rgb custom;   // the custom colour
    Rgb profile;  // the colour that stands for the profile
};

struct AdvancedView {
    bool sounds[kSoundSwitches];
    int volume;        // 0..4
    int pollingRate;   // 0..3, -1 for a value of no radio
    int pointerSpeed;  // slider 1..11
    bool acceleration;
    bool trails;
    LightingView light;
};

LightingView LightingViewOf(const ProfileRecord& profile);
AdvancedView AdvancedViewOf(const ProfileRecord& profile);

// Changes the user makes. Each returns true when the record changed.
bool SetSoundSwitch(ProfileRecord& profile, SoundSwitch which, bool on);
bool SetSoundVolume(ProfileRecord& profile, int volume);
bool SetPollingRate(ProfileRecord& profile, int rate);
bool SetPointerSpeed(ProfileRecord& profile, int position);
bool SetAcceleration(ProfileRecord& profile, bool on);
bool SetTrails(ProfileRecord& profile, bool on);
bool SetLightEffect(ProfileRecord& profile, int effect);
bool SetColourMode(ProfileRecord& profile, int mode);
bool SetColourFlow(ProfileRecord& profile, int flow);
bool SetColourChoice(ProfileRecord& profile, ColourChoice choice);
// A swatch click: the palette colour for the first light, or for all four when the
// profile uses one colour for all; byte 1 (the light's on flag) is kept. Also makes
// the palette the profile's choice.
bool ChooseSwatch(ProfileRecord& profile, int index);
// A spin edit's channel (kRedSpinId..kBlueSpinId) of the custom colour.
bool SetCustomChannel(ProfileRecord& profile, int spinId, int value);
// The spectrum picker's colour becomes the custom colour.
bool SetCustomColour(ProfileRecord& profile, Rgb colour);

}  // namespace tesh::option
