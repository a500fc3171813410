// The shape of a window cut from its picture: every run of pixels that are not of the
// transparent colour becomes a one-pixel-high rectangle, scanning from the top row
// down. The Windows side turns the rectangles into a region.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tesh {

// The rectangles are handed to the region code in blocks of this many.
constexpr std::size_t kShapeRectBlock = 2000;

struct PixelRect {
    int left;
    int top;
    int right;   // exclusive
    int bottom;  // exclusive
    bool operator==(const PixelRect&) const = default;
};

struct KeyColor {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

// Full white, the transparent colour of every window picture.
constexpr KeyColor kWhiteKey = {255, 255, 255};

// A picture as 32-bit pixels in the layout of a top-down device-independent bitmap:
// blue in the lowest byte, then green and red; the top byte is not looked at.
struct PixelView {
    const uint32_t* pixels;
    int width;
    int height;
    std::size_t stride;  // pixels from one row to the next
    uint32_t At(int x, int y) const { return pixels[y * stride + x]; }
};

// A pixel is transparent when each of its channels lies within key .. key + tolerance
// (capped at 255).
bool IsTransparent(uint32_t pixel, KeyColor key, uint8_t tolerance);

std::vector<PixelRect> OpaqueRuns(const PixelView& picture, KeyColor key, uint8_t tolerance);

// The colour of a pixel as a key.
KeyColor KeyOf(uint32_t pixel);

}  // namespace tesh
