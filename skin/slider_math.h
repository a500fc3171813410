// The arithmetic of the horizontal slider: where a click on the track lands, where
// the thumb stands for a value, and which value a dragged thumb gives.
#pragma once

namespace tesh {

struct SliderRange {
    int minimum = 0;
    int maximum = 10;
    bool snap = false;  // round to the nearest value instead of truncating

    int Clamp(int value) const;
};

// The track's extent in the slider's coordinates and the width of its thumb.
struct SliderTrack {
    int left = 0;
    int right = 0;
    int thumbWidth = 0;

    // The thumb travels from the track's left end to its right end less its width.
    int Travel() const { return right - left - thumbWidth; }
    // The thumb's left edge kept inside its travel.
    int ClampThumb(int thumbLeft) const;
};

// The value of a click on the track at x, clamped to the range.
int ClickValue(const SliderRange& range, const SliderTrack& track, int x);

// The thumb's left edge for a value (clamped first).
int ThumbLeft(const SliderRange& range, const SliderTrack& track, int value);

// The value while the thumb is dragged: integer arithmetic, truncating, clamped.
int DragValue(const SliderRange& range, const SliderTrack& track, int thumbLeft);

// The value when the thumb is let go: floating point, rounded in snap mode and
// truncated otherwise, clamped.
int ReleaseValue(const SliderRange& range, const SliderTrack& track, int thumbLeft);

}  // namespace tesh
