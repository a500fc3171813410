#include "option/macro_event_lines.h"

#include <algorithm>

#include "option/macro_events.h"
#include "settings/key_tables.h"

namespace tesh::option {

namespace {

uint32_t KindOf(const MacroEvent& event) {
    if (IsMouseButton(event.key)) return line_kind::kMouseButton;
    return IsPress(event) ? line_kind::kKeyPress : line_kind::kKeyRelease;
}

}  // namespace

std::string EventText(const MacroEvent& event, const KeyboardLayout& layout) {
    std::string name = UsageName(event.key, layout);
    if (name.empty()) name = "Key " + std::to_string(event.key);
    return name + (IsPress(event) ? " Press" : " Release");
}

std::string DelayText(int delayMs) {
    return std::to_string(delayMs) + " ms";
}

uint32_t LineTag(int eventIndex, uint32_t kind) {
    return static_cast<uint32_t>(eventIndex + 1) << 16 | (kind & 0xFFFF);
}

std::optional<LineRef> LineOfTag(uint32_t tag) {
    const uint32_t event = tag >> 16;
    if (event == 0) return std::nullopt;
    return LineRef{static_cast<int>(event) - 1, (tag & 0xFFFF) == line_kind::kDelay};
}

std::vector<MacroEventLine> MacroEventLines(std::span<const MacroEvent> events,
                                            const KeyboardLayout& layout) {
    const int count =
        static_cast<int>(std::min(events.size(), static_cast<std::size_t>(kMaxMacroEvents)));
    std::vector<MacroEventLine> lines;
    lines.reserve(2 * static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const MacroEvent& event = events[static_cast<std::size_t>(i)];
        lines.push_back({EventText(event, layout), LineTag(i, KindOf(event)), i, false});
        if (event.delay != 0)
            lines.push_back({DelayText(event.delay), LineTag(i, line_kind::kDelay), i, true});
    }
    return lines;
}

int LineIndexOf(std::span<const MacroEventLine> lines, LineRef line) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].eventIndex == line.eventIndex && lines[i].isDelay == line.isDelay)
            return static_cast<int>(i);
    return -1;
}

}  // namespace tesh::option
