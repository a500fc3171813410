// A macro as the library file or a button may hold it, any bytes at all: its event
// lines name every event, its bars keep every press with its release and their times,
// and the bars give back at most 500 events whose presses are all released. Bytes
// after the macro drive the list editor's and the timeline editor's edits, after which
// the same holds.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "option/macro_event_lines.h"
#include "option/macro_events.h"
#include "option/macro_list_edits.h"
#include "option/macro_timeline.h"
#include "settings/keyboard_layout.h"
#include "settings/macro_library.h"

namespace tesh::option {
namespace {

bool SameEvents(const std::vector<MacroEvent>& a, const std::vector<MacroEvent>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].key != b[i].key || a[i].action != b[i].action || a[i].delay != b[i].delay)
            return false;
    return true;
}

void CheckLines(const std::vector<MacroEvent>& events) {
    UsKeyboardLayout us;
    const std::vector<MacroEventLine> lines = MacroEventLines(events, us);
    std::size_t delays = 0;
    for (const MacroEvent& e : events) delays += e.delay != 0;
    TESH_FUZZ_CHECK(lines.size() == events.size() + delays);
    for (const MacroEventLine& line : lines) {
        TESH_FUZZ_CHECK(!line.text.empty());
        TESH_FUZZ_CHECK(line.eventIndex >= 0 &&
                        static_cast<std::size_t>(line.eventIndex) < events.size());
        const auto ref = LineOfTag(line.tag);
        TESH_FUZZ_CHECK(ref && ref->eventIndex == line.eventIndex && ref->isDelay == line.isDelay);
    }
}

// The gaps between the bars' event times all fit a delay: the times then pass exactly.
bool GapsFit(const std::vector<MacroBar>& bars) {
    std::vector<int64_t> times;
    for (const MacroBar& bar : bars) {
        times.push_back(bar.start);
        times.push_back(bar.end);
    }
    std::sort(times.begin(), times.end());
    for (std::size_t i = 1; i < times.size(); ++i)
        if (times[i] - times[i - 1] > kMaxDelayMs) return false;
    return true;
}

void CheckBars(const std::vector<MacroBar>& bars) {
    TESH_FUZZ_CHECK(bars.size() <= static_cast<std::size_t>(kMaxBars));
    for (const MacroBar& bar : bars) {
        TESH_FUZZ_CHECK(bar.start >= 0 && bar.start <= bar.end && bar.end <= kMaxTimelineMs);
    }
}

// Bars back to events: at most 500, every press released after it, and the bars of the
// result give the same events again.
std::vector<MacroEvent> CheckBack(const MacroTimeline& timeline) {
    const std::vector<MacroEvent> back = EventsFromBars(timeline);
    TESH_FUZZ_CHECK(back.size() == 2 * std::min<std::size_t>(timeline.bars.size(), kMaxBars));
    const MacroTimeline again = BarsFromEvents(back);
    TESH_FUZZ_CHECK(2 * again.bars.size() == back.size());
    TESH_FUZZ_CHECK(SameEvents(EventsFromBars(again), back));
    MacroRecord stored = NewMacro("m");
    StoreEvents(stored, back);
    TESH_FUZZ_CHECK(stored.eventCount == static_cast<int32_t>(back.size()));
    for (std::size_t i = 4 * back.size(); i < sizeof stored.events; ++i)
        TESH_FUZZ_CHECK(stored.events[i] == 0);
    return back;
}

