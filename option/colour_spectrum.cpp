#include "option/colour_spectrum.h"

#include <algorithm>
#include <cmath>

namespace tesh::option {
namespace {

uint8_t Channel(double value) {
    return static_cast<uint8_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
}

}  // namespace

Rgb SpectrumColour(int x, int y, int width, int height) {
    if (width < 2 || height < 2) return {0, 0, 0};
    x = std::clamp(x, 0, width - 1);
    y = std::clamp(y, 0, height - 1);
    const double hue = 6.0 * x / width;  // 0 red, 2 green, 4 blue, up to 6
    const double lightness = 1.0 - static_cast<double>(y) / (height - 1);
    // The full colour of the hue, then mixed with white above the middle and with
    // black below it.
    auto full = [&](double offset) {
        const double h = std::fmod(hue + offset, 6.0);
        return std::clamp(std::abs(h - 3.0) - 1.0, 0.0, 1.0);
    };
    const double pure[3] = {full(0.0), full(4.0), full(2.0)};
    double rgb[3];
    for (int i = 0; i < 3; ++i)
        rgb[i] = lightness >= 0.5 ? pure[i] + (1.0 - pure[i]) * (lightness - 0.5) * 2.0
                                  : pure[i] * lightness * 2.0;
    return {Channel(rgb[0]), Channel(rgb[1]), Channel(rgb[2])};
}

}  // namespace tesh::option
