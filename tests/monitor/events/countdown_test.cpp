// The timer function's countdown and its sounds, and the quiet times that keep other
// feedback from speaking over it and over a trophy.
#include <gtest/gtest.h>

#include <algorithm>

#include "monitor/events/event_names.h"
#include "tests/monitor/events/event_fakes.h"

namespace tesh::monitor::test {
namespace {

using Strings = std::vector<std::string>;

class CountdownTest : public EventTest {
  protected:
    CountdownTest() {
        Active().Buttons[3].code = kTimerCode;
        Active().Buttons[4].code = kStopTimerCode;
    }
    void StartTimer(int32_t seconds) {
        Active().Buttons[3].timerValue = seconds;
        Dispatch(kHostButtonClass, 4);
    }
    void StopTimer() { Dispatch(kHostButtonClass, 5); }
};

TEST_F(CountdownTest, TwelveSeconds) {
    StartTimer(12);
    RunFor(13000);
    EXPECT_EQ(sounds_.timed, (Strings{"0 19", "2000 10", "7000 5", "8000 4", "9000 3", "10000 2",
                                      "11000 1", "12000 0"}));
    EXPECT_FALSE(host_.Running(kCountdownTimer));
    EXPECT_FALSE(dispatcher_.feedback().countdownRunning());
    EXPECT_FALSE(dispatcher_.feedback().lastFiveSeconds());
}

TEST_F(CountdownTest, TenSecondsAreAnnouncedAtOnce) {
    StartTimer(10);
    EXPECT_EQ(sounds_.numbers, (std::vector<int>{kSoundTimerActivated, kSoundTenSeconds}));
    RunFor(1000);
    EXPECT_EQ(sounds_.numbers.size(), 2u);
}

TEST_F(CountdownTest, StopOnlyStopsARunningCountdown) {
    StopTimer();
    EXPECT_TRUE(sounds_.numbers.empty());
    StartTimer(30);
    RunFor(3000);
    StopTimer();
    EXPECT_EQ(sounds_.numbers, (std::vector<int>{kSoundTimerActivated, kSoundTimerStopped}));
    EXPECT_FALSE(host_.Running(kCountdownTimer));
    RunFor(40000);
    EXPECT_EQ(sounds_.numbers.size(), 2u);
}

TEST_F(CountdownTest, ARestartBeginsAgainWithTheNewDuration) {
    StartTimer(4);
    RunFor(2000);
    EXPECT_TRUE(dispatcher_.feedback().lastFiveSeconds());
    StartTimer(20);
    EXPECT_FALSE(dispatcher_.feedback().lastFiveSeconds());
    RunFor(10000);
    EXPECT_EQ(sounds_.timed.back(), "12000 10");
}

TEST_F(CountdownTest, TheLastFiveSecondsKeepOtherFeedbackQuiet) {
    StartTimer(8);
    RunFor(2000);
    Dispatch(kVolumeClass, kUp);
    RunFor(500);
    EXPECT_EQ(sounds_.numbers.back(), kSoundVolumeUp) << "six seconds left: not yet quiet";
    RunFor(1000);
    Dispatch(kProfileClass, 2);
    EXPECT_EQ(image_->CurrentProfile, 1) << "the change itself happens";
    RunFor(5500);
    EXPECT_EQ(std::count(sounds_.numbers.begin(), sounds_.numbers.end(), kSoundFirstProfile + 1),
              0);
    EXPECT_EQ(std::count(sounds_.numbers.begin(), sounds_.numbers.end(), kSoundVolumeUp), 1);
    Dispatch(kProfileClass, 3);
    RunFor(500);
    EXPECT_EQ(sounds_.numbers.back(), kSoundFirstProfile + 2) << "spoken again after the end";
}

TEST_F(CountdownTest, ACountdownSurvivesAProfileChange) {
    StartTimer(12);
    Dispatch(kProfileClass, 5);
    RunFor(12000);
    EXPECT_EQ(sounds_.numbers.back(), kSoundGo);
}

}  // namespace
}  // namespace tesh::monitor::test
