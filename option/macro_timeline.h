// The timeline editor's model: a macro's key presses as bars from press to release
// time, and the bars back as events; the editing of bars and the zoom and scroll of
// the view. Times are milliseconds from the macro's start, held in 64 bits: a macro
// may last far longer than the 65535 ms one delay holds.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "settings/settings_set.h"

namespace tesh::option {

// A macro holds 500 events: 250 bars.
constexpr int kMaxBars = kMaxMacroEvents / 2;
// The latest time a bar may reach: 499 delays of 65535 ms.
constexpr int64_t kMaxTimelineMs = int64_t{kMaxMacroEvents - 1} * 65535;
constexpr int64_t kMinBarMs = 1;

struct MacroBar {
    uint8_t key = 0;
    int64_t start = 0;
    int64_t end = 0;
    // Where its press and release stood in the macro, -1 for a bar added in the editor.
    int pressIndex = -1;
    int releaseIndex = -1;
    // Among bars added in the editor, the order they were added in (0 for bars of the
    // macro). Events at the same time keep the order of their former positions; those
    // of added bars come after the others, in this order.
    int order = 0;
    bool operator==(const MacroBar&) const = default;
};

struct MacroTimeline {
    std::vector<MacroBar> bars;  // in the order of their presses, at most 250
    // The pause after the macro's last kept event (it separates the repetitions of a
    // looping macro), kept so that the bars give it back.
    uint16_t trailingDelay = 0;
};

// Walks the events with the running time (the sum of the earlier events' delays): a
// release closes the latest open press of its key; releases without a press and
// presses never released are dropped. At most the first 250 bars in press order.
MacroTimeline BarsFromEvents(std::span<const MacroEvent> events);
// Each bar gives a press at its start and a release at its end (at most 250 bars, so a
// press never loses its release); the events are sorted by time, ties by former
// position, and each delay is the time to the next event, at most 65535 (a longer
// pause cannot be held); the last event's delay is the trailing delay. No bars: none.
std::vector<MacroEvent> EventsFromBars(const MacroTimeline& timeline);

// Editing, all clamped to 0..kMaxTimelineMs with bars at least 1 ms long.
// Appends a bar (key, start, length); -1 (nothing added) with 250 bars, else its index.
int AddBar(std::vector<MacroBar>& bars, uint8_t key, int64_t start, int64_t length);
bool DeleteBar(std::vector<MacroBar>& bars, int index);
// Moves the bar to start at `start`, keeping its length.
bool MoveBar(std::vector<MacroBar>& bars, int index, int64_t start);
// Moves one edge; the bar keeps at least 1 ms.
bool MoveBarStart(std::vector<MacroBar>& bars, int index, int64_t start);
bool MoveBarEnd(std::vector<MacroBar>& bars, int index, int64_t end);
// The end of the latest bar (0 without bars).
int64_t BarsDuration(std::span<const MacroBar> bars);

// One row per key, in the order the keys first appear in the bars: the row of each bar.
std::vector<int> BarRows(std::span<const MacroBar> bars);

// The view's zoom: milliseconds per pixel, one of kZoomSteps (finest first).
inline constexpr int kZoomSteps[] = {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};
class TimelineZoom {
  public:
    int step() const { return step_; }
    int msPerPixel() const { return kZoomSteps[step_]; }
    bool CanZoomIn() const;
    bool CanZoomOut() const;
    bool ZoomIn();  // false at the finest step
    bool ZoomOut();
    // The finest step that shows `durationMs` within `widthPixels`.
    void Fit(int64_t durationMs, int widthPixels);
    // The view's x of a time and the time at an x, the view scrolled by `scrollPixels`.
    int64_t XOfTime(int64_t timeMs, int64_t scrollPixels) const;
    int64_t TimeOfX(int64_t x, int64_t scrollPixels) const;  // never below 0
    // The largest scroll that still shows the end of `durationMs` (0 when it fits).
    int64_t MaxScroll(int64_t durationMs, int widthPixels) const;

  private:
    int step_ = 3;
};

}  // namespace tesh::option
