#include "skin/gif_frames.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace tesh {
namespace {

using Bytes = std::vector<uint8_t>;

// Byte by byte: GCC 12 at -O3 warns falsely about a range insert here.
void Add(Bytes& b, std::initializer_list<uint8_t> bytes) {
    for (uint8_t x : bytes) b.push_back(x);
}
void AddWord(Bytes& b, int v) {
    Add(b, {uint8_t(v), uint8_t(v >> 8)});
}

// A GIF written block by block: a 2-colour global table and 1-pixel LZW images.
struct GifWriter {
    Bytes bytes;
    GifWriter(int width, int height) {
        Add(bytes, {'G', 'I', 'F', '8', '9', 'a'});
        AddWord(bytes, width);
        AddWord(bytes, height);
        Add(bytes, {0x80, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF});
    }
    GifWriter& Control(int hundredths) {
        Add(bytes, {0x21, 0xF9, 4, 0});
        AddWord(bytes, hundredths);
        Add(bytes, {0, 0});
        return *this;
    }
    GifWriter& Comment() {
        Add(bytes, {0x21, 0xFE, 3, 'a', 'b', 'c', 0});
        return *this;
    }
    GifWriter& Image(int left, int top, int w, int h, bool localTable = false) {
        Add(bytes, {0x2C});
        AddWord(bytes, left);
        AddWord(bytes, top);
        AddWord(bytes, w);
        AddWord(bytes, h);
        Add(bytes, {uint8_t(localTable ? 0x80 : 0)});
        if (localTable) Add(bytes, {1, 2, 3, 4, 5, 6});
        Add(bytes, {2, 2, 0x44, 0x01, 0});
        return *this;
    }
    Bytes End() {
        Add(bytes, {0x3B});
        return bytes;
    }
};

TEST(GifFramesTest, RecognisesGifByItsFirstThreeBytes) {
    EXPECT_TRUE(IsGif(Bytes{'G', 'I', 'F'}));
    EXPECT_FALSE(IsGif(Bytes{'G', 'I'}));
    EXPECT_FALSE(IsGif(Bytes{0xFF, 0xD8, 0xFF, 0xE0}));  // a JPEG
}

TEST(GifFramesTest, SplitsFramesWithTheirDelaysAndPlaces) {
    Bytes gif = GifWriter(20, 10)
                    .Control(5)
                    .Image(0, 0, 20, 10)
                    .Comment()
                    .Control(30)
                    .Image(4, 3, 8, 2)
                    .End();
    GifAnimation a = SplitGif(gif);
    EXPECT_TRUE(a.complete);
    EXPECT_EQ(a.width, 20);
    EXPECT_EQ(a.height, 10);
    ASSERT_EQ(a.frames.size(), 2u);
    EXPECT_EQ(a.frames[0].delayMs, 50);
    EXPECT_EQ(a.frames[1].delayMs, 300);
    EXPECT_EQ(a.frames[1].left, 4);
    EXPECT_EQ(a.frames[1].top, 3);
    EXPECT_EQ(a.frames[1].width, 8);
    EXPECT_EQ(a.frames[1].height, 2);
}

TEST(GifFramesTest, EachFrameIsAWholeGifOfItsOwn) {
    Bytes gif = GifWriter(20, 10).Control(7).Image(4, 3, 8, 2, true).End();
    GifFrame frame = SplitGif(gif).frames.at(0);
    GifAnimation again = SplitGif(frame.image);
    EXPECT_TRUE(again.complete);
    EXPECT_EQ(again.width, 8);
    EXPECT_EQ(again.height, 2);
    ASSERT_EQ(again.frames.size(), 1u);
    EXPECT_EQ(again.frames[0].delayMs, 70);
    EXPECT_EQ(again.frames[0].left, 0);
    EXPECT_EQ(again.frames[0].top, 0);
    EXPECT_EQ(again.frames[0].image, frame.image);

    // The stand-alone file: header, screen of the frame's size, the global table, the
    // control block, the image at (0, 0) with its local table and data, the trailer.
    Bytes expected;
    Add(expected, {'G',  'I',  'F',  '8',  '9', 'a', 8, 0, 2, 0, 0x80, 0,    0,    0, 0,   0, 0xFF,
                   0xFF, 0xFF, 0x21, 0xF9, 4,   0,   7, 0, 0, 0, 0x2C, 0,    0,    0, 0,   8, 0,
                   2,    0,    0x80, 1,    2,   3,   4, 5, 6, 2, 2,    0x44, 0x01, 0, 0x3B});
    EXPECT_EQ(frame.image, expected);
}

TEST(GifFramesTest, NoDelayGivesTheDefault) {
    GifAnimation a = SplitGif(GifWriter(1, 1).Control(0).Image(0, 0, 1, 1).Image(0, 0, 1, 1).End());
    ASSERT_EQ(a.frames.size(), 2u);
    EXPECT_EQ(a.frames[0].delayMs, kDefaultFrameDelayMs);
    EXPECT_EQ(a.frames[1].delayMs, kDefaultFrameDelayMs);  // the control applies once
}

TEST(GifFramesTest, CutShortFileKeepsTheWholeFrames) {
    Bytes gif = GifWriter(4, 4).Control(2).Image(0, 0, 4, 4).Image(0, 0, 4, 4).End();
    for (std::size_t cut = 0; cut < gif.size(); ++cut) {
        Bytes part(gif.begin(), gif.begin() + cut);
        GifAnimation a = SplitGif(part);
        EXPECT_FALSE(a.complete) << cut;
        EXPECT_LE(a.frames.size(), 2u);
    }
    Bytes first = GifWriter(4, 4).Control(2).Image(0, 0, 4, 4).bytes;
    EXPECT_EQ(SplitGif(first).frames.size(), 1u);
}

TEST(GifFramesTest, UnknownBlockStopsTheSplit) {
    Bytes gif = GifWriter(4, 4).Image(0, 0, 4, 4).bytes;
    Add(gif, {0x99, 0x2C});
    GifAnimation a = SplitGif(gif);
    EXPECT_FALSE(a.complete);
    EXPECT_EQ(a.frames.size(), 1u);
}

}  // namespace
}  // namespace tesh
