#include "skin/shape_scan.h"

#include <algorithm>

namespace tesh {
namespace {

constexpr int kMaxChannel = 255;

bool InBand(int channel, int key, int tolerance) {
    return channel >= key && channel <= std::min(kMaxChannel, key + tolerance);
}

}  // namespace

KeyColor KeyOf(uint32_t pixel) {
    return {static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8),
            static_cast<uint8_t>(pixel)};
}

bool IsTransparent(uint32_t pixel, KeyColor key, uint8_t tolerance) {
    KeyColor c = KeyOf(pixel);
    return InBand(c.blue, key.blue, tolerance) && InBand(c.green, key.green, tolerance) &&
           InBand(c.red, key.red, tolerance);
}

std::vector<PixelRect> OpaqueRuns(const PixelView& picture, KeyColor key, uint8_t tolerance) {
    std::vector<PixelRect> runs;
    for (int y = 0; y < picture.height; ++y) {
        int x = 0;
        while (x < picture.width) {
            while (x < picture.width && IsTransparent(picture.At(x, y), key, tolerance)) ++x;
            int start = x;
            while (x < picture.width && !IsTransparent(picture.At(x, y), key, tolerance)) ++x;
            if (x > start) runs.push_back({start, y, x, y + 1});
        }
    }
    return runs;
}

}  // namespace tesh