void CheckTimeline(const std::vector<MacroEvent>& events) {
    const MacroTimeline timeline = BarsFromEvents(events);
    CheckBars(timeline.bars);
    for (std::size_t i = 0; i < timeline.bars.size(); ++i) {
        const MacroBar& bar = timeline.bars[i];
        TESH_FUZZ_CHECK(bar.pressIndex >= 0 && bar.pressIndex < bar.releaseIndex &&
                        static_cast<std::size_t>(bar.releaseIndex) < events.size());
        const MacroEvent& press = events[static_cast<std::size_t>(bar.pressIndex)];
        const MacroEvent& release = events[static_cast<std::size_t>(bar.releaseIndex)];
        TESH_FUZZ_CHECK(IsPress(press) && !IsPress(release));
        TESH_FUZZ_CHECK(press.key == bar.key && release.key == bar.key);
        if (i > 0) TESH_FUZZ_CHECK(timeline.bars[i - 1].pressIndex < bar.pressIndex);
    }
    const std::vector<MacroEvent> back = CheckBack(timeline);
    if (GapsFit(timeline.bars)) {
        const MacroTimeline again = BarsFromEvents(back);
        TESH_FUZZ_CHECK(again.bars.size() == timeline.bars.size());
        const int64_t origin = timeline.bars.empty() ? 0 : timeline.bars[0].start;
        for (std::size_t i = 0; i < again.bars.size(); ++i) {
            TESH_FUZZ_CHECK(again.bars[i].key == timeline.bars[i].key);
            TESH_FUZZ_CHECK(again.bars[i].start == timeline.bars[i].start - origin);
            TESH_FUZZ_CHECK(again.bars[i].end == timeline.bars[i].end - origin);
        }
        TESH_FUZZ_CHECK(again.trailingDelay == timeline.trailingDelay);
    }
}

// Reads the edit script after the macro, 4 bytes an edit.
struct Script {
    const uint8_t* at;
    const uint8_t* end;
    bool Next(uint8_t (&op)[4]) {
        if (end - at < 4) return false;
        std::memcpy(op, at, 4);
        at += 4;
        return true;
    }
};

void EditList(std::vector<MacroEvent> events, Script script) {
    uint8_t op[4];
    while (script.Next(op)) {
        const int index = op[1] | (op[2] & 1) << 8;
        const LineRef line{index, (op[2] & 2) != 0};
        const std::optional<LineRef> selected =
            (op[2] & 4) != 0 ? std::nullopt : std::optional<LineRef>(line);
        ListChange change;
        switch (op[0] % 4) {
            case 0:
                change = InsertMouseEvent(
                    events, selected,
                    *MouseEventOfCommand(list_command::kFirstMouseEvent + op[3] % 9));
                break;
            case 1:
                change = InsertDelay(events, selected);
                break;
            case 2:
                change = EditDelay(events, line, std::to_string(op[3] * 1000));
                break;
            default:
                change = DeleteLine(events, selected);
                break;
        }
        TESH_FUZZ_CHECK(events.size() <= static_cast<std::size_t>(kMaxMacroEvents));
        if (change.caret)
            TESH_FUZZ_CHECK(change.caret->eventIndex >= 0 &&
                            static_cast<std::size_t>(change.caret->eventIndex) < events.size());
    }
    CheckLines(events);
    CheckTimeline(events);
}

void EditBars(const std::vector<MacroEvent>& events, Script script) {
    MacroTimeline timeline = BarsFromEvents(events);
    uint8_t op[4];
    while (script.Next(op)) {
        const int index = static_cast<int>(op[1] % (timeline.bars.size() + 1));
        const int64_t value = int64_t{op[2] | op[3] << 8} * ((op[0] & 0x80) != 0 ? 1000 : 1) -
                              ((op[0] & 0x40) != 0 ? 100 : 0);
        switch (op[0] % 5) {
            case 0:
                AddBar(timeline.bars, op[1], value, op[3]);
                break;
            case 1:
                DeleteBar(timeline.bars, index);
                break;
            case 2:
                MoveBar(timeline.bars, index, value);
                break;
            case 3:
                MoveBarStart(timeline.bars, index, value);
                break;
            default:
                MoveBarEnd(timeline.bars, index, value);
                break;
        }
        CheckBars(timeline.bars);
    }
    CheckBack(timeline);
}

}  // namespace
}  // namespace tesh::option

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tesh;
    MacroRecord macro;
    std::memset(&macro, 0, sizeof macro);
    std::memcpy(&macro, data, std::min(size, sizeof macro));
    const std::vector<MacroEvent> events = option::EventsOf(macro);
    TESH_FUZZ_CHECK(events.size() <= static_cast<std::size_t>(kMaxMacroEvents));
    option::CheckLines(events);
    option::CheckTimeline(events);
    if (size > sizeof macro) {
        const option::Script script{data + sizeof macro, data + size};
        option::EditList(events, script);
        option::EditBars(events, script);
    }
    return 0;
}
