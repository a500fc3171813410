#include "option/macro_timeline.h"

#include <algorithm>
#include <iterator>

#include "option/macro_events.h"

namespace tesh::option {

namespace {

constexpr std::size_t kMaxBarCount = kMaxBars;

struct OpenPress {
    uint8_t key;
    int64_t time;
    int index;
};

// An event of a bar on its way back into the macro.
struct TimedEvent {
    int64_t time;
    int64_t rank;          // former position; added bars after every former event
    std::size_t sequence;  // the bar's press before its release at the same rank
    MacroEvent event;
};

int64_t RankOf(int formerIndex, int order, int edge) {
    if (formerIndex >= 0) return formerIndex;
    return int64_t{kMaxMacroEvents} + 2 * int64_t{order} + edge;
}

bool Valid(const std::vector<MacroBar>& bars, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < bars.size();
}

}  // namespace

MacroTimeline BarsFromEvents(std::span<const MacroEvent> events) {
    const std::size_t count = std::min(events.size(), static_cast<std::size_t>(kMaxMacroEvents));
    MacroTimeline timeline;
    std::vector<OpenPress> open;
    int64_t time = 0;
    int64_t lastKeptTime = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const MacroEvent& event = events[i];
        if (IsPress(event)) {
            open.push_back({event.key, time, static_cast<int>(i)});
        } else {
            auto press = std::find_if(open.rbegin(), open.rend(),
                                      [&](const OpenPress& p) { return p.key == event.key; });
            if (press != open.rend()) {
                timeline.bars.push_back(
                    {event.key, press->time, time, press->index, static_cast<int>(i), 0});
                open.erase(std::next(press).base());
                lastKeptTime = time;
            }
        }
        time += event.delay;
    }
    std::stable_sort(
        timeline.bars.begin(), timeline.bars.end(),
        [](const MacroBar& a, const MacroBar& b) { return a.pressIndex < b.pressIndex; });
    if (timeline.bars.size() > kMaxBarCount) timeline.bars.resize(kMaxBarCount);
    if (!timeline.bars.empty())
        timeline.trailingDelay =
            static_cast<uint16_t>(std::clamp<int64_t>(time - lastKeptTime, 0, kMaxDelayMs));
    return timeline;
}

std::vector<MacroEvent> EventsFromBars(const MacroTimeline& timeline) {
    const std::size_t count = std::min(timeline.bars.size(), kMaxBarCount);
    std::vector<TimedEvent> timed;
    timed.reserve(2 * count);
    for (std::size_t b = 0; b < count; ++b) {
        const MacroBar& bar = timeline.bars[b];
        const int64_t start = std::clamp<int64_t>(bar.start, 0, kMaxTimelineMs);
        const int64_t end = std::clamp<int64_t>(bar.end, start, kMaxTimelineMs);
        const int64_t pressRank = RankOf(bar.pressIndex, bar.order, 0);
        const int64_t releaseRank = std::max(pressRank, RankOf(bar.releaseIndex, bar.order, 1));
        timed.push_back({start, pressRank, 2 * b, {bar.key, kPressAction, 0}});
        timed.push_back({end, releaseRank, 2 * b + 1, {bar.key, kReleaseAction, 0}});
    }
    std::sort(timed.begin(), timed.end(), [](const TimedEvent& a, const TimedEvent& b) {
        if (a.time != b.time) return a.time < b.time;
        if (a.rank != b.rank) return a.rank < b.rank;
        return a.sequence < b.sequence;
    });
    std::vector<MacroEvent> events;
    events.reserve(timed.size());
    for (std::size_t i = 0; i < timed.size(); ++i) {
        MacroEvent event = timed[i].event;
        const int64_t gap = i + 1 < timed.size() ? timed[i + 1].time - timed[i].time
                                                 : int64_t{timeline.trailingDelay};
        event.delay = static_cast<uint16_t>(std::min<int64_t>(gap, kMaxDelayMs));
        events.push_back(event);
    }
    return events;
}

