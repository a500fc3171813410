// The list editor's lines: one per event, "<key name> Press" or "<key name> Release",
// and after an event with a delay a second line "<delay> ms". Each line's tag holds the
// event index plus 1 in its high 16 bits and its kind (which icon the list draws) in
// the low 16 bits.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "settings/keyboard_layout.h"
#include "settings/settings_set.h"

namespace tesh::option {

// Kinds of lines (the low word of a tag).
namespace line_kind {
constexpr uint32_t kDelay = 135;
constexpr uint32_t kKeyRelease = 137;
constexpr uint32_t kKeyPress = 138;
constexpr uint32_t kMouseButton = 146;  // press or release of keys 240..244
}  // namespace line_kind

struct MacroEventLine {
    std::string text;
    uint32_t tag = 0;
    int eventIndex = 0;
    bool isDelay = false;
};

// Which line: the event's own line or its delay line.
struct LineRef {
    int eventIndex = 0;
    bool isDelay = false;
    bool operator==(const LineRef&) const = default;
};

// The lines of a list of events (the first 500). A key without a name shows as
// "Key <code>".
std::vector<MacroEventLine> MacroEventLines(std::span<const MacroEvent> events,
                                            const KeyboardLayout& layout);
// "<name> Press" / "<name> Release" and "<delay> ms".
std::string EventText(const MacroEvent& event, const KeyboardLayout& layout);
std::string DelayText(int delayMs);

uint32_t LineTag(int eventIndex, uint32_t kind);
// The line a tag names; nothing for a tag of no event (high word 0).
std::optional<LineRef> LineOfTag(uint32_t tag);
// The index of a line in `lines`, or -1.
int LineIndexOf(std::span<const MacroEventLine> lines, LineRef line);

}  // namespace tesh::option
