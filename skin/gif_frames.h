// An animated GIF split into its frames, each rebuilt as a small stand-alone GIF image
// that the system's picture decoder can show on its own, with the frame's delay and
// its place on the animation's canvas.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tesh {

// A frame that asks for no delay is shown this long, so that the player thread
// never spins.
constexpr int kDefaultFrameDelayMs = 100;
// Frames beyond this many are not kept.
constexpr std::size_t kMaxGifFrames = 1000;

struct GifFrame {
    std::vector<uint8_t> image;  // a whole GIF file holding this frame alone, at (0, 0)
    int delayMs = kDefaultFrameDelayMs;
    int left = 0;  // the frame's place on the canvas
    int top = 0;
    int width = 0;
    int height = 0;
};

struct GifAnimation {
    int width = 0;  // the canvas
    int height = 0;
    std::vector<GifFrame> frames;
    bool complete = false;  // the file ended with its trailer and nothing was cut short
};

// True when the bytes begin with "GIF".
bool IsGif(std::span<const uint8_t> bytes);

// The frames of a GIF file, as many as could be read whole.
GifAnimation SplitGif(std::span<const uint8_t> bytes);

}  // namespace tesh
