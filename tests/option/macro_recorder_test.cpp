#include "option/macro_recorder.h"

#include <gtest/gtest.h>

#include "settings/keyboard_layout.h"
#include "tests/option/macro_events_fixtures.h"

namespace tesh::option {
namespace {

using test::Press;
using test::Release;
using test::SameEvents;
using test::Taps;

constexpr int kVkA = 0x41, kVkB = 0x42, kVkLeftShift = 160, kVkNotInTable = 7;
constexpr uint8_t kA = 4, kB = 5, kLeftShift = 225;

// Key events from the hook: virtual key, released, time in microseconds.
struct Key {
    int vk;
    bool released;
    int64_t us;
};

class Recording {
  public:
    explicit Recording(std::vector<MacroEvent> start) : events(std::move(start)) {}
    bool Start(RecordStart where, int index, bool delays) {
        return recorder.Start(events, {where, index, delays});
    }
    std::vector<RecordResult> Keys(const std::vector<Key>& keys) {
        std::vector<RecordResult> results;
        for (const Key& k : keys)
            results.push_back(recorder.OnKey(events, k.vk, k.released, k.us, layout));
        return results;
    }
    std::vector<MacroEvent> events;
    MacroRecorder recorder;
    UsKeyboardLayout layout;
};

TEST(MacroRecorder, AHeldKeyRecordsOnePressAndOneRelease) {
    Recording r({});
    ASSERT_TRUE(r.Start(RecordStart::kClear, -1, false));
    std::vector<RecordResult> results = r.Keys({{kVkA, false, 0},
                                                {kVkA, false, 500000},
                                                {kVkA, false, 530000},
                                                {kVkA, true, 560000},
                                                {kVkA, true, 570000}});
    EXPECT_TRUE(SameEvents(r.events, {Press(kA), Release(kA)}));
    const RecordResult expected[] = {RecordResult::kRecorded, RecordResult::kIgnored,
                                     RecordResult::kIgnored, RecordResult::kRecorded,
                                     RecordResult::kIgnored};
    for (std::size_t i = 0; i < results.size(); ++i) EXPECT_EQ(results[i], expected[i]) << i;
}

TEST(MacroRecorder, KeysWithoutAUsageAreLeftOutAndModifiersKeepTheirSide) {
    Recording r({});
    ASSERT_TRUE(r.Start(RecordStart::kClear, -1, false));
    r.Keys({{kVkNotInTable, false, 0}, {kVkLeftShift, false, 10}, {kVkLeftShift, true, 20}});
    EXPECT_TRUE(SameEvents(r.events, {Press(kLeftShift), Release(kLeftShift)}));
}

TEST(MacroRecorder, WithDelayRecordingOffEveryDelayIsZero) {
    Recording r({});
    ASSERT_TRUE(r.Start(RecordStart::kClear, -1, false));
    r.Keys({{kVkA, false, 0}, {kVkA, true, 250000}, {kVkB, false, 3000000}, {kVkB, true, 3100000}});
    EXPECT_TRUE(SameEvents(r.events, {Press(kA), Release(kA), Press(kB), Release(kB)}));
}

TEST(MacroRecorder, WithDelayRecordingOnTheEventBeforeAPauseHoldsIt) {
    Recording r({});
    ASSERT_TRUE(r.Start(RecordStart::kClear, -1, true));
    // 120.4 ms, 1000.5 ms (rounds up), 0.4 ms (rounds to nothing).
    r.Keys({{kVkA, false, 1000000},
            {kVkA, true, 1120400},
            {kVkB, false, 2120900},
            {kVkB, true, 2121300}});
    EXPECT_TRUE(
        SameEvents(r.events, {Press(kA, 120), Release(kA, 1001), Press(kB, 0), Release(kB)}));
}

TEST(MacroRecorder, RecordedDelaysStopAt65535) {
    Recording r({});
    ASSERT_TRUE(r.Start(RecordStart::kClear, -1, true));
    r.Keys({{kVkA, false, 0}, {kVkA, true, 65535400}, {kVkB, false, 65535400 + 70000000}});
    EXPECT_TRUE(SameEvents(r.events, {Press(kA, 65535), Release(kA, 65535), Press(kB)}));
}

struct DelayCase {
    int64_t from, to;
    int ms;
};

TEST(MacroRecorder, DelaysAreRoundedToTheNearestMillisecond) {
    const DelayCase cases[] = {{0, 0, 0},
                               {0, 499, 0},
                               {0, 500, 1},
                               {0, 1499, 1},
                               {0, 1500, 2},
                               {100, 50, 0},
                               {0, 65535499, 65535},
                               {0, 65535500, 65535},
                               {0, INT64_MAX, 65535},
                               {INT64_MIN, INT64_MAX, 65535}};
    for (const DelayCase& c : cases) EXPECT_EQ(DelayBetween(c.from, c.to), c.ms) << c.to;
}

struct StartCase {
    const char* what;
    RecordStart start;
    int index;
    std::vector<MacroEvent> after;
};

TEST(MacroRecorder, RecordingStartsBeforeOrAfterTheSelectedEventOrAtTheEnd) {
    const std::vector<MacroEvent> existing = {Press(20, 9), Release(20, 9), Press(21, 9)};
    // Records B press at 0 and B release 40 ms later, delays on.
    const StartCase cases[] = {
        {"clear", RecordStart::kClear, 1, {Press(kB, 40), Release(kB)}},
        {"before 1",
         RecordStart::kBefore,
         1,
         {Press(20, 9), Press(kB, 40), Release(kB), Release(20, 9), Press(21, 9)}},
        {"after 1",
         RecordStart::kAfter,
         1,
         {Press(20, 9), Release(20, 9), Press(kB, 40), Release(kB), Press(21, 9)}},
        {"after the last",
         RecordStart::kAfter,
         2,
         {Press(20, 9), Release(20, 9), Press(21, 9), Press(kB, 40), Release(kB)}},
        {"before, nothing selected",
         RecordStart::kBefore,
         -1,
         {Press(20, 9), Release(20, 9), Press(21, 9), Press(kB, 40), Release(kB)}},
        {"before the first",
         RecordStart::kBefore,
         0,
         {Press(kB, 40), Release(kB), Press(20, 9), Release(20, 9), Press(21, 9)}},
    };
    for (const StartCase& c : cases) {
        Recording r(existing);
        ASSERT_TRUE(r.Start(c.start, c.index, true)) << c.what;
        r.Keys({{kVkB, false, 7000}, {kVkB, true, 47000}});
        EXPECT_TRUE(SameEvents(r.events, c.after)) << c.what;
        EXPECT_TRUE(r.recorder.recording());
    }
}

TEST(MacroRecorder, RecordingStopsByItselfAt500Events) {
    Recording r(Taps(497));
    ASSERT_TRUE(r.Start(RecordStart::kAfter, -1, false));
    std::vector<RecordResult> results =
        r.Keys({{kVkA, false, 0}, {kVkA, true, 1}, {kVkB, false, 2}, {kVkB, true, 3}});
    EXPECT_EQ(results[0], RecordResult::kRecorded);
    EXPECT_EQ(results[1], RecordResult::kRecorded);
    EXPECT_EQ(results[2], RecordResult::kRecordedAndStopped);
    EXPECT_EQ(results[3], RecordResult::kIgnored);
    EXPECT_EQ(r.events.size(), 500u);
    EXPECT_FALSE(r.recorder.recording());
}

TEST(MacroRecorder, AFullMacroRecordsOnlyWhenCleared) {
    Recording r(Taps(500));
    EXPECT_FALSE(r.Start(RecordStart::kBefore, 3, false));
    EXPECT_FALSE(r.recorder.recording());
    EXPECT_EQ(r.events.size(), 500u);
    EXPECT_TRUE(r.Start(RecordStart::kClear, -1, false));
    EXPECT_TRUE(r.events.empty());
}

TEST(MacroRecorder, OnlyARunningRecorderTakesKeys) {
    Recording r({});
    EXPECT_EQ(r.Keys({{kVkA, false, 0}})[0], RecordResult::kIgnored);
    ASSERT_TRUE(r.Start(RecordStart::kClear, -1, false));
    EXPECT_FALSE(r.Start(RecordStart::kClear, -1, false));  // already recording
    r.Keys({{kVkA, false, 0}});
    r.recorder.Stop();
    EXPECT_EQ(r.Keys({{kVkA, true, 10}})[0], RecordResult::kIgnored);
    EXPECT_EQ(r.events.size(), 1u);
}

TEST(MacroRecorder, ANewRunTakesTheSameKeyAgainAndRecordsNoDelayBeforeItsFirstEvent) {
    Recording r({});
    ASSERT_TRUE(r.Start(RecordStart::kClear, -1, true));
    r.Keys({{kVkA, false, 0}, {kVkA, true, 10000}});
    r.recorder.Stop();
    ASSERT_TRUE(r.Start(RecordStart::kAfter, -1, true));
    r.Keys({{kVkA, true, 900000}, {kVkA, false, 930000}});
    EXPECT_TRUE(SameEvents(r.events, {Press(kA, 10), Release(kA), Release(kA, 30), Press(kA)}));
}

}  // namespace
}  // namespace tesh::option
