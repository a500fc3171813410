// The Windows pointer settings of the active profile: the acceleration turned off in
// the registry when the profile has none, and the values handed to the system.
#include "monitor/pointer_settings.h"

#include <gtest/gtest.h>

#include "settings/registry_mirror.h"
#include "tests/monitor/program_fakes.h"

namespace tesh::monitor {
namespace {

class PointerSettingsTest : public ::testing::Test {
  protected:
    PointerSettingsTest() {
        profile_.DbleClickSpeed = 450;
        profile_.MouseSpeed = 12;
        profile_.ScrollWheelSpeed = 4;
        profile_.TiltSpeed = 2;
        profile_.MouseTrails = 5;
        profile_.Acceleration = 3;
        SetRegistry("1", "6", "10");
    }
    void SetRegistry(const char* speed, const char* threshold1, const char* threshold2) {
        registry_.Write(kMouseKey, "MouseSpeed", speed);
        registry_.Write(kMouseKey, "MouseThreshold1", threshold1);
        registry_.Write(kMouseKey, "MouseThreshold2", threshold2);
    }
    std::string Value(const char* name) { return registry_.Read(kMouseKey, name).value_or("-"); }

    ProfileRecord profile_{};
    MemoryRegistry registry_;
    test::FakePointerSystem system_;
};

TEST_F(PointerSettingsTest, WithoutAccelerationTheRegistryValuesAreZeroed) {
    profile_.AccelerationFlag = 0;
    ApplyPointerSettings(profile_, registry_, system_);
    EXPECT_EQ(Value("MouseSpeed"), "0");
    EXPECT_EQ(Value("MouseThreshold1"), "0");
    EXPECT_EQ(Value("MouseThreshold2"), "0");
    EXPECT_EQ(profile_.Acceleration, 0);
    EXPECT_EQ(system_.calls, (std::vector<std::string>{"DoubleClickTime 450", "Mouse 0 0 0",
                                                       "MouseSpeed 12", "WheelScrollLines 4",
                                                       "WheelScrollChars 2", "MouseTrails 5"}));
}

TEST_F(PointerSettingsTest, WithAccelerationTheRegistryValuesAreApplied) {
    profile_.AccelerationFlag = 1;
    ApplyPointerSettings(profile_, registry_, system_);
    EXPECT_EQ(Value("MouseThreshold2"), "10");
    EXPECT_EQ(profile_.Acceleration, 3);
    EXPECT_EQ(system_.calls[1], "Mouse 6 10 1");
}

TEST_F(PointerSettingsTest, ZeroValuesAreLeftAloneAndMissingOnesCountAsZero) {
    MemoryRegistry empty;
    profile_.AccelerationFlag = 0;
    ApplyPointerSettings(profile_, empty, system_);
    EXPECT_EQ(empty.size(), 0u) << "nothing written";
    EXPECT_EQ(profile_.Acceleration, 3);
    EXPECT_EQ(system_.calls[1], "Mouse 0 0 0");
}

TEST_F(PointerSettingsTest, TheWheelScrollsAPageWhenItsFlagIsSet) {
    profile_.ScrollWheelFlag = 1;
    ApplyPointerSettings(profile_, registry_, system_);
    EXPECT_EQ(system_.calls[3], "WheelScrollLines -1");
}

TEST(ActiveProfile, OnlyForAProfileZeroToFour) {
    auto set = std::make_unique<SettingsSet>();
    set->CurrentProfile = 4;
    EXPECT_EQ(ActiveProfile(*set), &set->Profiles[4]);
    set->CurrentProfile = -1;
    EXPECT_EQ(ActiveProfile(*set), nullptr);
    set->CurrentProfile = 5;
    EXPECT_EQ(ActiveProfile(*set), nullptr);
}

}  // namespace
}  // namespace tesh::monitor
