// The macro player: keys and mouse buttons with their delays on one schedule, long
// presses that repeat, repetitions, and a stop that lets go of everything held.
#include "monitor/events/macro_player.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/monitor/events/event_fakes.h"

namespace tesh::monitor::test {
namespace {

using Strings = std::vector<std::string>;

class MacroPlayerTest : public EventTest {
  protected:
    MacroPlayerTest() {
        button_.code = 48;
        button_.repeatCount = 1;
    }
    void Add(uint8_t key, uint8_t action, uint16_t delay) {
        const MacroEvent event{key, action, delay};
        std::memcpy(button_.events + 4 * button_.eventCount, &event, sizeof event);
        ++button_.eventCount;
    }
    void Play() { player_.Start(button_); }

    ButtonRecord button_{};
};

TEST_F(MacroPlayerTest, KeysAndMouseButtonsWithTheirDelays) {
    Add(4, kMacroPress, 10);
    Add(4, kMacroRelease, 20);
    Add(240, kMacroPress, 5);
    Add(240, kMacroRelease, 0);  // counts as 1 ms
    Add(244, kMacroPress, 7);
    Add(243, kMacroRelease, 1);
    Add(241, kMacroPress, 1);
    Add(242, kMacroPress, 1);
    Play();
    EXPECT_EQ(input_.events,
              (Strings{"0 down 65", "10 up 65", "30 mouse 0 down", "35 mouse 0 up",
                       "36 mouse 4 down", "43 mouse 3 up", "44 mouse 1 down", "45 mouse 2 down"}));
    EXPECT_EQ(time_.NowMs(), 46u);
    EXPECT_FALSE(player_.playing());
}

TEST_F(MacroPlayerTest, LeftAndRightModifiersAreSentAsThePlainKeys) {
    Add(225, kMacroPress, 1);
    Add(229, kMacroRelease, 1);
    Add(228, kMacroPress, 1);
    Add(230, kMacroPress, 1);
    Add(227, kMacroPress, 1);
    Play();
    EXPECT_EQ(input_.Untimed(), (Strings{"down 16", "up 16", "down 17", "down 18", "down 91"}));
}

TEST_F(MacroPlayerTest, KeysWithoutAnEntryAndUnknownActionsSendNothingButWait) {
    Add(50, kMacroPress, 10);
    Add(4, 3, 10);
    Add(5, kMacroPress, 10);
    Play();
    EXPECT_EQ(input_.events, Strings{"20 down 66"});
}

TEST_F(MacroPlayerTest, TheMacroRepeatsItsRepeatCount) {
    Add(4, kMacroPress, 5);
    Add(4, kMacroRelease, 5);
    button_.repeatCount = 3;
    Play();
    EXPECT_EQ(input_.events, (Strings{"0 down 65", "5 up 65", "10 down 65", "15 up 65",
                                      "20 down 65", "25 up 65"}));
}

TEST_F(MacroPlayerTest, ARepeatCountOfZeroOrLessPlaysOnce) {
    Add(4, kMacroPress, 5);
    for (int32_t count : {0, -4}) {
        button_.repeatCount = count;
        input_.events.clear();
        Play();
        EXPECT_EQ(input_.events.size(), 1u) << count;
    }
}

TEST_F(MacroPlayerTest, AButtonWithoutEventsPlaysNothing) {
    Play();
    EXPECT_EQ(macroThread_.posts, 0);
}

TEST_F(MacroPlayerTest, AtMostFiveHundredEventsPlay) {
    for (int i = 0; i < 250; ++i) {
        Add(4, kMacroPress, 1);
        Add(4, kMacroRelease, 1);
    }
    button_.eventCount = 600;
    Play();
    EXPECT_EQ(input_.events.size(), 500u);
}

TEST_F(MacroPlayerTest, ALongPressRepeatsTheKeyAfterHalfASecond) {
    Add(4, kMacroPress, 600);
    Add(4, kMacroRelease, 10);
    Play();
    EXPECT_EQ(input_.events,
              (Strings{"0 down 65", "500 up 65", "500 down 65", "533 up 65", "533 down 65",
                       "566 up 65", "566 down 65", "599 up 65", "599 down 65", "600 up 65"}));
}

TEST_F(MacroPlayerTest, APressOfHalfASecondDoesNotRepeat) {
    Add(4, kMacroPress, 500);
    Add(4, kMacroRelease, 1);
    Play();
    EXPECT_EQ(input_.events, (Strings{"0 down 65", "500 up 65"}));
}

TEST_F(MacroPlayerTest, ASecondPressStopsAndLetsGoOfEverythingHeldMostRecentFirst) {
    Add(4, kMacroPress, 10);
    Add(240, kMacroPress, 10);
    Add(5, kMacroPress, 10);
    Add(6, kMacroPress, 100);
    Add(5, kMacroRelease, 10);
    Add(6, kMacroRelease, 10);
    bool pressed = false;
    time_.onSleep = [&](int64_t nowUs) {
        if (!pressed && nowUs >= 30000) {
            pressed = true;
            Play();  // the second press, while the first plays
        }
    };
    Play();
    EXPECT_EQ(macroThread_.posts, 1) << "the second press only stops";
    EXPECT_EQ(input_.events, (Strings{"0 down 65", "10 mouse 0 down", "20 down 66", "30 down 67",
                                      "80 up 67", "130 up 66", "180 mouse 0 up", "230 up 65"}));
    EXPECT_FALSE(player_.playing());
    time_.onSleep = nullptr;
    input_.events.clear();
    Play();
    EXPECT_EQ(input_.events.size(), 6u) << "the next press plays again";
}

TEST_F(MacroPlayerTest, AStopEndsTheRepeatsOfALongPress) {
    Add(4, kMacroPress, 5000);
    Add(4, kMacroRelease, 10);
    time_.onSleep = [&](int64_t nowUs) {
        if (nowUs >= 600000) player_.RequestStop();
    };
    Play();
    ASSERT_GE(input_.events.size(), 2u);
    EXPECT_EQ(input_.Untimed().back(), "up 65") << "the held key let go";
    EXPECT_LT(input_.timesUs.back(), 700000) << "not after the whole delay";
    EXPECT_EQ(input_.timesUs.size() % 2, 0u) << "every repeat completed";
}

TEST_F(MacroPlayerTest, LateWakeUpsDoNotAddUp) {
    int64_t programmed = 0;
    for (int i = 0; i < 100; ++i) {
        const uint16_t delay = static_cast<uint16_t>(1 + (i * 37) % 500);
        Add(4, i % 2 ? kMacroRelease : kMacroPress, delay);
        programmed += delay * 1000;
    }
    Add(5, kMacroPress, 1);
    time_.lateUs = 300;
    Play();
    ASSERT_EQ(input_.timesUs.size(), 101u);
    EXPECT_EQ(input_.timesUs.back(), programmed + 300);
}

TEST_F(MacroPlayerTest, AStallDoesNotShortenTheDelaysAfterIt) {
    Add(4, kMacroPress, 10);
    Add(4, kMacroRelease, 10);
    Add(5, kMacroPress, 10);
    bool stalled = false;
    time_.onSleep = [&](int64_t nowUs) {
        if (!stalled && nowUs >= 0) {
            stalled = true;
            time_.Advance(50000);
        }
    };
    Play();
    EXPECT_EQ(input_.events, (Strings{"0 down 65", "50 up 65", "60 down 66"}));
}

}  // namespace
}  // namespace tesh::monitor::test