int AddBar(std::vector<MacroBar>& bars, uint8_t key, int64_t start, int64_t length) {
    if (bars.size() >= kMaxBarCount) return -1;
    int order = 0;
    for (const MacroBar& bar : bars) order = std::max(order, bar.order + 1);
    const int64_t from = std::clamp<int64_t>(start, 0, kMaxTimelineMs - kMinBarMs);
    const int64_t span = std::clamp<int64_t>(length, kMinBarMs, kMaxTimelineMs - from);
    bars.push_back({key, from, from + span, -1, -1, order});
    return static_cast<int>(bars.size()) - 1;
}

bool DeleteBar(std::vector<MacroBar>& bars, int index) {
    if (!Valid(bars, index)) return false;
    bars.erase(bars.begin() + index);
    return true;
}

bool MoveBar(std::vector<MacroBar>& bars, int index, int64_t start) {
    if (!Valid(bars, index)) return false;
    MacroBar& bar = bars[static_cast<std::size_t>(index)];
    const int64_t length = std::clamp<int64_t>(bar.end - bar.start, 0, kMaxTimelineMs);
    bar.start = std::clamp<int64_t>(start, 0, kMaxTimelineMs - length);
    bar.end = bar.start + length;
    return true;
}

bool MoveBarStart(std::vector<MacroBar>& bars, int index, int64_t start) {
    if (!Valid(bars, index)) return false;
    MacroBar& bar = bars[static_cast<std::size_t>(index)];
    bar.start = std::clamp<int64_t>(start, 0, std::max<int64_t>(0, bar.end - kMinBarMs));
    bar.end = std::max(bar.end, bar.start);
    return true;
}

bool MoveBarEnd(std::vector<MacroBar>& bars, int index, int64_t end) {
    if (!Valid(bars, index)) return false;
    MacroBar& bar = bars[static_cast<std::size_t>(index)];
    bar.start = std::clamp<int64_t>(bar.start, 0, kMaxTimelineMs - kMinBarMs);
    bar.end = std::clamp<int64_t>(end, bar.start + kMinBarMs, kMaxTimelineMs);
    return true;
}

int64_t BarsDuration(std::span<const MacroBar> bars) {
    int64_t duration = 0;
    for (const MacroBar& bar : bars) duration = std::max(duration, bar.end);
    return duration;
}

std::vector<int> BarRows(std::span<const MacroBar> bars) {
    std::vector<uint8_t> keys;
    std::vector<int> rows;
    rows.reserve(bars.size());
    for (const MacroBar& bar : bars) {
        auto at = std::find(keys.begin(), keys.end(), bar.key);
        if (at == keys.end()) at = keys.insert(keys.end(), bar.key);
        rows.push_back(static_cast<int>(at - keys.begin()));
    }
    return rows;
}

bool TimelineZoom::CanZoomIn() const {
    return step_ > 0;
}

bool TimelineZoom::CanZoomOut() const {
    return static_cast<std::size_t>(step_) + 1 < std::size(kZoomSteps);
}

bool TimelineZoom::ZoomIn() {
    if (!CanZoomIn()) return false;
    --step_;
    return true;
}

bool TimelineZoom::ZoomOut() {
    if (!CanZoomOut()) return false;
    ++step_;
    return true;
}

void TimelineZoom::Fit(int64_t durationMs, int widthPixels) {
    const int64_t width = std::max(1, widthPixels);
    for (std::size_t s = 0; s < std::size(kZoomSteps); ++s) {
        step_ = static_cast<int>(s);
        if ((std::max<int64_t>(durationMs, 0) + kZoomSteps[s] - 1) / kZoomSteps[s] <= width) return;
    }
}

int64_t TimelineZoom::XOfTime(int64_t timeMs, int64_t scrollPixels) const {
    return timeMs / msPerPixel() - scrollPixels;
}

int64_t TimelineZoom::TimeOfX(int64_t x, int64_t scrollPixels) const {
    return std::max<int64_t>(0, (x + scrollPixels) * msPerPixel());
}

int64_t TimelineZoom::MaxScroll(int64_t durationMs, int widthPixels) const {
    const int64_t pixels = (std::max<int64_t>(durationMs, 0) + msPerPixel() - 1) / msPerPixel();
    return std::max<int64_t>(0, pixels - std::max(0, widthPixels));
}

}  // namespace tesh::option
