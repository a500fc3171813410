#include "option/advanced_page_model.h"

#include <gtest/gtest.h>

#include "option/colour_spectrum.h"

namespace tesh::option {
namespace {

ProfileRecord Profile() {
    ProfileRecord p{};
    ProfileDefaults(p, 0);
    return p;
}

TEST(PointerSpeed, PositionsAndStoredSpeedsMapBothWays) {
    const int written[] = {10, 1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 10};  // positions 0..12
    for (int position = 0; position <= 12; ++position)
        EXPECT_EQ(MouseSpeedOfPosition(position), written[position]) << position;
    const int shown[] = {1, 1, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11};
    for (int speed = 0; speed <= 20; ++speed)
        EXPECT_EQ(PositionOfMouseSpeed(speed), shown[speed]) << speed;
    for (int other : {-1, 21, 1000}) EXPECT_EQ(PositionOfMouseSpeed(other), 6) << other;
    // Every position reads back as itself.
    for (int position = 1; position <= kPointerPositions; ++position)
        EXPECT_EQ(PositionOfMouseSpeed(MouseSpeedOfPosition(position)), position);
}

TEST(AdvancedPage, SwitchesAccelerationTrailsAndRatesWriteTheirFields) {
    ProfileRecord p = Profile();
    EXPECT_TRUE(SetAcceleration(p, false));
    EXPECT_EQ(p.AccelerationFlag, 0);
    EXPECT_EQ(p.Acceleration, 0);
    EXPECT_FALSE(AdvancedViewOf(p).acceleration);
    EXPECT_TRUE(SetAcceleration(p, true));
    EXPECT_EQ(p.AccelerationFlag, 1);
    EXPECT_EQ(p.Acceleration, 8);
    EXPECT_FALSE(SetAcceleration(p, true));

    EXPECT_TRUE(SetTrails(p, true));
    EXPECT_EQ(p.MouseTrails, 5);
    EXPECT_TRUE(AdvancedViewOf(p).trails);
    EXPECT_TRUE(SetTrails(p, false));
    EXPECT_EQ(p.MouseTrails, 0);

    p.MouseSpeed = 3;
    EXPECT_TRUE(SetPointerSpeed(p, 6));
    EXPECT_EQ(p.MouseSpeed, 10);
    p.MouseSpeed = 9;
    EXPECT_EQ(AdvancedViewOf(p).pointerSpeed, 6);

    EXPECT_FALSE(SetPollingRate(p, 4));
    p.PollingRate = 0;
    EXPECT_TRUE(SetPollingRate(p, 3));
    EXPECT_EQ(AdvancedViewOf(p).pollingRate, 3);
    p.PollingRate = 9;
    EXPECT_EQ(AdvancedViewOf(p).pollingRate, -1);

    const int32_t ProfileRecord::*fields[] = {
        &ProfileRecord::SoundProfile, &ProfileRecord::SoundDpi, &ProfileRecord::SoundSens,
        &ProfileRecord::VolumeUpDown, &ProfileRecord::SoundTrophy};
    for (int i = 0; i < kSoundSwitches; ++i) {
        SetSoundSwitch(p, static_cast<SoundSwitch>(i), true);
        EXPECT_EQ(p.*fields[i], 1) << i;
        EXPECT_TRUE(AdvancedViewOf(p).sounds[i]);
        SetSoundSwitch(p, static_cast<SoundSwitch>(i), false);
        EXPECT_EQ(p.*fields[i], 0) << i;
    }
    EXPECT_FALSE(SetSoundVolume(p, 5));
    SetSoundVolume(p, 4);
    EXPECT_EQ(p.SoundVolume, 4);
}

TEST(Lighting, ASwatchWritesThePaletteColourAndTheCustomColourStaysApart) {
    ProfileRecord p = Profile();
    p.LightEffectType = 1;
    p.LtChoseType = 1;
    p.LightInfo[0].on = 1;
    p.LightInfo[1] = {3, 0, 1, 2, 3};
    EXPECT_TRUE(ChooseSwatch(p, 7));
    EXPECT_EQ(p.LtChoseType, 0);
    const LightEntry& first = p.LightInfo[0];
    EXPECT_EQ(first.colorIndex, 7);
    EXPECT_EQ(first.on, 1);  // never touched
    EXPECT_EQ(first.red, 255);
    EXPECT_EQ(first.green, 0);
    EXPECT_EQ(first.blue, 0);
    EXPECT_EQ(p.LightInfo[1].colorIndex, 3);  // one colour for the first light only
    EXPECT_EQ(LightingViewOf(p).swatch, 7);
    EXPECT_EQ(LightingViewOf(p).profile, (Rgb{255, 0, 0}));

    // The Red spin changes only the custom colour.
    EXPECT_TRUE(SetCustomChannel(p, kRedSpinId, 10));
    EXPECT_EQ(p.CustomLightInfo[0].red, 10);
    EXPECT_EQ(first.red, 255);
    EXPECT_FALSE(SetCustomChannel(p, kBlueSpinId, 256));
    EXPECT_FALSE(SetCustomChannel(p, 503, 1));
    EXPECT_EQ(LightingViewOf(p).profile, (Rgb{255, 0, 0}));
    SetColourChoice(p, ColourChoice::kCustom);
    EXPECT_EQ(LightingViewOf(p).profile.red, 10);

    // One colour for all lights: the four entries, 5 bytes apart, take it.
    p.UseColorForAll = 1;
    ChooseSwatch(p, 20);
    for (const LightEntry& light : p.LightInfo) {
        EXPECT_EQ(light.colorIndex, 20);
        EXPECT_EQ((Rgb{light.red, light.green, light.blue}), (Rgb{100, 100, 250}));
    }
    // The device colour is stored, the display colour shown.
    EXPECT_EQ(LightingViewOf(p).profile, (Rgb{100, 158, 240}));
    EXPECT_FALSE(ChooseSwatch(p, 33));
}

TEST(Lighting, TheProfileColourIsBlackWhenOffAndTheStoredOneForAStrangeIndex) {
    ProfileRecord p = Profile();
    p.LightEffectType = 0;
    p.LtChoseType = 0;
    p.LightInfo[0] = {7, 1, 255, 0, 0};
    EXPECT_EQ(LightingViewOf(p).profile, (Rgb{0, 0, 0}));
    p.LightEffectType = 2;
    p.LightInfo[0] = {40, 1, 9, 8, 7};
    EXPECT_EQ(LightingViewOf(p).swatch, -1);
    EXPECT_EQ(LightingViewOf(p).profile, (Rgb{9, 8, 7}));

    EXPECT_FALSE(SetLightEffect(p, 5));
    EXPECT_TRUE(SetLightEffect(p, 0));
    EXPECT_FALSE(SetColourMode(p, 0));
    p.LightEffectMode = 1;
    EXPECT_TRUE(SetColourMode(p, 3));
    EXPECT_FALSE(SetColourFlow(p, 6));
    EXPECT_TRUE(SetCustomColour(p, {1, 2, 3}));
    EXPECT_EQ(LightingViewOf(p).custom, (Rgb{1, 2, 3}));
}

TEST(ColourSpectrum, HueRunsAcrossFromWhiteAboveToBlackBelow) {
    const int w = 256, h = 129;
    EXPECT_EQ(SpectrumColour(0, 0, w, h), (Rgb{255, 255, 255}));
    EXPECT_EQ(SpectrumColour(100, h - 1, w, h), (Rgb{0, 0, 0}));
    EXPECT_EQ(SpectrumColour(0, 64, w, h), (Rgb{255, 0, 0}));
    EXPECT_EQ(SpectrumColour(w / 3, 64, w, h).green, 255);
    EXPECT_EQ(SpectrumColour(2 * w / 3, 64, w, h).blue, 255);
    EXPECT_EQ(SpectrumColour(-5, 999, w, h), (Rgb{0, 0, 0}));
    EXPECT_EQ(SpectrumColour(3, 3, 1, 1), (Rgb{0, 0, 0}));
}

}  // namespace
}  // namespace tesh::option
