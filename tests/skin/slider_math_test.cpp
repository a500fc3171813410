#include "skin/slider_math.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tesh {
namespace {

// A track from 10 to 210 with a 20-pixel thumb: 180 pixels of travel, 18 per unit
// of the default range 0..10.
constexpr SliderTrack kTrack{10, 210, 20};
constexpr SliderRange kPlain{0, 10, false};
constexpr SliderRange kSnap{0, 10, true};

TEST(SliderClickTest, TrackEndsGiveTheRangeEnds) {
    EXPECT_EQ(ClickValue(kPlain, kTrack, 210), 10);
    EXPECT_EQ(ClickValue(kPlain, kTrack, 10), 0);
    EXPECT_EQ(ClickValue(kPlain, kTrack, 0), 0);  // left of the track
    EXPECT_EQ(ClickValue(kPlain, kTrack, 400), 10);
}

TEST(SliderClickTest, TruncatesOrRoundsToNearest) {
    // x = 10 + 39: 1.95 units.
    EXPECT_EQ(ClickValue(kPlain, kTrack, 49), 1);
    EXPECT_EQ(ClickValue(kSnap, kTrack, 49), 2);
    // Just left of the track truncates toward zero, so it still gives the minimum.
    EXPECT_EQ(ClickValue(SliderRange{-10, 10, false}, kTrack, 9), -10);
}

TEST(SliderClickTest, OffsetRangeAndDegenerateTrack) {
    EXPECT_EQ(ClickValue(SliderRange{100, 200, false}, kTrack, 110), 150);
    EXPECT_EQ(ClickValue(kPlain, SliderTrack{50, 50, 0}, 50), 0);
    EXPECT_EQ(ClickValue(kPlain, SliderTrack{60, 50, 0}, 55), 0);
}

TEST(SliderThumbTest, PositionOfAValue) {
    EXPECT_EQ(ThumbLeft(kPlain, kTrack, 0), 10);
    EXPECT_EQ(ThumbLeft(kPlain, kTrack, 10), 190);
    EXPECT_EQ(ThumbLeft(kPlain, kTrack, 5), 100);
    EXPECT_EQ(ThumbLeft(kPlain, kTrack, 99), 190);  // clamped first
    EXPECT_EQ(ThumbLeft(kPlain, kTrack, -3), 10);
    EXPECT_EQ(ThumbLeft(SliderRange{4, 4, false}, kTrack, 4), 10);
}

TEST(SliderThumbTest, ReleaseAtSixAndAHalfUnits) {
    int left = 10 + 117;  // 6.5 units of 18 pixels
    EXPECT_EQ(ReleaseValue(kSnap, kTrack, left), 7);
    EXPECT_EQ(ReleaseValue(kPlain, kTrack, left), 6);
    EXPECT_EQ(DragValue(kSnap, kTrack, left), 6);  // moves always truncate
}

TEST(SliderThumbTest, DraggedThumbStaysInsideTheTrack) {
    EXPECT_EQ(kTrack.ClampThumb(-50), 10);
    EXPECT_EQ(kTrack.ClampThumb(500), 190);
    EXPECT_EQ(DragValue(kPlain, kTrack, 500), 10);
    EXPECT_EQ(ReleaseValue(kPlain, kTrack, -500), 0);
}

TEST(SliderThumbTest, EveryValueRoundTripsThroughItsPosition) {
    for (int v = 0; v <= 10; ++v) {
        int left = ThumbLeft(kSnap, kTrack, v);
        EXPECT_EQ(ReleaseValue(kSnap, kTrack, left), v);
    }
    SliderRange wide{0, 1000, true};
    for (int v = 0; v <= 1000; v += 7) {
        int left = ThumbLeft(wide, kTrack, v);
        int back = ReleaseValue(wide, kTrack, left);
        EXPECT_LE(std::abs(back - v), 6) << v;  // 180 pixels for 1000 values
    }
}

TEST(SliderThumbTest, ThumbWiderThanTrack) {
    SliderTrack narrow{0, 10, 30};
    EXPECT_EQ(ThumbLeft(kPlain, narrow, 7), 0);
    EXPECT_EQ(DragValue(kPlain, narrow, 0), 0);
    EXPECT_EQ(ReleaseValue(kPlain, narrow, 5), 0);
    EXPECT_EQ(narrow.ClampThumb(5), 0);
}

}  // namespace
}  // namespace tesh
