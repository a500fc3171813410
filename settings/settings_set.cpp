#include "settings/settings_set.h"

#include <cstdio>
#include <cstring>

namespace tesh {

const uint8_t kDefaultButtonCodes[kButtonSlots] = {1,  2, 3,  7, 65, 9, 10, 13, 14, 21, 22, 26,
                                                   8,  7, 37, 6, 0,  33, 34, 38, 39, 17, 18, 27};

namespace {

struct SlotLight {
    uint8_t index, red, green, blue;
};
constexpr SlotLight kSlotLights[kProfileCount] = {
    {7, 250, 0, 0}, {0, 0, 100, 250}, {7, 250, 0, 0}, {11, 0, 250, 0}, {15, 0, 0, 250}};

constexpr int kDefaultCpiLevels[kCpiLevels] = {1, 2, 3, 5, 7};

}  // namespace

void Clear(SettingsSet& set) {
    set.CurrentProfile = -1;
    set.MouseType = 0;
    std::memset(set.Profiles, 0, sizeof(set.Profiles));
    ClearChangeFlags(set);
}

void SetDefaults(SettingsSet& set, int systemLanguageId) {
    set.CurrentProfile = 0;
    set.WindowsProfile = -1;
    set.QuickHelpLan = SystemLanguageIndex(systemLanguageId);
    set.LiftOnFlag = 0;
    set.TrackControlFlag = 0;
    for (int slot = 0; slot < kProfileCount; ++slot) ProfileDefaults(set.Profiles[slot], slot);
}

void ProfileDefaults(ProfileRecord& p, int slot) {
    if (slot < 0 || slot >= kProfileCount) slot = 0;
    std::memset(p.ProFileName, 0, sizeof(p.ProFileName));
    std::snprintf(p.ProFileName, sizeof(p.ProFileName), "Default%d", slot + 1);
    std::memset(p.GameFile0, 0, sizeof(p.GameFile0));
    std::memset(p.GameFile1, 0, sizeof(p.GameFile1));
    std::memset(p.GameFile2, 0, sizeof(p.GameFile2));
    p.DbleClickSpeed = 480;
    p.ScrollWheelSpeed = 3;
    p.ScrollWheelFlag = 0;
    p.MouseSpeed = 10;
    p.Acceleration = 10;
    p.AccelerationFlag = 0;
    p.MouseTrails = 0;
    p.TiltSpeed = 3;
    p.MediaOption = 0;
    p.HDDKeyboard = 1;
    p.Orientation = 0;
    p.XYSynchronous = 0;
    p.Sensitivity_X = 6;
    p.Sensitivity_Y = 6;
    p.Sensitivity = 6;
    // Level 5 is never written by the defaults: it keeps what the record held.
    for (int k = 0; k < kCpiLevels; ++k) p.dpi[k] = 1;
    p.Cpi_X = 1;
    p.Cpi_Y = 1;
    p.XYCpiFlag = 0;
    for (int k = 0; k < kCpiLevels; ++k) {
        p.CpiLevel_X[k] = kDefaultCpiLevels[k];
        p.CpiLevel_Y[k] = kDefaultCpiLevels[k];
    }
    p.PollingRate = 3;
    p.LightOnFlag = 1;
    p.LightEffectMode = 0;
    p.LightColorFlow = slot == 0 ? 1 : 0;
    p.LightEffectType = slot == 0 ? 2 : 1;
    p.LightEffectSpeed = 2;
    p.SoundProfile = 1;
    p.SoundDpi = 1;
    p.SoundSens = 1;
    p.VolumeUpDown = 1;
    p.SoundTrophy = 1;
    p.SoundVolume = 2;
    p.UseColorForAll = 0;
    p.LtChoseType = 0;
    const SlotLight& light = kSlotLights[slot];
    for (LightEntry& e : p.LightInfo) e = {light.index, 1, light.red, light.green, light.blue};
    std::memset(p.CustomLightInfo, 0, sizeof(p.CustomLightInfo));
    std::memset(p.Buttons, 0, sizeof(p.Buttons));
    for (int b = 0; b < kButtonSlots; ++b) {
        p.Buttons[b].number = static_cast<uint8_t>(b);
        p.Buttons[b].code = kDefaultButtonCodes[b];
    }
}

void ClearChangeFlags(SettingsSet& set) {
    std::memset(set.ButtonChanged, 0, sizeof(set.ButtonChanged));
    std::memset(set.ProfileChanged, 0, sizeof(set.ProfileChanged));
    set.CurrentProfileChanged = 0;
    set.LiftOffChanged = 0;
}

void MarkAllChanged(SettingsSet& set) {
    for (auto& profile : set.ButtonChanged)
        for (int32_t& flag : profile) flag = 1;
    for (int32_t& flag : set.ProfileChanged) flag = 1;
    set.CurrentProfileChanged = 1;
    set.LiftOffChanged = 1;
}

namespace {

// The fields carried by the profile settings report: a difference in any of them
// means the profile must be written to the mouse.
bool DeviceFieldsDiffer(const ProfileRecord& a, const ProfileRecord& b) {
    auto same = [](const auto& x, const auto& y) { return std::memcmp(&x, &y, sizeof(x)) == 0; };
    return !(a.HDDKeyboard == b.HDDKeyboard && a.Orientation == b.Orientation &&
             a.XYSynchronous == b.XYSynchronous && a.Sensitivity_X == b.Sensitivity_X &&
             a.Sensitivity_Y == b.Sensitivity_Y && a.Sensitivity == b.Sensitivity &&
             same(a.dpi, b.dpi) && a.Cpi_X == b.Cpi_X && a.Cpi_Y == b.Cpi_Y &&
             a.XYCpiFlag == b.XYCpiFlag && same(a.CpiLevel_X, b.CpiLevel_X) &&
             same(a.CpiLevel_Y, b.CpiLevel_Y) && a.PollingRate == b.PollingRate &&
             a.LightOnFlag == b.LightOnFlag && a.LightEffectMode == b.LightEffectMode &&
             a.LightColorFlow == b.LightColorFlow && a.LightEffectType == b.LightEffectType &&
             a.LightEffectSpeed == b.LightEffectSpeed && a.LtChoseType == b.LtChoseType &&
             same(a.LightInfo, b.LightInfo) && same(a.CustomLightInfo, b.CustomLightInfo));
}

}  // namespace

void CompareAndFlag(const SettingsSet& applied, SettingsSet& working) {
    for (int slot = 0; slot < kProfileCount; ++slot)
        working.ProfileChanged[slot] =
            DeviceFieldsDiffer(applied.Profiles[slot], working.Profiles[slot]) ? 1 : 0;
    working.CurrentProfileChanged = applied.CurrentProfile != working.CurrentProfile ? 1 : 0;
    working.LiftOffChanged = (applied.LiftOnFlag != working.LiftOnFlag ||
                              applied.TrackControlFlag != working.TrackControlFlag)
                                 ? 1
                                 : 0;
}

int SystemLanguageIndex(int id) {
    switch (id) {
        case 0x0406: return 0;
        case 0x040B: return 2;
        case 0x040C: case 0x080C: case 0x0C0C: case 0x100C: case 0x140C: return 3;
        case 0x0407: case 0x0807: case 0x0C07: case 0x1007: case 0x1407: return 4;
        case 0x0410: case 0x0810: return 5;
        case 0x0411: return 6;
        case 0x0412: return 7;
        case 0x0415: return 8;
        case 0x0419: return 9;
        case 0x0804: return 10;
        case 0x041D: return 12;
        case 0x041E: return 13;
        case 0x0404: return 14;
        case 0x041F: return 15;
        case 0x042A: return 16;
        default: break;
    }
    // Spanish: 0x040A, 0x080A, ... up to 0x500A, every 0x0400.
    if ((id & 0x3FF) == 0x00A && id >= 0x040A && id <= 0x500A) return 11;
    return 1;
}

AccelerationRow AccelerationTableRow(int row) {
    if (row <= 0) return {0, 0, 0};
    if (row <= 10) return {1, 14 - row, 0};
    if (row > 19) row = 19;
    return {2, 4, 24 - row};
}

AccelerationRow AccelerationToRegistry(int acceleration, int accelerationFlag) {
    if (accelerationFlag == 0) return AccelerationTableRow(0);
    if (acceleration < 0) acceleration = 0;
    if (acceleration >= kAccelerationRows) acceleration = kAccelerationRows - 1;
    return AccelerationTableRow(acceleration);
}

int AccelerationFromRegistry(const AccelerationRow& registry) {
    int found = -1;
    for (int row = 0; row < kAccelerationRows; ++row) {
        AccelerationRow r = AccelerationTableRow(row);
        if (r.speed == registry.speed && r.threshold1 >= registry.threshold1 &&
            r.threshold2 >= registry.threshold2)
            found = row;
    }
    return found;
}

}  // namespace tesh
