#include "skin/scroll_math.h"

#include <gtest/gtest.h>

namespace tesh {
namespace {

// 100 rows, 10 visible.
constexpr ScrollState kList{0, 99, 10, 0};

TEST(ScrollThumbTest, LengthFollowsPageOverRange) {
    EXPECT_EQ(ThumbLength(kList, 200), 20);
    EXPECT_EQ(ThumbLength(ScrollState{0, 99, 50, 0}, 200), 100);
}

TEST(ScrollThumbTest, NeverShorterThanSixOnALongerTrack) {
    ScrollState many{0, 9999, 10, 0};
    EXPECT_EQ(ThumbLength(many, 200), kThumbMinLength);
    EXPECT_EQ(ThumbLength(many, 6), 6);
    // A track of 5 pixels or less gets the proportional length.
    EXPECT_EQ(ThumbLength(many, 5), 0);
    EXPECT_EQ(ThumbLength(ScrollState{0, 1, 1, 0}, 4), 2);
}

TEST(ScrollThumbTest, FullTrackWhenEverythingIsVisible) {
    EXPECT_EQ(ThumbLength(ScrollState{0, 9, 10, 0}, 120), 120);
    EXPECT_EQ(ThumbLength(ScrollState{0, 9, 50, 0}, 120), 120);
    EXPECT_EQ(ThumbLength(ScrollState{0, -1, 0, 0}, 120), 120);
    EXPECT_EQ(ThumbLength(kList, 0), 0);
}

TEST(ScrollThumbTest, OffsetRunsFromStartToEnd) {
    EXPECT_EQ(ThumbOffset(kList, 200), 0);
    EXPECT_EQ(ThumbOffset(ScrollState{0, 99, 10, 90}, 200), 180);
    EXPECT_EQ(ThumbOffset(ScrollState{0, 99, 10, 45}, 200), 90);
    EXPECT_EQ(ThumbOffset(ScrollState{0, 99, 10, 500}, 200), 180);
}

TEST(ScrollThumbTest, DraggedOffsetGivesBackThePosition) {
    for (int pos = 0; pos <= 90; ++pos) {
        ScrollState s{0, 99, 10, pos};
        EXPECT_EQ(PositionAt(s, 200, ThumbOffset(s, 200)), pos);
    }
    EXPECT_EQ(PositionAt(kList, 200, -40), 0);
    EXPECT_EQ(PositionAt(kList, 200, 999), 90);
    EXPECT_EQ(PositionAt(ScrollState{0, 9, 10, 0}, 200, 50), 0);
}

}  // namespace
}  // namespace tesh
