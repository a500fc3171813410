// GIF files as the program directory's Gif folder may hold them: the split keeps
// within the file, every frame it gives is a whole GIF of one frame of the same size
// and delay, and splitting that frame again gives back the same bytes.
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz/fuzz_check.h"
#include "skin/gif_frames.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tesh;
    std::span<const uint8_t> bytes(data, size);
    GifAnimation gif = SplitGif(bytes);
    TESH_FUZZ_CHECK(gif.frames.size() <= kMaxGifFrames);
    if (!IsGif(bytes)) TESH_FUZZ_CHECK(gif.frames.empty() && !gif.complete);
    for (const GifFrame& frame : gif.frames) {
        TESH_FUZZ_CHECK(frame.delayMs > 0);
        TESH_FUZZ_CHECK(IsGif(frame.image));
        GifAnimation alone = SplitGif(frame.image);
        TESH_FUZZ_CHECK(alone.complete);
        TESH_FUZZ_CHECK(alone.frames.size() == 1);
        TESH_FUZZ_CHECK(alone.width == frame.width && alone.height == frame.height);
        const GifFrame& inner = alone.frames[0];
        TESH_FUZZ_CHECK(inner.left == 0 && inner.top == 0);
        TESH_FUZZ_CHECK(inner.width == frame.width && inner.height == frame.height);
        TESH_FUZZ_CHECK(inner.delayMs == frame.delayMs);
        TESH_FUZZ_CHECK(inner.image == frame.image);
    }
    return 0;
}
