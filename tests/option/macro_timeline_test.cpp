#include "option/macro_timeline.h"

#include <gtest/gtest.h>

#include "tests/option/macro_events_fixtures.h"

namespace tesh::option {
namespace {

using test::Press;
using test::Release;
using test::SameEvents;

constexpr uint8_t kA = 4, kB = 5, kC = 6;

std::vector<MacroBar> BarsOf(const std::vector<MacroEvent>& events) {
    return BarsFromEvents(events).bars;
}

MacroBar Bar(uint8_t key, int64_t start, int64_t end, int press, int release) {
    return MacroBar{key, start, end, press, release, 0};
}

TEST(MacroTimeline, AReleaseClosesTheLatestOpenPressOfItsKey) {
    // A down 0..300, B down 100..200 inside it, A again 300..310.
    std::vector<MacroEvent> events = {Press(kA, 100), Press(kB, 100), Release(kB, 100),
                                      Release(kA),    Press(kA, 10),  Release(kA)};
    std::vector<MacroBar> bars = BarsOf(events);
    const MacroBar expected[] = {Bar(kA, 0, 300, 0, 3), Bar(kB, 100, 200, 1, 2),
                                 Bar(kA, 300, 310, 4, 5)};
    ASSERT_EQ(bars.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(bars[i], expected[i]) << i;
}

TEST(MacroTimeline, NestedPressesOfOneKeyPairInnermostFirst) {
    std::vector<MacroEvent> events = {Press(kA, 10), Press(kA, 10), Release(kA, 10), Release(kA)};
    std::vector<MacroBar> bars = BarsOf(events);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(bars[0], Bar(kA, 0, 30, 0, 3));
    EXPECT_EQ(bars[1], Bar(kA, 10, 20, 1, 2));
    EXPECT_TRUE(SameEvents(EventsFromBars(BarsFromEvents(events)), events));
}

TEST(MacroTimeline, UnmatchedPressesAndReleasesAreDroppedAndTheTimingStays) {
    std::vector<MacroEvent> events = {Release(kC, 50), Press(kA, 20), Press(kB, 30),
                                      Release(kA, 40), Press(kC, 5)};
    MacroTimeline timeline = BarsFromEvents(events);
    ASSERT_EQ(timeline.bars.size(), 1u);
    EXPECT_EQ(timeline.bars[0], Bar(kA, 50, 100, 1, 3));
    // The pause after A's release (40) and the dropped C press (5).
    EXPECT_EQ(timeline.trailingDelay, 45);
    EXPECT_TRUE(SameEvents(EventsFromBars(timeline), {Press(kA, 50), Release(kA, 45)}));
}

TEST(MacroTimeline, OverlappingPressesOfDifferentKeysKeepTheirTiming) {
    std::vector<MacroEvent> events = {Press(kA, 40), Press(kB, 60),   Release(kA, 25),
                                      Press(kC, 0),  Release(kB, 15), Release(kC, 300)};
    std::vector<MacroEvent> back = EventsFromBars(BarsFromEvents(events));
    EXPECT_TRUE(SameEvents(back, events));
}

TEST(MacroTimeline, EventsAtTheSameTimeKeepTheirFormerOrder) {
    std::vector<MacroEvent> events = {Press(kB), Press(kA), Release(kB), Release(kA, 7)};
    EXPECT_TRUE(SameEvents(EventsFromBars(BarsFromEvents(events)), events));
}

TEST(MacroTimeline, AMacroLongerThan65SecondsPassesThroughIntact) {
    std::vector<MacroEvent> events;
    for (int i = 0; i < 10; ++i) {
        events.push_back(Press(static_cast<uint8_t>(kA + i), 65000));
        events.push_back(Release(static_cast<uint8_t>(kA + i), 65535));
    }
    MacroTimeline timeline = BarsFromEvents(events);
    ASSERT_EQ(timeline.bars.size(), 10u);
    EXPECT_EQ(timeline.bars[9].start, 9 * (65000 + 65535));
    EXPECT_EQ(timeline.bars[9].end, 9 * (65000 + 65535) + 65000);
    EXPECT_EQ(BarsDuration(timeline.bars), 9 * (65000 + 65535) + 65000);
    EXPECT_TRUE(SameEvents(EventsFromBars(timeline), events));
}

TEST(MacroTimeline, APauseLongerThanADelayHoldsIsCutTo65535NotWrapped) {
    MacroTimeline timeline{{Bar(kA, 0, 10, 0, 1), Bar(kB, 100010, 100020, 2, 3)}, 0};
    EXPECT_TRUE(SameEvents(EventsFromBars(timeline),
                           {Press(kA, 10), Release(kA, 65535), Press(kB, 10), Release(kB)}));
}

TEST(MacroTimeline, NoBarsEmptyTheMacro) {
    EXPECT_TRUE(EventsFromBars(MacroTimeline{}).empty());
    MacroRecord macro = NewMacro("m");
    StoreEvents(macro, std::vector{Press(kA, 5), Press(kB)});
    MacroTimeline timeline = BarsFromEvents(EventsOf(macro));
    EXPECT_TRUE(timeline.bars.empty());
    StoreEvents(macro, EventsFromBars(timeline));
    EXPECT_EQ(macro.eventCount, 0);
    for (uint8_t b : macro.events) ASSERT_EQ(b, 0);
}

TEST(MacroTimeline, At250BarsEveryPressKeepsItsRelease) {
    std::vector<MacroBar> bars;
    for (int i = 0; i < 251; ++i)
        bars.push_back(
            Bar(static_cast<uint8_t>(kA + i % 30), 10 * i, 10 * i + 5, 2 * i, 2 * i + 1));
    std::vector<MacroEvent> events = EventsFromBars(MacroTimeline{bars, 0});
    ASSERT_EQ(events.size(), 500u);
    EXPECT_EQ(BarsFromEvents(events).bars.size(), 250u);  // every press matched
    EXPECT_EQ(events.back().action, kReleaseAction);
    EXPECT_EQ(events.back().key, bars[249].key);

    EXPECT_EQ(AddBar(bars, kA, 0, 10), -1);
    bars.resize(250);
    EXPECT_EQ(AddBar(bars, kA, 0, 10), -1);
    bars.resize(249);
    EXPECT_EQ(AddBar(bars, kA, 0, 10), 249);
}

TEST(MacroTimeline, AddedBarsFollowTheOthersAtTheSameTime) {
    std::vector<MacroBar> bars = BarsOf({Press(kA, 100), Release(kA)});
    const int first = AddBar(bars, kB, 0, 100);
    const int second = AddBar(bars, kC, 0, 50);
    ASSERT_EQ(first, 1);
    ASSERT_EQ(second, 2);
    EXPECT_LT(bars[1].order, bars[2].order);
    EXPECT_EQ(bars[2].pressIndex, -1);
    EXPECT_TRUE(SameEvents(EventsFromBars({bars, 0}), {Press(kA), Press(kB), Press(kC, 50),
                                                       Release(kC, 50), Release(kA), Release(kB)}));
}

struct EditCase {
    const char* what;
    int op;  // 0 move, 1 start edge, 2 end edge
    int64_t to;
    int64_t start, end;
};

TEST(MacroTimeline, BarsMoveAndStretchWithinTheirBounds) {
    const EditCase cases[] = {
        {"move", 0, 500, 500, 600},
        {"move before zero", 0, -50, 0, 100},
        {"move past the end", 0, kMaxTimelineMs, kMaxTimelineMs - 100, kMaxTimelineMs},
        {"start edge", 1, 150, 150, 300},
        {"start edge past the end", 1, 400, 299, 300},
        {"start edge before zero", 1, -3, 0, 300},
        {"end edge", 2, 900, 200, 900},
        {"end edge before the start", 2, 100, 200, 201},
        {"end edge past the end", 2, kMaxTimelineMs + 9, 200, kMaxTimelineMs},
    };
    for (const EditCase& c : cases) {
        std::vector<MacroBar> bars = {Bar(kA, 200, 300, 0, 1)};
        const bool done = c.op == 0   ? MoveBar(bars, 0, c.to)
                          : c.op == 1 ? MoveBarStart(bars, 0, c.to)
                                      : MoveBarEnd(bars, 0, c.to);
        EXPECT_TRUE(done) << c.what;
        EXPECT_EQ(bars[0].start, c.start) << c.what;
        EXPECT_EQ(bars[0].end, c.end) << c.what;
    }
    std::vector<MacroBar> bars = {Bar(kA, 200, 300, 0, 1)};
    EXPECT_FALSE(MoveBar(bars, 1, 0));
    EXPECT_FALSE(DeleteBar(bars, -1));
    EXPECT_TRUE(DeleteBar(bars, 0));
    EXPECT_TRUE(bars.empty());
    EXPECT_EQ(BarsDuration(bars), 0);
}

TEST(MacroTimeline, AddedBarsAreAtLeastOneMillisecondLong) {
    std::vector<MacroBar> bars;
    AddBar(bars, kA, -20, 0);
    EXPECT_EQ(bars[0].start, 0);
    EXPECT_EQ(bars[0].end, 1);
}

TEST(MacroTimeline, EachKeyHasItsRow) {
    std::vector<MacroBar> bars = {Bar(kB, 0, 1, 0, 1), Bar(kA, 0, 1, 2, 3), Bar(kB, 5, 6, 4, 5)};
    EXPECT_EQ(BarRows(bars), (std::vector<int>{0, 1, 0}));
}

TEST(MacroTimeline, ZoomStepsAreBoundedAndMapTimesToPixels) {
    TimelineZoom zoom;
    while (zoom.ZoomIn()) {
    }
    EXPECT_EQ(zoom.msPerPixel(), 1);
    EXPECT_FALSE(zoom.CanZoomIn());
    while (zoom.ZoomOut()) {
    }
    EXPECT_EQ(zoom.msPerPixel(), 1000);
    EXPECT_FALSE(zoom.CanZoomOut());

    zoom.Fit(4000, 400);  // 10 ms per pixel fits 4 s into 400 pixels
    EXPECT_EQ(zoom.msPerPixel(), 10);
    EXPECT_EQ(zoom.XOfTime(1230, 0), 123);
    EXPECT_EQ(zoom.XOfTime(1230, 100), 23);
    EXPECT_EQ(zoom.TimeOfX(23, 100), 1230);
    EXPECT_EQ(zoom.TimeOfX(-500, 100), 0);
    EXPECT_EQ(zoom.MaxScroll(4000, 400), 0);
    EXPECT_EQ(zoom.MaxScroll(6000, 400), 200);
    zoom.Fit(100000000, 400);  // longer than the coarsest step shows
    EXPECT_EQ(zoom.msPerPixel(), 1000);
}

}  // namespace
}  // namespace tesh::option
