// Key combination buttons: modifiers in their order, the key held and repeated like a
// held keyboard key, everything let go in reverse order.
#include "monitor/events/key_combination.h"

#include <gtest/gtest.h>

#include "monitor/device_tables.h"
#include "monitor/events/event_names.h"
#include "tests/monitor/events/event_fakes.h"

namespace tesh::monitor::test {
namespace {

using Strings = std::vector<std::string>;

class KeyCombinationTest : public EventTest {
  protected:
    void Assign(uint8_t key, uint8_t modifiers) {
        ButtonRecord& button = Active().Buttons[3];
        button.code = kKeyCombinationCode;
        button.eventCount = 1;
        button.events[0] = key;
        button.events[1] = modifiers;
    }
    void Press() { Dispatch(kHostButtonClass, 4); }
    void Release() { Dispatch(kHostButtonClass, 4, kReleased); }
    // A second combination button, in slot 7.
    void AssignSecond(uint8_t key, uint8_t modifiers) {
        ButtonRecord& button = Active().Buttons[7];
        button.code = kKeyCombinationCode;
        button.eventCount = 1;
        button.events[0] = key;
        button.events[1] = modifiers;
    }
};

TEST_F(KeyCombinationTest, ModifiersArePressedInOrderAndReleasedInReverse) {
    Assign(4, kWindowsBit | kAltBit | kShiftBit | kControlBit);
    Press();
    Release();
    EXPECT_EQ(input_.events,
              (Strings{"0 down 17", "1 down 16", "2 down 18", "3 down 91", "4 down 65", "4 up 65",
                       "5 up 91", "6 up 18", "7 up 16", "8 up 17"}));
    EXPECT_EQ(input_.scanCodes[0], 0x1D) << "each key with its scan code";
    EXPECT_EQ(input_.scanCodes[4], 30);
}

TEST_F(KeyCombinationTest, TheNoModifierBitExcludesTheOthers) {
    Assign(40, kNoModifier | kControlBit);  // Enter
    Press();
    Release();
    EXPECT_EQ(input_.Untimed(), (Strings{"down 13", "up 13"}));
}

TEST_F(KeyCombinationTest, TheKeyRepeatsAfterASecondThenTenTimesASecond) {
    Assign(4, kControlBit);
    Press();
    RunFor(999);
    EXPECT_EQ(input_.events.size(), 2u) << "the timer started after the key went down";
    RunFor(1);
    EXPECT_EQ(host_.Period(kKeyRepeatTimer), kKeyRepeatMs);
    RunFor(200);
    Release();
    EXPECT_EQ(input_.events,
              (Strings{"0 down 17", "1 down 65", "1001 up 65", "1002 down 65", "1101 up 65",
                       "1102 down 65", "1201 up 65", "1202 down 65", "1202 up 65", "1203 up 17"}));
    EXPECT_FALSE(host_.Running(kKeyRepeatTimer));
    RunFor(1000);
    EXPECT_EQ(input_.events.size(), 10u) << "no repeat after the release";
}

TEST_F(KeyCombinationTest, ModifierKeysDoNotRepeat) {
    Assign(225, kNoModifier);  // left Shift, sent as Shift
    Press();
    RunFor(1500);
    Release();
    EXPECT_EQ(input_.Untimed(), (Strings{"down 16", "up 16"}));
}

TEST_F(KeyCombinationTest, AKeyOutsideTheTableSendsOnlyTheModifiers) {
    Assign(50, kAltBit);
    Press();
    RunFor(1500);
    Release();
    EXPECT_EQ(input_.Untimed(), (Strings{"down 18", "up 18"}));
}

TEST_F(KeyCombinationTest, ReleaseLetsGoOfTheCombinationThatWasPressed) {
    Assign(4, kShiftBit);
    Press();
    Assign(5, kAltBit);  // changed by an Apply while held
    Release();
    EXPECT_EQ(input_.Untimed(), (Strings{"down 16", "down 65", "up 65", "up 16"}));
}

TEST_F(KeyCombinationTest, ReleaseAfterAProfileChangeLetsGoOfWhatWasPressed) {
    Assign(4, kControlBit);
    Press();
    image_->CurrentProfile = (image_->CurrentProfile + 1) % kProfileCount;
    Active().Buttons[3].code = kKeyCombinationCode + 1;  // not a combination here
    Release();
    RunFor(2000);
    EXPECT_EQ(input_.Untimed(), (Strings{"down 17", "down 65", "up 65", "up 17"}));
    EXPECT_FALSE(host_.Running(kKeyRepeatTimer));
}

TEST_F(KeyCombinationTest, ASecondCombinationLetsGoOfTheFirst) {
    Assign(4, kShiftBit);
    AssignSecond(5, kAltBit);
    const auto second = static_cast<uint8_t>(DeviceButtonOfSlot(7) + 1);
    Press();
    Dispatch(kHostButtonClass, second);
    Release();  // the first button, already let go
    Dispatch(kHostButtonClass, second, kReleased);
    EXPECT_EQ(input_.Untimed(), (Strings{"down 16", "down 65", "up 65", "up 16", "down 18",
                                         "down 66", "up 66", "up 18"}));
    EXPECT_FALSE(host_.Running(kKeyRepeatTimer));
}

TEST_F(KeyCombinationTest, TheMouseGoingAwayLetsGoOfHeldKeysAndStopsTheRepeat) {
    Assign(4, kControlBit);
    Press();
    dispatcher_.ReleaseHeldInput();
    RunFor(2000);
    Release();
    EXPECT_EQ(input_.Untimed(), (Strings{"down 17", "down 65", "up 65", "up 17"}));
    EXPECT_FALSE(host_.Running(kKeyRepeatTimer));
}

}  // namespace
}  // namespace tesh::monitor::test
