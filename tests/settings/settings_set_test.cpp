#include "settings/settings_set.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace tesh {
namespace {

std::unique_ptr<SettingsSet> DefaultSet() {
    auto set = std::make_unique<SettingsSet>();
    std::memset(set.get(), 0, sizeof(SettingsSet));
    Clear(*set);
    SetDefaults(*set, 0x0409);
    return set;
}

TEST(ProfileDefaults, SlotsDifferOnlyInNameLightsAndColours) {
    ProfileRecord a{}, b{};
    ProfileDefaults(a, 0);
    ProfileDefaults(b, 1);
    EXPECT_STREQ(a.ProFileName, "Default1");
    EXPECT_STREQ(b.ProFileName, "Default2");
    EXPECT_EQ(a.LightColorFlow, 1);
    EXPECT_EQ(b.LightColorFlow, 0);
    EXPECT_EQ(a.LightEffectType, 2);
    EXPECT_EQ(b.LightEffectType, 1);
    EXPECT_EQ(a.LightInfo[3].colorIndex, 7);
    EXPECT_EQ(b.LightInfo[2].blue, 250);
    EXPECT_EQ(b.LightInfo[2].green, 100);
    // Make the differing fields equal: nothing else may differ.
    std::memcpy(b.ProFileName, a.ProFileName, sizeof a.ProFileName);
    b.LightColorFlow = a.LightColorFlow;
    b.LightEffectType = a.LightEffectType;
    std::memcpy(b.LightInfo, a.LightInfo, sizeof a.LightInfo);
    EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0);
}

TEST(ProfileDefaults, FieldValuesAndButtons) {
    ProfileRecord p;
    std::memset(&p, 0xAB, sizeof p);
    ProfileDefaults(p, 4);
    EXPECT_EQ(p.dpi[0], 1);
    EXPECT_EQ(p.dpi[4], 1);
    EXPECT_EQ(p.dpi[5], 0xAB) << "level 5 keeps what the record held";
    const int levels[] = {1, 2, 3, 5, 7};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(p.CpiLevel_X[k], levels[k]);
        EXPECT_EQ(p.CpiLevel_Y[k], levels[k]);
    }
    EXPECT_EQ(p.DbleClickSpeed, 480);
    EXPECT_EQ(p.HDDKeyboard, 1);
    EXPECT_EQ(p.PollingRate, 3);
    EXPECT_EQ(p.SoundVolume, 2);
    EXPECT_EQ(p.LightInfo[0].colorIndex, 15);
    EXPECT_EQ(p.LightInfo[0].on, 1);
    EXPECT_EQ(p.LightInfo[0].blue, 250);
    for (const LightEntry& e : p.CustomLightInfo) EXPECT_EQ(e.colorIndex | e.on | e.red, 0);
    EXPECT_EQ(p.reserved0[0], 0xAB) << "reserved bytes are left alone";
    const uint8_t codes[] = {1, 2, 3, 7, 65, 9, 10, 13, 14, 21, 22, 26,
                             8, 7, 37, 6, 0,  33, 34, 38, 39, 17, 18, 27};
    for (int b = 0; b < kButtonSlots; ++b) {
        EXPECT_EQ(p.Buttons[b].number, b);
        EXPECT_EQ(p.Buttons[b].code, codes[b]);
        EXPECT_EQ(p.Buttons[b].eventCount, 0);
        EXPECT_EQ(p.Buttons[b].programPath[259], 0);
    }
}

TEST(SettingsSet, ClearAndSetDefaults) {
    auto set = std::make_unique<SettingsSet>();
    std::memset(set.get(), 0x11, sizeof(SettingsSet));
    Clear(*set);
    EXPECT_EQ(set->CurrentProfile, -1);
    EXPECT_EQ(set->MouseType, 0);
    EXPECT_EQ(set->WindowsProfile, 0x11111111) << "other header fields are left";
    EXPECT_EQ(set->Profiles[2].Buttons[3].code, 0);
    EXPECT_EQ(set->LiftOffChanged, 0);
    set->InfoData[5] = 9;
    SetDefaults(*set, 0x0407);
    EXPECT_EQ(set->CurrentProfile, 0);
    EXPECT_EQ(set->WindowsProfile, -1);
    EXPECT_EQ(set->QuickHelpLan, 4);
    EXPECT_EQ(set->InfoData[5], 9) << "InfoData is left";
    EXPECT_STREQ(set->Profiles[4].ProFileName, "Default5");
    EXPECT_EQ(set->Profiles[0].dpi[5], 0);
}

