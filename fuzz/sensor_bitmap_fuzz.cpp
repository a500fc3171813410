// The calibration window's bitmap as the monitor patches it after a sensor scan: the
// first 900 bytes of the input are the picture the mouse sent, the rest the file as it
// lies in the Wave folder (any length, any header). The pixels land at their offset,
// mirrored and rotated as the window expects, the file grows with zeros only as far as
// they need, and every other byte stays as it was.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz/fuzz_check.h"
#include "monitor/sensor_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tesh::monitor;
    SensorPicture picture{};
    const std::size_t taken = std::min<std::size_t>(size, picture.size());
    std::memcpy(picture.data(), data, taken);
    const std::string before(reinterpret_cast<const char*>(data) + taken, size - taken);
    std::string file = before;
    const SensorPicture transposed = Transposed(picture);
    PatchSensorBitmap(file, transposed);

    const std::size_t end = kSensorBitmapPixelOffset + kSensorBitmapPixelBytes;
    TESH_FUZZ_CHECK(file.size() == std::max(before.size(), end));
    // Before the pixels: the file as it was, then the zeros it grew by.
    for (std::size_t i = 0; i < kSensorBitmapPixelOffset; ++i) {
        TESH_FUZZ_CHECK(file[i] == (i < before.size() ? before[i] : '\0'));
    }
    if (before.size() > end)
        TESH_FUZZ_CHECK(file.compare(end, std::string::npos, before, end) == 0);
    const SensorBitmapPixels pixels = BitmapPixelsOf(transposed);
    TESH_FUZZ_CHECK(
        std::memcmp(file.data() + kSensorBitmapPixelOffset, pixels.data(), pixels.size()) == 0);
    // Row r, column c of the file: row r of the picture read from its right end, its two
    // top bits moved to the bottom; the last two columns of a row are padding.
    for (int row = 0; row < kSensorSide; ++row) {
        for (int column = 0; column < kSensorBitmapRowBytes; ++column) {
            const auto pixel = static_cast<uint8_t>(
                file[kSensorBitmapPixelOffset + row * kSensorBitmapRowBytes + column]);
            if (column >= kSensorSide) {
                TESH_FUZZ_CHECK(pixel == 0);
                continue;
            }
            const uint8_t value = transposed[row * kSensorSide + (kSensorSide - 1 - column)];
            TESH_FUZZ_CHECK(pixel == static_cast<uint8_t>(value << 2 | value >> 6));
        }
    }
    return 0;
}
