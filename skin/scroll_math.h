// The thumb of the skinned scroll bar: its length in proportion to the visible page,
// and where it stands along the track.
#pragma once

namespace tesh {

// The thumb is never shorter than this when the track is longer than kThumbMinTrack.
constexpr int kThumbMinLength = 6;
constexpr int kThumbMinTrack = 5;

struct ScrollState {
    int minimum = 0;
    int maximum = 0;  // inclusive, as the system's scroll bars count
    int page = 0;
    int position = 0;

    long long Range() const { return static_cast<long long>(maximum) - minimum + 1; }
    // The highest position a full page can start at.
    int MaxPosition() const;
};

// The thumb's length on a track of `track` pixels.
int ThumbLength(const ScrollState& scroll, int track);

// The thumb's offset from the start of the track.
int ThumbOffset(const ScrollState& scroll, int track);

// The position for a thumb dragged to `offset` pixels from the start of the track.
int PositionAt(const ScrollState& scroll, int track, int offset);

}  // namespace tesh
