#include "option/macro_event_lines.h"

#include <gtest/gtest.h>

#include <cstring>

#include "option/macro_events.h"
#include "settings/keyboard_layout.h"
#include "tests/option/macro_events_fixtures.h"

namespace tesh::option {
namespace {

using test::Press;
using test::Release;

struct LineCase {
    MacroEvent event;
    const char* text;
    uint32_t kind;
};

TEST(MacroEventLines, NameEachEventAndItsIcon) {
    const LineCase cases[] = {
        {Press(4), "A Press", line_kind::kKeyPress},
        {Release(4), "A Release", line_kind::kKeyRelease},
        {Press(225), "Left Shift Press", line_kind::kKeyPress},
        {Press(240), "Left Button Press", line_kind::kMouseButton},
        {Release(241), "Right Button Release", line_kind::kMouseButton},
        {Press(242), "Wheel Press", line_kind::kMouseButton},
        {Release(243), "Side Button 1 Release", line_kind::kMouseButton},
        {Press(244), "Side Button 2 Press", line_kind::kMouseButton},
        {Press(58), "F1 Press", line_kind::kKeyPress},
        {Press(0), "Key 0 Press", line_kind::kKeyPress},
        {{4, 7, 0}, "A Release", line_kind::kKeyRelease},  // a damaged action
    };
    UsKeyboardLayout us;
    for (const LineCase& c : cases) {
        std::vector<MacroEventLine> lines = MacroEventLines(std::vector{c.event}, us);
        ASSERT_EQ(lines.size(), 1u) << c.text;
        EXPECT_EQ(lines[0].text, c.text);
        EXPECT_EQ(lines[0].tag, 1u << 16 | c.kind) << c.text;
        EXPECT_EQ(lines[0].eventIndex, 0);
        EXPECT_FALSE(lines[0].isDelay);
    }
}

TEST(MacroEventLines, ADelayFollowsItsEventOnALineOfItsOwn) {
    UsKeyboardLayout us;
    std::vector<MacroEvent> events = {Press(4, 120), Release(4), Press(240, 65535)};
    std::vector<MacroEventLine> lines = MacroEventLines(events, us);
    ASSERT_EQ(lines.size(), 5u);
    const char* texts[] = {"A Press", "120 ms", "A Release", "Left Button Press", "65535 ms"};
    const uint32_t tags[] = {0x1008A, 0x10087, 0x20089, 0x30092, 0x30087};
    const int events_of[] = {0, 0, 1, 2, 2};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].text, texts[i]) << i;
        EXPECT_EQ(lines[i].tag, tags[i]) << i;
        EXPECT_EQ(lines[i].eventIndex, events_of[i]) << i;
        EXPECT_EQ(lines[i].isDelay, (tags[i] & 0xFFFF) == 135) << i;
        ASSERT_TRUE(LineOfTag(lines[i].tag).has_value());
        EXPECT_EQ(*LineOfTag(lines[i].tag), (LineRef{events_of[i], lines[i].isDelay})) << i;
        EXPECT_EQ(LineIndexOf(lines, *LineOfTag(lines[i].tag)), static_cast<int>(i));
    }
    EXPECT_FALSE(LineOfTag(0x87).has_value());
    EXPECT_EQ(LineIndexOf(lines, {1, true}), -1);
}

TEST(MacroEvents, ReadAndWriteTheEventBytesLittleEndian) {
    MacroRecord macro = NewMacro("m");
    macro.repeatCount = 3;
    const uint8_t bytes[] = {4, 1, 0x34, 0x12, 4, 2, 0, 0};
    std::memcpy(macro.events, bytes, sizeof bytes);
    macro.eventCount = 2;
    std::vector<MacroEvent> events = EventsOf(macro);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].delay, 0x1234);
    EXPECT_EQ(events[1].action, kReleaseAction);

    events.erase(events.begin());
    StoreEvents(macro, events);
    EXPECT_EQ(macro.eventCount, 1);
    EXPECT_EQ(macro.repeatCount, 3);
    EXPECT_STREQ(macro.name, "m");
    const uint8_t left[] = {4, 2, 0, 0};
    EXPECT_EQ(std::memcmp(macro.events, left, sizeof left), 0);
    for (std::size_t i = 4; i < sizeof macro.events; ++i) ASSERT_EQ(macro.events[i], 0) << i;
}

TEST(MacroEvents, CountsOutsideTheTableAreBounded) {
    MacroRecord macro = NewMacro("m");
    const int32_t counts[] = {-1, 0, 500, 501, 1 << 30};
    const std::size_t read[] = {0, 0, 500, 500, 500};
    for (std::size_t i = 0; i < std::size(counts); ++i) {
        macro.eventCount = counts[i];
        EXPECT_EQ(EventsOf(macro).size(), read[i]) << counts[i];
    }
    StoreEvents(macro, test::Taps(520));
    EXPECT_EQ(macro.eventCount, 500);
}

}  // namespace
}  // namespace tesh::option
