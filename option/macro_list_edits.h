// The list editor's changes to a macro's events, its context menu as data, the repeat
// (loop) field's rules and where the list's top line and caret go after a change.
// The editor holds the selected macro's events (EventsOf); after every change that
// returns `changed` it writes them back through MacroManagerModel::StoreEvents, which
// marks the set modified, and rebuilds the lines (MacroEventLines).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "option/button_catalogue.h"
#include "option/macro_event_lines.h"
#include "settings/settings_set.h"

namespace tesh::option {

// Commands of the list's right-click menu.
namespace list_command {
constexpr int kRecordBefore = 1001;
constexpr int kRecordAfter = 1002;
constexpr int kInsertDelay = 1003;
constexpr int kEditDelay = 1004;
constexpr int kDelete = 1005;
constexpr int kFirstMouseEvent = 1020;  // Left Down, Up, Click, Right..., Wheel...
constexpr int kLastMouseEvent = 1028;
}  // namespace list_command

// The right-click menu: "Start Record before", "Start Record after", "Insert Delay",
// the popup "Insert Mouse Event" (popups "Left Button", "Right Button", "Wheel", each
// with "Down", "Up", "Click"), "Edit Delay", "Delete".
std::vector<MenuItem> ListMenuItems();

enum class MouseAction { kDown, kUp, kClick };
struct MouseEventCommand {
    uint8_t key = 0;
    MouseAction action = MouseAction::kDown;
};
// Commands 1020..1028; nothing for any other command.
std::optional<MouseEventCommand> MouseEventOfCommand(int command);

// What a change did: nothing (`changed` false), or the events changed and the line the
// caret goes to (none when no line is left to show).
struct ListChange {
    bool changed = false;
    std::optional<LineRef> caret;
};

// Inserts a press (Down), a release (Up) or both (Click) of a mouse button, with delay
// 0, before the selected line's event, or at the end with no selection. Refused at 500
// events, and a Click when both events do not fit. The caret goes to the last inserted.
ListChange InsertMouseEvent(std::vector<MacroEvent>& events, std::optional<LineRef> selected,
                            MouseEventCommand command);
// On an event line other than the first whose previous event has no delay: that delay
// becomes 1 ms, and the caret goes to its new delay line (which the editor then opens
// for editing). Anything else changes nothing.
ListChange InsertDelay(std::vector<MacroEvent>& events, std::optional<LineRef> selected);

// The in-place delay edit: digits only, at most 20 of them.
constexpr int kDelayFieldLength = 20;
constexpr int kMinTypedDelayMs = 1;
bool IsDelayFieldChar(char c);
// What the edit box starts with on a delay line.
std::string DelayFieldText(int delayMs);
// The typed delay clamped to 1..65535 (an empty or non-digit text gives 1).
int TypedDelay(std::string_view text);
// Stores the typed delay (TypedDelay) as the delay of the delay line's event.
ListChange EditDelay(std::vector<MacroEvent>& events, LineRef delayLine, std::string_view text);
// On a delay line the event's delay becomes 0 (the caret goes to the event's line); on
// an event line the event is removed (the caret goes to the event now at its index, or
// the last one).
ListChange DeleteLine(std::vector<MacroEvent>& events, std::optional<LineRef> selected);

// The repeat count: the loop toggle is on when the stored count is not 0, and the field
// shows the count (1 for a stored 0).
constexpr int kRepeatFieldLength = 3;
bool LoopOnAtLoad(int32_t storedRepeat);
int RepeatFieldAtLoad(int32_t storedRepeat);
// A typed number clamped to 1..255 (256 or more: 255; 0 or less, empty: 1). The field
// is rewritten with it.
int TypedRepeat(std::string_view text);
// The count stored: the typed (clamped) number with the loop on, 1 with it off.
int32_t RepeatToStore(bool loopOn, std::string_view fieldText);

// Where the list stands after it is rebuilt: the top line stays unless the changed line
// must be brought into view; the caret (selected line) is the changed line. So that a
// line or two after it shows too, the line scrolled into view is two lines further on
// when the changed line is more than 3 lines from either end.
struct ListView {
    int topLine = 0;
    int caretLine = -1;  // -1: no selection
};
ListView ViewAfterChange(int lineCount, int visibleLines, int topLine, int changedLine);

}  // namespace tesh::option
