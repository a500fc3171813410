#include "option/key_stamps.h"

#include <algorithm>
#include <limits>

#include "option/macro_recorder.h"

namespace tesh::option {
namespace {

constexpr int64_t kMsUs = 1000;
// With fewer keys the clocks cannot be lined up: the hook's times stand.
constexpr std::size_t kFewestToRefine = 8;

// Where a hook came later than the end of its event's tick, its time is taken back
// there.
void PullBackLateHooks(std::span<const KeyStamp> stamps, std::vector<int64_t>& times) {
    // How far each hook came after its event's time (event times relative to the first,
    // in 32-bit steps so that a wrap does not matter). The least of these is where the
    // two clocks line up; most keys lie within a tick after it, the late ones beyond.
    std::vector<int64_t> after;
    for (const KeyStamp& stamp : stamps) {
        const auto ms = static_cast<int32_t>(stamp.eventMs - stamps[0].eventMs);
        after.push_back(stamp.hookUs - int64_t{ms} * kMsUs);
    }
    const int64_t least = *std::min_element(after.begin(), after.end());
    std::vector<int64_t> spread;
    for (int64_t a : after) spread.push_back(a - least);
    // Keys come at any point of a tick, so their spreads lie evenly over it: twice the
    // median is the tick, whatever a few late hooks do to the largest spreads.
    std::nth_element(spread.begin(),
                     spread.begin() + static_cast<std::ptrdiff_t>(spread.size() / 2), spread.end());
    const int64_t tickUs = std::max(kMsUs, 2 * spread[spread.size() / 2]);
    for (std::size_t i = 0; i < times.size(); ++i)
        times[i] = std::min(times[i], stamps[i].hookUs - (after[i] - least) + tickUs);
}

}  // namespace

std::vector<int64_t> RefinedKeyTimes(std::span<const KeyStamp> stamps) {
    std::vector<int64_t> times;
    for (const KeyStamp& stamp : stamps) times.push_back(stamp.hookUs);
    if (stamps.size() >= kFewestToRefine) PullBackLateHooks(stamps, times);
    // Never out of order, whatever the clocks did.
    for (std::size_t i = 1; i < times.size(); ++i) times[i] = std::max(times[i], times[i - 1]);
    return times;
}

void RefineRecordedDelays(std::vector<MacroEvent>& events, int runStart,
                          std::span<const KeyStamp> stamps) {
    if (runStart < 0 || stamps.size() < 2) return;
    const std::size_t first = static_cast<std::size_t>(runStart);
    if (first + stamps.size() > events.size()) return;
    const std::vector<int64_t> times = RefinedKeyTimes(stamps);
    for (std::size_t k = 0; k + 1 < times.size(); ++k)
        events[first + k].delay = static_cast<uint16_t>(DelayBetween(times[k], times[k + 1]));
}

}  // namespace tesh::option
