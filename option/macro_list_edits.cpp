#include "option/macro_list_edits.h"

#include <algorithm>
#include <cctype>

#include "option/macro_events.h"

namespace tesh::option {

namespace {

struct MouseButtonEntry {
    const char* text;
    uint8_t key;
};
// The buttons the menu offers, in the order of their commands (the side buttons have
// no entries).
constexpr MouseButtonEntry kMouseButtons[] = {
    {"Left Button", kLeftButtonKey},
    {"Right Button", kRightButtonKey},
    {"Wheel", kWheelKey},
};
constexpr const char* kMouseActions[] = {"Down", "Up", "Click"};
constexpr int kMouseActionCount = 3;

constexpr std::size_t kMaxEvents = kMaxMacroEvents;

bool InRange(const std::vector<MacroEvent>& events, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < events.size();
}

// The number at the start of `text` (digits only), saturated at `limit`; 0 for none.
int64_t LeadingNumber(std::string_view text, int64_t limit) {
    int64_t value = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) break;
        value = std::min(limit, value * 10 + (c - '0'));
    }
    return value;
}

MenuItem Command(const char* text, int command) {
    return MenuItem{MenuItem::Kind::kCommand, text, command, false, 0, {}};
}

MenuItem Popup(const char* text, std::vector<MenuItem> items) {
    return MenuItem{MenuItem::Kind::kPopup, text, 0, false, kMenuWidth, std::move(items)};
}

}  // namespace

std::vector<MenuItem> ListMenuItems() {
    std::vector<MenuItem> buttons;
    int command = list_command::kFirstMouseEvent;
    for (const MouseButtonEntry& button : kMouseButtons) {
        std::vector<MenuItem> actions;
        for (const char* action : kMouseActions) actions.push_back(Command(action, command++));
        buttons.push_back(Popup(button.text, std::move(actions)));
    }
    return {
        Command("Start Record before", list_command::kRecordBefore),
        Command("Start Record after", list_command::kRecordAfter),
        Command("Insert Delay", list_command::kInsertDelay),
        Popup("Insert Mouse Event", std::move(buttons)),
        Command("Edit Delay", list_command::kEditDelay),
        Command("Delete", list_command::kDelete),
    };
}

std::optional<MouseEventCommand> MouseEventOfCommand(int command) {
    if (command < list_command::kFirstMouseEvent || command > list_command::kLastMouseEvent)
        return std::nullopt;
    const int offset = command - list_command::kFirstMouseEvent;
    return MouseEventCommand{kMouseButtons[offset / kMouseActionCount].key,
                             static_cast<MouseAction>(offset % kMouseActionCount)};
}

ListChange InsertMouseEvent(std::vector<MacroEvent>& events, std::optional<LineRef> selected,
                            MouseEventCommand command) {
    const std::size_t needed = command.action == MouseAction::kClick ? 2 : 1;
    if (events.size() + needed > kMaxEvents) return {};
    std::size_t at = events.size();
    if (selected && InRange(events, selected->eventIndex))
        at = static_cast<std::size_t>(selected->eventIndex);
    std::vector<MacroEvent> inserted;
    if (command.action != MouseAction::kUp) inserted.push_back({command.key, kPressAction, 0});
    if (command.action != MouseAction::kDown) inserted.push_back({command.key, kReleaseAction, 0});
    events.insert(events.begin() + static_cast<std::ptrdiff_t>(at), inserted.begin(),
                  inserted.end());
    return {true, LineRef{static_cast<int>(at + inserted.size() - 1), false}};
}

ListChange InsertDelay(std::vector<MacroEvent>& events, std::optional<LineRef> selected) {
    if (!selected || selected->isDelay || !InRange(events, selected->eventIndex) ||
        selected->eventIndex == 0)
        return {};
    MacroEvent& previous = events[static_cast<std::size_t>(selected->eventIndex - 1)];
    if (previous.delay != 0) return {};
    previous.delay = kMinTypedDelayMs;
    return {true, LineRef{selected->eventIndex - 1, true}};
}

bool IsDelayFieldChar(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

std::string DelayFieldText(int delayMs) {
    return std::to_string(delayMs);
}

int TypedDelay(std::string_view text) {
    return static_cast<int>(std::max<int64_t>(kMinTypedDelayMs, LeadingNumber(text, kMaxDelayMs)));
}

ListChange EditDelay(std::vector<MacroEvent>& events, LineRef delayLine, std::string_view text) {
    if (!delayLine.isDelay || !InRange(events, delayLine.eventIndex)) return {};
    events[static_cast<std::size_t>(delayLine.eventIndex)].delay =
        static_cast<uint16_t>(TypedDelay(text));
    return {true, delayLine};
}

ListChange DeleteLine(std::vector<MacroEvent>& events, std::optional<LineRef> selected) {
    if (!selected || !InRange(events, selected->eventIndex)) return {};
    const int index = selected->eventIndex;
    if (selected->isDelay) {
        events[static_cast<std::size_t>(index)].delay = 0;
        return {true, LineRef{index, false}};
    }
    events.erase(events.begin() + index);
    if (events.empty()) return {true, std::nullopt};
    return {true, LineRef{std::min(index, static_cast<int>(events.size()) - 1), false}};
}

bool LoopOnAtLoad(int32_t storedRepeat) {
    return storedRepeat != 0;
}

int RepeatFieldAtLoad(int32_t storedRepeat) {
    return storedRepeat == 0 ? 1 : std::clamp<int32_t>(storedRepeat, 1, kMaxRepeatCount);
}

int TypedRepeat(std::string_view text) {
    if (!text.empty() && text.front() == '-') return 1;
    return static_cast<int>(
        std::clamp<int64_t>(LeadingNumber(text, kMaxRepeatCount + 1), 1, kMaxRepeatCount));
}

int32_t RepeatToStore(bool loopOn, std::string_view fieldText) {
    return loopOn ? TypedRepeat(fieldText) : 1;
}

ListView ViewAfterChange(int lineCount, int visibleLines, int topLine, int changedLine) {
    if (lineCount <= 0) return {0, -1};
    const int visible = std::max(1, visibleLines);
    const int maxTop = std::max(0, lineCount - visible);
    int top = std::clamp(topLine, 0, maxTop);
    if (changedLine < 0 || changedLine >= lineCount) return {top, -1};
    constexpr int kEndMargin = 3;
    constexpr int kNudge = 2;
    int shown = changedLine;
    if (changedLine > kEndMargin && lineCount - 1 - changedLine > kEndMargin)
        shown = changedLine + kNudge;
    if (shown < top) top = shown;
    if (shown >= top + visible) top = shown - visible + 1;
    // The changed line itself stays in view even in a list of one or two lines.
    if (changedLine < top) top = changedLine;
    return {std::clamp(top, 0, maxTop), changedLine};
}

}  // namespace tesh::option
