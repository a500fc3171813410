// Presses and releases of the mouse's buttons, by the function code they carry, and
// the events the mouse reports for them.
#include "featlink/event_codes.h"
#include "featlink/wire.h"
#include "tests/featlink/device_fixture.h"

namespace tesh::vmouse::test {
namespace {

class Buttons : public DeviceTest {
  protected:
    // Assigns `code` to button 6 of the active profile, clicks it and returns the events.
    std::vector<Event> Click(uint8_t code, int button = 6) {
        AssignCode(flash().activeProfile, button, code);
        sink_.events.clear();
        EXPECT_TRUE(device().Press(button));
        EXPECT_TRUE(device().Release(button));
        return sink_.events;
    }
    ProfileSettings& Active() { return flash().profiles[flash().activeProfile]; }
};

TEST_F(Buttons, ProfileButtonsSwitchAndReport) {
    EXPECT_EQ(Click(16), (std::vector<Event>{{kEventProfile, 2}}));
    EXPECT_EQ(flash().activeProfile, 1);
    flash().activeProfile = 4;
    EXPECT_EQ(Click(16), (std::vector<Event>{{kEventProfile, 1}})) << "the cycle wraps";
    flash().activeProfile = 4;
    EXPECT_TRUE(Click(17).empty()) << "Profile Up stops at the last profile";
    EXPECT_EQ(Click(18), (std::vector<Event>{{kEventProfile, 4}}));
    flash().activeProfile = 0;
    EXPECT_TRUE(Click(18).empty());
    EXPECT_EQ(Click(17), (std::vector<Event>{{kEventProfile, 2}}));
}

TEST_F(Buttons, DpiButtonsStepThroughEnabledLevels) {
    Active().dpiMask = 0b10101;  // levels 0, 2, 4
    Active().cpiLevel = 0;
    EXPECT_EQ(Click(20), (std::vector<Event>{{kEventCpiLevel, 3}}));
    EXPECT_EQ(Click(20), (std::vector<Event>{{kEventCpiLevel, 5}}));
    EXPECT_EQ(Click(20), (std::vector<Event>{{kEventCpiLevel, 1}})) << "wraps";
    EXPECT_EQ(Click(11), (std::vector<Event>{{kEventCpiLevel, 3}})) << "DPI Change cycles";
    EXPECT_EQ(Click(21), (std::vector<Event>{{kEventCpiLevel, 5}}));
    EXPECT_TRUE(Click(21).empty()) << "no enabled level above";
    EXPECT_EQ(Click(22), (std::vector<Event>{{kEventCpiLevel, 3}}));
    EXPECT_EQ(Click(22), (std::vector<Event>{{kEventCpiLevel, 1}}));
    EXPECT_TRUE(Click(22).empty());
    EXPECT_EQ(Active().cpiLevel, 0);
}

TEST_F(Buttons, SensitivityButtons) {
    Active().sensitivityX = Active().sensitivityY = 10;
    EXPECT_EQ(Click(23), (std::vector<Event>{{kEventSensitivity, 11}}));
    EXPECT_EQ(Click(23), (std::vector<Event>{{kEventSensitivity, 1}})) << "wraps";
    EXPECT_EQ(Click(25).size(), 0u) << "nothing below 1";
    EXPECT_EQ(Click(24), (std::vector<Event>{{kEventSensitivity, 2}}));
    Active().xySynchronous = 1;
    EXPECT_EQ(Click(24), (std::vector<Event>{{kEventSensitivity, EventValue(3, 3)}}))
        << "with X and Y synchronous the Y value rides in the high byte";
    EXPECT_EQ(Active().sensitivityX, 3);
    EXPECT_EQ(Active().sensitivityY, 3);
}

TEST_F(Buttons, HostHandledButtonsReportPressAndRelease) {
    for (int code : {5, 48, 49, 50}) {
        EXPECT_EQ(Click(static_cast<uint8_t>(code)),
                  (std::vector<Event>{{kEventHostButton, 0x0007}, {kEventHostButton, 0x0107}}))
            << code;
    }
}

TEST_F(Buttons, ButtonsTheHostCarriesOut) {
    EXPECT_EQ(Click(15), (std::vector<Event>{{kEventRunProgram, 7}}));
    EXPECT_EQ(Click(27), (std::vector<Event>{{kEventOpenDriver, 1}}));
    EXPECT_EQ(Click(9), (std::vector<Event>{{kEventTilt, 255}}));
    EXPECT_EQ(Click(10), (std::vector<Event>{{kEventTilt, 1}}));
    EXPECT_EQ(Click(81), (std::vector<Event>{{kEventQuib, 0x0007}, {kEventQuib, 0x0107}}));
    EXPECT_EQ(Click(84, 12), (std::vector<Event>{{kEventQuib, 0x000D}, {kEventQuib, 0x010D}}));
}

TEST_F(Buttons, MediaButtons) {
    EXPECT_EQ(Click(35), (std::vector<Event>{{kEventMedia, 35}, {kEventMedia, 0x0123}}));
    EXPECT_EQ(Click(32), (std::vector<Event>{{kEventMedia, 32}, {kEventMedia, 0x0120}}));
    EXPECT_EQ(Click(38),
              (std::vector<Event>{{kEventMedia, 38}, {kEventVolume, 1}, {kEventMedia, 0x0126}}));
    EXPECT_EQ(Click(39),
              (std::vector<Event>{{kEventMedia, 39}, {kEventVolume, 255}, {kEventMedia, 0x0127}}));
}

TEST_F(Buttons, FunctionsTheMouseKeepsToItself) {
    for (int code : {0, 1, 2, 3, 4, 6, 7, 8, 13, 14, 19, 26, 64, 66, 71, 12, 99}) {
        EXPECT_TRUE(Click(static_cast<uint8_t>(code)).empty()) << code;
    }
}

TEST_F(Buttons, QuixAimHoldsALevelWhileDown) {
    Active().cpiLevel = 1;
    AssignCode(0, 6, 53);
    sink_.events.clear();
    device().Press(6);
    EXPECT_EQ(Active().cpiLevel, 2);
    device().Release(6);
    EXPECT_EQ(sink_.events, (std::vector<Event>{{kEventCpiLevel, 3}, {kEventCpiLevel, 2}}));
    EXPECT_EQ(Active().cpiLevel, 1);
}

TEST_F(Buttons, QuixshiftButtonSelectsTheTwinLayer) {
    // Default profile: button 4 is Quixshift; button 9 (slot 12) is the twin of button 0.
    AssignCode(0, 9, 48);
    sink_.events.clear();
    ASSERT_TRUE(device().Press(4));
    EXPECT_TRUE(sink_.events.empty());
    device().Press(0);
    device().Release(4);
    device().Release(0);
    EXPECT_EQ(sink_.events,
              (std::vector<Event>{{kEventHostButton, 0x000A}, {kEventHostButton, 0x010A}}))
        << "the release matches the press even after the shift let go";
    sink_.events.clear();
    device().Press(0);
    device().Release(0);
    EXPECT_TRUE(sink_.events.empty()) << "button 0 itself is a click";
}

TEST_F(Buttons, ReleaseMatchesThePressAcrossAProfileChange) {
    AssignCode(0, 6, 16);
    AssignCode(1, 6, 48);
    sink_.events.clear();
    device().Press(6);
    device().Release(6);
    EXPECT_EQ(sink_.events, (std::vector<Event>{{kEventProfile, 2}}));
}

TEST_F(Buttons, RepeatedOrStrayPressesAreIgnored) {
    AssignCode(0, 6, 27);
    EXPECT_TRUE(device().Press(6));
    EXPECT_FALSE(device().Press(6));
    EXPECT_TRUE(device().Release(6));
    EXPECT_FALSE(device().Release(6));
    EXPECT_FALSE(device().Press(18));
    EXPECT_FALSE(device().Press(-1));
}

TEST_F(Buttons, RequestsAndUsage) {
    // The host finds the profile as (n - 1) / 16 and the button as (n - 1) % 16 + 2.
    for (int profile = 0; profile < kDeviceProfiles; ++profile) {
        for (int button = 2; button < kDeviceButtons; ++button) {
            sink_.events.clear();
            ASSERT_TRUE(device().RequestMacro(profile, button));
            ASSERT_EQ(sink_.events.size(), 1u);
            const int n = sink_.events[0].value;
            EXPECT_EQ(sink_.events[0].eventClass, kEventMacroRequest);
            EXPECT_EQ((n - 1) / 16, profile);
            EXPECT_EQ((n - 1) % 16 + 2, button);
        }
    }
    EXPECT_FALSE(device().RequestMacro(1, 1));
    EXPECT_FALSE(device().RequestMacro(5, 2));

    sink_.events.clear();
    EXPECT_TRUE(device().RequestColourDatabase());
    EXPECT_TRUE(device().Usage(0xEA00, 70000));
    EXPECT_FALSE(device().Usage(0xD000, 1));
    EXPECT_FALSE(device().Usage(0xE150, 1));
    EXPECT_EQ(sink_.events,
              (std::vector<Event>{{kEventColourDatabase, 1}, {0xEA00, 0xFFFF}, {0xEA00, 4465}}));
}

}  // namespace
}  // namespace tesh::vmouse::test
