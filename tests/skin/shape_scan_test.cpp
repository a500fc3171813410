#include "skin/shape_scan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace tesh {
namespace {

constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr uint32_t kDark = 0x00202428;
constexpr uint32_t kAccent = 0x003C89BF;  // red 60, green 137, blue 191

struct Picture {
    int width, height;
    std::vector<uint32_t> pixels;
    Picture(int w, int h, uint32_t fill) : width(w), height(h), pixels(w * h, fill) {}
    uint32_t& at(int x, int y) { return pixels[y * width + x]; }
    PixelView View() const { return {pixels.data(), width, height, std::size_t(width)}; }
};

// A window picture whose corner pixels are full white loses exactly those corners.
TEST(ShapeScanTest, WhiteCornersAreCutAway) {
    Picture p(4, 3, kDark);
    p.at(0, 0) = p.at(3, 0) = p.at(0, 2) = p.at(3, 2) = kWhite;
    std::vector<PixelRect> runs = OpaqueRuns(p.View(), kWhiteKey, 0);
    std::vector<PixelRect> expected = {{1, 0, 3, 1}, {0, 1, 4, 2}, {1, 2, 3, 3}};
    EXPECT_EQ(runs, expected);
}

TEST(ShapeScanTest, SeveralRunsInOneRow) {
    Picture p(7, 1, kWhite);
    p.at(1, 0) = p.at(2, 0) = p.at(4, 0) = p.at(6, 0) = kAccent;
    std::vector<PixelRect> expected = {{1, 0, 3, 1}, {4, 0, 5, 1}, {6, 0, 7, 1}};
    EXPECT_EQ(OpaqueRuns(p.View(), kWhiteKey, 0), expected);
}

TEST(ShapeScanTest, ToleranceWidensTheKeyUpwardOnly) {
    KeyColor key{200, 200, 200};
    EXPECT_TRUE(IsTransparent(0x00C8C8C8, key, 0));
    EXPECT_FALSE(IsTransparent(0x00C9C8C8, key, 0));
    EXPECT_TRUE(IsTransparent(0x00D2D2D2, key, 10));
    EXPECT_FALSE(IsTransparent(0x00D3D2D2, key, 10));
    EXPECT_FALSE(IsTransparent(0x00C7C8C8, key, 10));  // below the key
    // The upper bound stops at 255 instead of wrapping.
    EXPECT_TRUE(IsTransparent(kWhite, kWhiteKey, 200));
    EXPECT_FALSE(IsTransparent(0x00FEFFFF, kWhiteKey, 200));
}

TEST(ShapeScanTest, ChannelsAreReadInDeviceOrder) {
    KeyColor key = KeyOf(kAccent);
    EXPECT_EQ(key.red, 60);
    EXPECT_EQ(key.green, 137);
    EXPECT_EQ(key.blue, 191);
    EXPECT_TRUE(IsTransparent(kAccent | 0xFF000000u, key, 0));  // top byte ignored
    EXPECT_FALSE(IsTransparent(0x00BF893C, key, 0));            // red and blue swapped
}

// The slider thumb drops every pixel of its corner colour.
TEST(ShapeScanTest, CornerColourAsKey) {
    Picture p(3, 2, kAccent);
    p.at(1, 0) = kDark;
    p.at(1, 1) = kDark;
    std::vector<PixelRect> expected = {{1, 0, 2, 1}, {1, 1, 2, 2}};
    EXPECT_EQ(OpaqueRuns(p.View(), KeyOf(p.at(0, 0)), 0), expected);
}

TEST(ShapeScanTest, StrideSkipsPaddingPixels) {
    std::vector<uint32_t> pixels = {kDark, kWhite, kDark, kDark, kDark, kDark};
    PixelView view{pixels.data(), 2, 2, 3};  // the third pixel of each row is padding
    std::vector<PixelRect> expected = {{0, 0, 1, 1}, {0, 1, 2, 2}};
    EXPECT_EQ(OpaqueRuns(view, kWhiteKey, 0), expected);
}

TEST(ShapeScanTest, EmptyAndFullyTransparentPictures) {
    Picture white(5, 5, kWhite);
    EXPECT_TRUE(OpaqueRuns(white.View(), kWhiteKey, 0).empty());
    EXPECT_TRUE(OpaqueRuns(PixelView{nullptr, 0, 0, 0}, kWhiteKey, 0).empty());
}

}  // namespace
}  // namespace tesh