TEST(ChangeFlags, MarkAllSetsExactlyOneAndClearResets) {
    auto set = DefaultSet();
    MarkAllChanged(*set);
    for (auto& profile : set->ButtonChanged)
        for (int32_t flag : profile) ASSERT_EQ(flag, 1);
    for (int32_t flag : set->ProfileChanged) EXPECT_EQ(flag, 1);
    EXPECT_EQ(set->CurrentProfileChanged, 1);
    EXPECT_EQ(set->LiftOffChanged, 1);
    ClearChangeFlags(*set);
    const auto* bytes = reinterpret_cast<const uint8_t*>(set.get());
    for (std::size_t i = offsetof(SettingsSet, ButtonChanged); i < sizeof(SettingsSet); ++i)
        ASSERT_EQ(bytes[i], 0) << i;
}

TEST(ChangeFlags, CompareAndFlag) {
    auto applied = DefaultSet();
    auto working = DefaultSet();
    MarkAllChanged(*working);
    CompareAndFlag(*applied, *working);
    for (int32_t flag : working->ProfileChanged) EXPECT_EQ(flag, 0);
    EXPECT_EQ(working->CurrentProfileChanged, 0);
    EXPECT_EQ(working->LiftOffChanged, 0);
    EXPECT_EQ(working->ButtonChanged[3][7], 1) << "button flags are untouched";

    // Host-only fields do not count.
    working->Profiles[1].SoundVolume = 4;
    working->Profiles[1].DbleClickSpeed = 200;
    working->Profiles[1].Buttons[3].code = 48;
    working->Profiles[1].UseColorForAll = 1;
    std::strcpy(working->Profiles[1].ProFileName, "Renamed");
    CompareAndFlag(*applied, *working);
    EXPECT_EQ(working->ProfileChanged[1], 0);

    working->Profiles[2].CustomLightInfo[3].blue = 1;
    working->Profiles[4].dpi[5] = 1;
    working->CurrentProfile = 3;
    working->TrackControlFlag = 1;
    CompareAndFlag(*applied, *working);
    EXPECT_EQ(working->ProfileChanged[0], 0);
    EXPECT_EQ(working->ProfileChanged[2], 1);
    EXPECT_EQ(working->ProfileChanged[4], 1);
    EXPECT_EQ(working->CurrentProfileChanged, 1);
    EXPECT_EQ(working->LiftOffChanged, 1);
}

TEST(SystemLanguageIndex, MapsIds) {
    EXPECT_EQ(SystemLanguageIndex(0x0406), 0);
    EXPECT_EQ(SystemLanguageIndex(0x0409), 1);
    EXPECT_EQ(SystemLanguageIndex(0x0C04), 1);
    EXPECT_EQ(SystemLanguageIndex(0x1407), 4);
    EXPECT_EQ(SystemLanguageIndex(0x140C), 3);
    EXPECT_EQ(SystemLanguageIndex(0x040A), 11);
    EXPECT_EQ(SystemLanguageIndex(0x140A), 11);
    EXPECT_EQ(SystemLanguageIndex(0x500A), 11);
    EXPECT_EQ(SystemLanguageIndex(0x540A), 1);
    EXPECT_EQ(SystemLanguageIndex(0x0804), 10);
    EXPECT_EQ(SystemLanguageIndex(0x0404), 14);
    EXPECT_EQ(SystemLanguageIndex(0x042A), 16);
    EXPECT_EQ(SystemLanguageIndex(0), 1);
}

TEST(Acceleration, TableBothWays) {
    EXPECT_EQ(AccelerationToRegistry(7, 0).speed, 0);
    AccelerationRow r = AccelerationToRegistry(25, 1);
    EXPECT_EQ(r.speed, 2);
    EXPECT_EQ(r.threshold1, 4);
    EXPECT_EQ(r.threshold2, 5);
    r = AccelerationToRegistry(-3, 1);
    EXPECT_EQ(r.speed, 0);
    r = AccelerationToRegistry(1, 1);
    EXPECT_EQ(r.threshold1, 13);
    r = AccelerationToRegistry(11, 1);
    EXPECT_EQ(r.threshold2, 13);
    EXPECT_EQ(AccelerationFromRegistry({1, 7, 0}), 7);
    EXPECT_EQ(AccelerationFromRegistry({0, 0, 0}), 0);
    EXPECT_EQ(AccelerationFromRegistry({2, 4, 9}), 15);
    EXPECT_EQ(AccelerationFromRegistry({3, 0, 0}), -1);
    for (int row = 0; row < kAccelerationRows; ++row)
        EXPECT_EQ(AccelerationFromRegistry(AccelerationTableRow(row)), row);
}

}  // namespace
}  // namespace tesh
