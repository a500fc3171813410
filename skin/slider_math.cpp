#include "skin/slider_math.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tesh {
namespace {

// A value computed in floating point, brought back to an integer the way the
// slider's mode says, without overflowing on degenerate tracks.
int ToValue(const SliderRange& range, double exact) {
    double v = range.snap ? std::round(exact) : std::trunc(exact);
    v = std::clamp(v, static_cast<double>(std::numeric_limits<int>::min()),
                   static_cast<double>(std::numeric_limits<int>::max()));
    return range.Clamp(static_cast<int>(v));
}

double Span(const SliderRange& range) {
    return static_cast<double>(range.maximum) - static_cast<double>(range.minimum);
}

}  // namespace

int SliderRange::Clamp(int value) const {
    if (maximum < minimum) return minimum;
    return std::clamp(value, minimum, maximum);
}

int SliderTrack::ClampThumb(int thumbLeft) const {
    return std::max(left, std::min(thumbLeft, left + std::max(0, Travel())));
}

int ClickValue(const SliderRange& range, const SliderTrack& track, int x) {
    double width = static_cast<double>(track.right) - track.left;
    if (width <= 0) return range.Clamp(range.minimum);
    double exact = (static_cast<double>(x) - track.left) * Span(range) / width + range.minimum;
    return ToValue(range, exact);
}

int ThumbLeft(const SliderRange& range, const SliderTrack& track, int value) {
    value = range.Clamp(value);
    double span = Span(range);
    if (span <= 0 || track.Travel() <= 0) return track.left;
    double offset = track.Travel() * (static_cast<double>(value) - range.minimum) / span;
    return track.left + static_cast<int>(offset);
}

int DragValue(const SliderRange& range, const SliderTrack& track, int thumbLeft) {
    long long travel = track.Travel();
    if (travel <= 0) return range.Clamp(range.minimum);
    long long offset = static_cast<long long>(track.ClampThumb(thumbLeft)) - track.left;
    long long span = static_cast<long long>(range.maximum) - range.minimum;
    long long v = range.minimum + offset * span / travel;
    v = std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    return range.Clamp(static_cast<int>(v));
}

int ReleaseValue(const SliderRange& range, const SliderTrack& track, int thumbLeft) {
    double travel = track.Travel();
    if (travel <= 0) return range.Clamp(range.minimum);
    double offset = static_cast<double>(track.ClampThumb(thumbLeft)) - track.left;
    return ToValue(range, range.minimum + offset * Span(range) / travel);
}

}  // namespace tesh
