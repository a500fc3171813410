// When recorded keys came. The keyboard hook stamps each key with the high-resolution
// counter as it is called, and the key event carries the system's own time of it in
// whole ticks (1 ms on some systems, about 16 ms on others). A busy system calls the
// hook late now and then; the event's time, coarse but taken when the key came, bounds
// how late. Refining the stamps of a whole recording afterwards lines the two clocks up
// over all its keys.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "settings/settings_set.h"

namespace tesh::option {

struct KeyStamp {
    int64_t hookUs;    // the counter, in microseconds, when the hook was called
    uint32_t eventMs;  // the key event's own time (wraps after 49 days)
};

// The keys' times in the hook's microseconds, each hook time moved back to the end of
// its event's tick where it came later than that, and none before the one before it. The
// tick is read from how the hooks' times spread over the events' (at least 1 ms); with
// fewer than eight keys the hook times stand.
std::vector<int64_t> RefinedKeyTimes(std::span<const KeyStamp> stamps);

// After a recording with delays: the delays between the `stamps.size()` events recorded
// from `runStart` on, again from the refined times (the last one keeps its delay).
void RefineRecordedDelays(std::vector<MacroEvent>& events, int runStart,
                          std::span<const KeyStamp> stamps);

}  // namespace tesh::option
