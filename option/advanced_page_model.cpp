#include "option/advanced_page_model.h"

#include <algorithm>

namespace tesh::option {
namespace {

constexpr int kMouseSpeeds[kPointerPositions] = {1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20};
constexpr int kDefaultMouseSpeed = 10;
constexpr int kDefaultPosition = 6;
constexpr int kMaxMouseSpeed = 20;

constexpr int32_t ProfileRecord::*kSwitchFields[kSoundSwitches] = {
    &ProfileRecord::SoundProfile, &ProfileRecord::SoundDpi, &ProfileRecord::SoundSens,
    &ProfileRecord::VolumeUpDown, &ProfileRecord::SoundTrophy};

bool Store(int32_t& field, int value) {
    if (field == value) return false;
    field = value;
    return true;
}

bool StoreByte(uint8_t& field, int value) {
    const auto byte = static_cast<uint8_t>(value);
    if (field == byte) return false;
    field = byte;
    return true;
}

}  // namespace

int MouseSpeedOfPosition(int position) {
    if (position < 1 || position > kPointerPositions) return kDefaultMouseSpeed;
    return kMouseSpeeds[position - 1];
}

int PositionOfMouseSpeed(int mouseSpeed) {
    if (mouseSpeed < 0 || mouseSpeed > kMaxMouseSpeed) return kDefaultPosition;
    if (mouseSpeed <= 2) return std::max(mouseSpeed, 1);
    return (mouseSpeed + 3) / 2;  // 3-4 show 3, 5-6 show 4 ... 19-20 show 11
}

LightingView LightingViewOf(const ProfileRecord& profile) {
    const LightEntry& custom = profile.CustomLightInfo[0];
    const int index = profile.LightInfo[0].colorIndex;
    return {profile.LightEffectType, profile.LtChoseType != 0 ? 1 : 0,
            index < kPaletteSize ? index : -1, Rgb{custom.red, custom.green, custom.blue},
            ProfileColour(profile)};
}

AdvancedView AdvancedViewOf(const ProfileRecord& p) {
    AdvancedView v{};
    for (int i = 0; i < kSoundSwitches; ++i) v.sounds[i] = p.*kSwitchFields[i] == 1;
    v.volume = std::clamp(p.SoundVolume, 0, kSoundVolumeMax);
    v.pollingRate = p.PollingRate >= 0 && p.PollingRate < kPollingRates ? p.PollingRate : -1;
    v.pointerSpeed = PositionOfMouseSpeed(p.MouseSpeed);
    v.acceleration = p.AccelerationFlag == 1;
    v.trails = p.MouseTrails != 0;
    v.light = LightingViewOf(p);
    return v;
}

bool SetSoundSwitch(ProfileRecord& profile, SoundSwitch which, bool on) {
    return Store(profile.*kSwitchFields[static_cast<int>(which)], on ? 1 : 0);
}

bool SetSoundVolume(ProfileRecord& profile, int volume) {
    if (volume < 0 || volume > kSoundVolumeMax) return false;
    return Store(profile.SoundVolume, volume);
}

bool SetPollingRate(ProfileRecord& profile, int rate) {
    if (rate < 0 || rate >= kPollingRates) return false;
    return Store(profile.PollingRate, rate);
}

bool SetPointerSpeed(ProfileRecord& profile, int position) {
    return Store(profile.MouseSpeed, MouseSpeedOfPosition(position));
}

bool SetAcceleration(ProfileRecord& profile, bool on) {
    const bool flag = Store(profile.AccelerationFlag, on ? 1 : 0);
    const bool value = Store(profile.Acceleration, on ? kAccelerationOn : 0);
    return flag || value;
}

bool SetTrails(ProfileRecord& profile, bool on) {
    return Store(profile.MouseTrails, on ? kTrailsOn : 0);
}

bool SetLightEffect(ProfileRecord& profile, int effect) {
    if (effect < 0 || effect >= kLightEffects) return false;
    return Store(profile.LightEffectType, effect);
}

bool SetColourMode(ProfileRecord& profile, int mode) {
    if (mode < kColourModeFirst || mode >= kColourModeFirst + kColourModes) return false;
    return Store(profile.LightEffectMode, mode);
}

bool SetColourFlow(ProfileRecord& profile, int flow) {
    if (flow < 0 || flow >= kColourFlows) return false;
    return Store(profile.LightColorFlow, flow);
}

bool SetColourChoice(ProfileRecord& profile, ColourChoice choice) {
    return Store(profile.LtChoseType, static_cast<int>(choice));
}

bool ChooseSwatch(ProfileRecord& profile, int index) {
    if (index < 0 || index >= kPaletteSize) return false;
    bool changed = SetColourChoice(profile, ColourChoice::kPalette);
    const Rgb device = PaletteColour(index).device;
    const int lights = profile.UseColorForAll == 1 ? kLightCount : 1;
    for (int i = 0; i < lights; ++i) {
        LightEntry& light = profile.LightInfo[i];
        changed |= StoreByte(light.colorIndex, index);
        changed |= StoreByte(light.red, device.red);
        changed |= StoreByte(light.green, device.green);
        changed |= StoreByte(light.blue, device.blue);
    }
    return changed;
}

bool SetCustomChannel(ProfileRecord& profile, int spinId, int value) {
    if (value < 0 || value > kChannelMax) return false;
    LightEntry& custom = profile.CustomLightInfo[0];
    switch (spinId) {
        case kRedSpinId:
            return StoreByte(custom.red, value);
        case kGreenSpinId:
            return StoreByte(custom.green, value);
        case kBlueSpinId:
            return StoreByte(custom.blue, value);
        default:
            return false;
    }
}

bool SetCustomColour(ProfileRecord& profile, Rgb colour) {
    LightEntry& custom = profile.CustomLightInfo[0];
    bool changed = StoreByte(custom.red, colour.red);
    changed |= StoreByte(custom.green, colour.green);
    changed |= StoreByte(custom.blue, colour.blue);
    return changed;
}

}  // namespace tesh::option
