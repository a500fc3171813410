#include "osd/osd_view.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace tesh::osd {
namespace {

std::unique_ptr<SettingsSet> Defaults() {
    auto set = std::make_unique<SettingsSet>();
    SetDefaults(*set, 0x409);
    return set;
}

TEST(OsdView, ShowsTheChangeOfProfileBeforeDpiBeforeSensitivity) {
    auto set = Defaults();
    Clear(*set);
    EXPECT_FALSE(StateOf(*set));  // no profile yet: nothing to show
    set = Defaults();
    const std::optional<MouseState> first = StateOf(*set);
    ASSERT_TRUE(first);
    // The first look: what the monitor said changed, if anything.
    EXPECT_EQ(WhatChanged(std::nullopt, *first, ToldBy(kOsdSettingsMessage)), Change::kNone);
    EXPECT_EQ(WhatChanged(std::nullopt, *first, ToldBy(kProfileChangedMessage)), Change::kProfile);
    EXPECT_EQ(WhatChanged(std::nullopt, *first, ToldBy(kDeviceValuesChangedMessage)), Change::kDpi);
    EXPECT_EQ(WhatChanged(first, *first, Change::kDpi), Change::kNone);

    ProfileRecord& p = set->Profiles[0];
    p.Cpi_X = 2;
    p.CpiLevel_X[2] = 4;
    p.Sensitivity = 8;
    MouseState now = *StateOf(*set);
    EXPECT_EQ(WhatChanged(first, now, Change::kNone), Change::kDpi);
    EXPECT_EQ(LinesOf(Change::kDpi, now).title, "DPI 1600");
    EXPECT_EQ(LinesOf(Change::kDpi, now).detail, "Level 3 of 5");
    EXPECT_EQ(LinesOf(Change::kSensitivity, now).title, "SENSITIVITY +2");

    set->CurrentProfile = 3;
    std::strcpy(set->Profiles[3].ProFileName, "Sniper");
    now = *StateOf(*set);
    EXPECT_EQ(WhatChanged(first, now, Change::kNone), Change::kProfile);
    EXPECT_EQ(LinesOf(Change::kProfile, now).title, "PROFILE 4");
    EXPECT_EQ(LinesOf(Change::kProfile, now).detail, "Sniper");

    // A level index out of range reads as the first level, never past the table.
    set->Profiles[3].Cpi_X = 9;
    EXPECT_EQ(StateOf(*set)->dpiLevel, 1);
}

TEST(OsdView, PlacementComesFromTheSettingsAndTheMonitorsWord) {
    OsdSettings settings = DefaultOsdSettings();
    EXPECT_TRUE(PlacementOf(settings).shown);
    EXPECT_EQ(PlacementOf(settings).corner, Corner::kBottomRight);
    settings.value28 = 3;
    settings.value32 = 1;
    EXPECT_FALSE(PlacementOf(settings).shown);
    EXPECT_EQ(PlacementOf(settings).corner, Corner::kTopLeft);
    EXPECT_EQ(PlacementOfWord(0x00020000).corner, Corner::kTopRight);
    EXPECT_TRUE(PlacementOfWord(0x00020000).shown);
    EXPECT_FALSE(PlacementOfWord(0x00000001).shown);
    EXPECT_EQ(PlacementOfWord(0x00090000).corner, Corner::kBottomRight);
}

}  // namespace
}  // namespace tesh::osd
