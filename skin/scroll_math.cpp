#include "skin/scroll_math.h"

#include <algorithm>

namespace tesh {

int ScrollState::MaxPosition() const {
    long long top = static_cast<long long>(maximum) - std::max(page - 1, 0);
    return static_cast<int>(std::max<long long>(minimum, top));
}

int ThumbLength(const ScrollState& scroll, int track) {
    if (track <= 0) return 0;
    long long range = scroll.Range();
    if (range <= 0 || scroll.page <= 0 || scroll.page >= range) return track;
    long long length = track * static_cast<long long>(scroll.page) / range;
    if (track > kThumbMinTrack) length = std::max<long long>(length, kThumbMinLength);
    return static_cast<int>(std::min<long long>(length, track));
}

int ThumbOffset(const ScrollState& scroll, int track) {
    long long free = track - ThumbLength(scroll, track);
    long long steps = static_cast<long long>(scroll.MaxPosition()) - scroll.minimum;
    if (free <= 0 || steps <= 0) return 0;
    long long at =
        std::clamp<long long>(static_cast<long long>(scroll.position) - scroll.minimum, 0, steps);
    return static_cast<int>(free * at / steps);
}

int PositionAt(const ScrollState& scroll, int track, int offset) {
    long long free = track - ThumbLength(scroll, track);
    long long steps = static_cast<long long>(scroll.MaxPosition()) - scroll.minimum;
    if (free <= 0 || steps <= 0) return scroll.minimum;
    long long at = std::clamp<long long>(offset, 0, free);
    return static_cast<int>(scroll.minimum + (at * steps + free / 2) / free);
}

}  // namespace tesh
