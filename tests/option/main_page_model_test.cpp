#include "option/main_page_model.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "skin/spin_value.h"

namespace tesh::option {
namespace {

ProfileRecord Profile() {
    ProfileRecord p{};
    ProfileDefaults(p, 0);
    return p;
}

TEST(MainPageModel, DoubleClickTableBothWays) {
    const int written[] = {900, 830, 760, 690, 620, 550, 480, 410, 340, 270, 200};
    for (int position = 1; position <= 11; ++position) {
        EXPECT_EQ(DoubleClickMs(position), written[position - 1]) << position;
        EXPECT_EQ(DoubleClickPosition(written[position - 1]), position) << position;
    }
    EXPECT_EQ(DoubleClickMs(0), 480);
    EXPECT_EQ(DoubleClickMs(12), 480);
    struct {
        int ms, position;
    } shown[] = {{5000, 1}, {900, 1},  {899, 2},  {830, 2}, {500, 7}, {340, 9},
                 {339, 10}, {270, 10}, {269, 11}, {0, 11},  {-1, 11}};
    for (auto c : shown) EXPECT_EQ(DoubleClickPosition(c.ms), c.position) << c.ms;
    ProfileRecord p = Profile();
    EXPECT_EQ(SetDoubleClick(p, 7), 480);
    EXPECT_EQ(p.DbleClickSpeed, 480);
}

// What a DPI row's spin edit holds after the user typed a value and pressed Enter.
int HeldAfterEnter(int typed) {
    SpinState spin{};
    spin.minimum = kDpiLevelMin * kDpiStep;
    spin.maximum = kDpiLevelMax * kDpiStep;
    spin.step = kDpiStep;
    spin.dpi = true;
    return SpinTyped(spin, std::to_string(typed), true).value;
}

TEST(MainPageModel, DpiTypingTakesTheMousesSteps) {
    struct {
        int typed, held, level, shown;
    } cases[] = {
        {2000, 2000, 5, 2000}, {2001, 2400, 6, 3200}, {2500, 2400, 6, 3200}, {3200, 2400, 6, 3200},
        {3201, 2800, 7, 4000}, {3900, 2800, 7, 4000}, {9999, 2800, 7, 4000}, {0, 400, 1, 400},
        {-5, 400, 1, 400},     {1199, 1199, 2, 800},  {400, 400, 1, 400},
    };
    for (auto c : cases) {
        EXPECT_EQ(HeldAfterEnter(c.typed), c.held) << c.typed;
        EXPECT_EQ(LevelOfHeld(c.held), c.level) << c.typed;
        EXPECT_EQ(DpiOfLevel(c.level), c.shown) << c.typed;
    }
}

TEST(MainPageModel, OutOfRangeValuesAreClampedForShowingOnly) {
    ProfileRecord p = Profile();
    p.Sensitivity = -1;
    p.ScrollWheelSpeed = 99;
    p.TiltSpeed = -1;
    p.CpiLevel_X[2] = -1;
    p.ScrollWheelFlag = -1;
    p.Cpi_X = -1;
    MainPageView v = ViewOf(p);
    EXPECT_EQ(v.sensitivity, 1);
    EXPECT_EQ(v.sensitivitySpin, -5);
    EXPECT_EQ(v.scrollSpeed, 10);
    EXPECT_EQ(v.tiltSpeed, 1);
    EXPECT_EQ(v.rows[2].level, 1);
    EXPECT_FALSE(v.onePage);
    for (const DpiRowView& row : v.rows) EXPECT_FALSE(row.active);
    EXPECT_EQ(p.Sensitivity, -1);
    EXPECT_EQ(p.CpiLevel_X[2], -1);
}

TEST(MainPageModel, SensitivitySliderAndSpinAgree) {
    ProfileRecord p = Profile();
    EXPECT_TRUE(SetSensitivity(p, 11));
    EXPECT_EQ(ViewOf(p).sensitivitySpin, 5);
    EXPECT_FALSE(SetSensitivity(p, 11));
    EXPECT_TRUE(SetSensitivityFromSpin(p, -5));
    EXPECT_EQ(p.Sensitivity, 1);
    EXPECT_EQ(ViewOf(p).sensitivity, 1);
    EXPECT_TRUE(SetSensitivityFromSpin(p, -3));
    EXPECT_EQ(p.Sensitivity, 3);
}

TEST(MainPageModel, DpiRowNotices) {
    ProfileRecord p = Profile();
    p.Cpi_X = 0;
    EXPECT_TRUE(ApplyDpiRowNotice(p, 502, DpiRowNotice(DpiRowChange::kLevel, 6)));
    EXPECT_EQ(p.CpiLevel_X[2], 6);
    EXPECT_TRUE(ApplyDpiRowNotice(p, 501, DpiRowNotice(DpiRowChange::kSwitch, 0)));
    EXPECT_EQ(p.dpi[1], 0);
    EXPECT_FALSE(ViewOf(p).rows[1].on);
    EXPECT_TRUE(ApplyDpiRowNotice(p, 503, DpiRowNotice(DpiRowChange::kActivate, 0)));
    EXPECT_EQ(p.Cpi_X, 3);
    EXPECT_TRUE(ViewOf(p).rows[3].active);
    // Unknown rows, kinds and values change nothing.
    const ProfileRecord before = p;
    EXPECT_FALSE(ApplyDpiRowNotice(p, 505, DpiRowNotice(DpiRowChange::kLevel, 3)));
    EXPECT_FALSE(ApplyDpiRowNotice(p, 499, DpiRowNotice(DpiRowChange::kLevel, 3)));
    EXPECT_FALSE(ApplyDpiRowNotice(p, 500, DpiRowNotice(DpiRowChange::kLevel, 8)));
    EXPECT_FALSE(ApplyDpiRowNotice(p, 500, DpiRowNotice(DpiRowChange::kSwitch, 2)));
    EXPECT_FALSE(ApplyDpiRowNotice(p, 500, 4u << 16 | 1));
    EXPECT_EQ(std::memcmp(&before, &p, sizeof p), 0);
}

}  // namespace
}  // namespace tesh::option
