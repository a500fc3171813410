// The dispatcher's table: each event class reaches its action only under its
// conditions, and a button event names its slot by the device button number + 1.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "monitor/device_tables.h"
#include "monitor/events/event_names.h"
#include "monitor/monitor_names.h"
#include "monitor/program_names.h"
#include "tests/monitor/events/event_fakes.h"

namespace tesh::monitor::test {
namespace {

using Strings = std::vector<std::string>;

class DispatcherTest : public EventTest {
  protected:
    void SetCode(int slot, uint8_t code) { Active().Buttons[slot].code = code; }
};

TEST_F(DispatcherTest, ButtonEventsNameTheSlotByItsDeviceButton) {
    // Device buttons 0..4 are slots 0..4, 5..8 slots 7..10, 9.. the shift layer.
    SetCode(7, kQuicklaunchCode);
    std::strcpy(Active().Buttons[7].programPath, "C:\\Games\\run.exe");
    SetCode(12, kQuicklaunchCode);
    std::strcpy(Active().Buttons[12].programPath, "C:\\Tools\\other.exe");
    Dispatch(kRunProgramClass, 6);
    Dispatch(kRunProgramClass, 10);
    EXPECT_EQ(shell_.opened, (Strings{"C:\\Games\\run.exe|", "C:\\Tools\\other.exe|"}));
}

TEST_F(DispatcherTest, RunProgramOnlyForQuicklaunchPressedInRange) {
    SetCode(3, kQuicklaunchCode);
    std::strcpy(Active().Buttons[3].programPath, "notepad.exe");
    Dispatch(kRunProgramClass, 4, 1);  // b is not 0
    Dispatch(kRunProgramClass, 0);
    Dispatch(kRunProgramClass, 25);
    SetCode(2, 1);
    Dispatch(kRunProgramClass, 3);  // a click, not a program
    EXPECT_TRUE(shell_.opened.empty());
    Dispatch(kRunProgramClass, 4);
    EXPECT_EQ(shell_.opened, Strings{"notepad.exe|"});
}

TEST_F(DispatcherTest, AProgramPathFillingItsFieldIsReadToTheFieldsEnd) {
    ButtonRecord& button = Active().Buttons[3];
    button.code = kQuicklaunchCode;
    std::memset(button.programPath, 'x', sizeof button.programPath);
    Dispatch(kRunProgramClass, 4);
    ASSERT_EQ(shell_.opened.size(), 1u);
    EXPECT_EQ(shell_.opened[0].size(), sizeof button.programPath + 1);
}

TEST_F(DispatcherTest, DeviceJobsForTheColourDatabaseAndMacroRequests) {
    Dispatch(kColourDatabaseClass, 1);
    Dispatch(kColourDatabaseClass, 2);
    Dispatch(kMacroRequestClass, 17);
    Dispatch(kMacroRequestClass, 80);
    Dispatch(kMacroRequestClass, 81);  // profile 5 does not exist
    Dispatch(kMacroRequestClass, 110);
    Dispatch(kMacroRequestClass, 0);
    Dispatch(kMacroRequestClass, 111);
    EXPECT_EQ(host_.calls, (Strings{"Job 5 0", "Job 6 17", "Job 6 80"}));
}

TEST_F(DispatcherTest, OpenDriverOpensTheConfigurationApplication) {
    Dispatch(kOpenDriverClass, 2);
    EXPECT_TRUE(host_.calls.empty());
    Dispatch(kOpenDriverClass, 1);
    EXPECT_EQ(host_.calls, Strings{"OpenConfigurationApp"});
}

TEST_F(DispatcherTest, SensorEventsGoToTheCalibrationWindow) {
    Dispatch(kCalibrationEventClass, 0x34, 0x12);
    ASSERT_EQ(windows_.posts.size(), 1u);
    EXPECT_EQ(windows_.posts[0].title, kCalibrationWindowTitle);
    EXPECT_EQ(windows_.posts[0].message, kCalibrationEventMessage);
    EXPECT_EQ(windows_.posts[0].lParam, 0x1234);
}

TEST_F(DispatcherTest, TiltStepsGoToTheScrollingWithTheTiltSpeed) {
    Active().TiltSpeed = 4;
    Dispatch(kTiltScrollClass, kDown);
    Dispatch(kTiltScrollClass, kUp);
    Dispatch(kTiltScrollClass, 2);
    EXPECT_EQ(tilt_.calls, (Strings{"left 4", "right 4"}));
}

TEST_F(DispatcherTest, QuibFunctionsGetTheirButtonAndPressState) {
    ButtonRecord& button = Active().Buttons[4];
    button.code = 83;
    button.targetId = 0xFFFF;
    Dispatch(kQuibFunctionClass, 5);
    Dispatch(kQuibFunctionClass, 5, 1);
    Dispatch(kQuibFunctionClass, 30);
    EXPECT_EQ(quibFunctions_.calls, (Strings{"83 65535 0", "83 65535 1"}));
}

TEST_F(DispatcherTest, ClassesWithoutActionDoNothing) {
    for (uint32_t eventClass : {0x1A00u, 0xE000u, 0x7F00u, 0x4000u, 0xFC00u}) {
        Dispatch(eventClass, 1);
    }
    EXPECT_TRUE(host_.calls.empty());
    EXPECT_TRUE(windows_.posts.empty());
    EXPECT_EQ(block_.publishes, 0);
    EXPECT_TRUE(sounds_.numbers.empty());
}

TEST_F(DispatcherTest, HostButtonsActOnPressAndTheCombinationAlsoOnRelease) {
    ButtonRecord& timer = Active().Buttons[3];
    timer.code = kTimerCode;
    timer.timerValue = 30;
    Dispatch(kHostButtonClass, 4, 1);  // a release starts nothing
    EXPECT_FALSE(dispatcher_.feedback().countdownRunning());
    Dispatch(kHostButtonPressClass, 4);
    EXPECT_TRUE(dispatcher_.feedback().countdownRunning());
    SetCode(3, kStopTimerCode);
    Dispatch(kHostButtonPressClass, 4, 1);  // the press-only class has b = 0
    EXPECT_TRUE(dispatcher_.feedback().countdownRunning());
    Dispatch(kHostButtonClass, 4);
    EXPECT_FALSE(dispatcher_.feedback().countdownRunning());

    ButtonRecord& keys = Active().Buttons[2];
    keys.code = kKeyCombinationCode;
    keys.eventCount = 1;
    keys.events[0] = 4;  // A
    keys.events[1] = 1;  // no modifier
    Dispatch(kHostButtonClass, 3);
    Dispatch(kHostButtonClass, 3, 1);
    EXPECT_EQ(input_.Untimed(), (Strings{"down 65", "up 65"}));
    EXPECT_FALSE(host_.Running(kKeyRepeatTimer));
}

TEST_F(DispatcherTest, AMacroButtonStartsItsMacroOnPressOnly) {
    ButtonRecord& macro = Active().Buttons[3];
    macro.code = 48;
    macro.eventCount = 2;
    macro.repeatCount = 1;
    const uint8_t events[] = {4, 1, 10, 0, 4, 2, 10, 0};
    std::memcpy(macro.events, events, sizeof events);
    Dispatch(kHostButtonClass, 4, 1);
    EXPECT_EQ(macroThread_.posts, 0);
    Dispatch(kHostButtonClass, 4);
    EXPECT_EQ(macroThread_.posts, 1);
    EXPECT_EQ(input_.Untimed(), (Strings{"down 65", "up 65"}));
}

TEST_F(DispatcherTest, WithoutAnActiveProfileButtonsDoNothing) {
    SetCode(3, kQuicklaunchCode);
    image_->CurrentProfile = 7;
    Dispatch(kRunProgramClass, 4);
    Dispatch(kHostButtonClass, 4);
    Dispatch(kCpiLevelClass, 2);
    Dispatch(kSensitivityClass, 3);
    EXPECT_TRUE(shell_.opened.empty());
    EXPECT_EQ(block_.publishes, 0);
}

// Every call that lets other programs' sent messages in comes after the image's lock
// is let go: a configuration message that arrives then takes the lock itself.
TEST_F(DispatcherTest, CallsThatLetMessagesInAreMadeWithoutTheImageLock) {
    std::vector<bool> lockFree;
    const auto check = [&] {
        const bool free = imageLock_.try_lock();
        if (free) imageLock_.unlock();
        lockFree.push_back(free);
    };
    pointer_.whileTelling = quib_.whileSending = shell_.whileOpening = host_.whileOpening =
        quibFunctions_.whileCalled = tilt_.whileScrolling = check;
    SetCode(7, kQuicklaunchCode);
    std::strcpy(Active().Buttons[7].programPath, "C:\\Games\\run.exe");
    Dispatch(kRunProgramClass, 6);    // the shell starts a program
    Dispatch(kQuibFunctionClass, 5);  // a Quib device function
    Dispatch(kOpenDriverClass, 1);    // the configuration application opens
    Dispatch(kProfileClass, 2);       // pointer settings and the Quib CPI record
    dispatcher_.SwitchToProfile(0);   // the same by the profile switch
    Dispatch(kTiltScrollClass, 255);  // the scrolling reads other programs' windows
    EXPECT_EQ(lockFree.size(), 8u);
    EXPECT_EQ(std::count(lockFree.begin(), lockFree.end(), false), 0);
}

}  // namespace
}  // namespace tesh::monitor::test
