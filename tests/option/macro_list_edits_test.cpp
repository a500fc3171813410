#include "option/macro_list_edits.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/option/macro_events_fixtures.h"

namespace tesh::option {
namespace {

using test::Press;
using test::Release;
using test::SameEvents;
using test::Taps;

constexpr MouseEventCommand kLeftDown{kLeftButtonKey, MouseAction::kDown};
constexpr MouseEventCommand kLeftClick{kLeftButtonKey, MouseAction::kClick};

TEST(MacroListEdits, TheMenuOffersThreeButtonsWithThreeActions) {
    std::vector<MenuItem> menu = ListMenuItems();
    ASSERT_EQ(menu.size(), 6u);
    EXPECT_EQ(menu[0].text, "Start Record before");
    EXPECT_EQ(menu[0].command, list_command::kRecordBefore);
    EXPECT_EQ(menu[1].command, list_command::kRecordAfter);
    EXPECT_EQ(menu[2].text, "Insert Delay");
    EXPECT_EQ(menu[2].command, list_command::kInsertDelay);
    EXPECT_EQ(menu[3].kind, MenuItem::Kind::kPopup);
    EXPECT_EQ(menu[3].text, "Insert Mouse Event");
    EXPECT_EQ(menu[4].text, "Edit Delay");
    EXPECT_EQ(menu[4].command, list_command::kEditDelay);
    EXPECT_EQ(menu[5].text, "Delete");
    EXPECT_EQ(menu[5].command, list_command::kDelete);

    const char* buttons[] = {"Left Button", "Right Button", "Wheel"};
    const uint8_t keys[] = {240, 241, 242};
    ASSERT_EQ(menu[3].items.size(), 3u);
    for (std::size_t b = 0; b < 3; ++b) {
        const MenuItem& popup = menu[3].items[b];
        EXPECT_EQ(popup.text, buttons[b]);
        ASSERT_EQ(popup.items.size(), 3u);
        const char* actions[] = {"Down", "Up", "Click"};
        for (std::size_t a = 0; a < 3; ++a) {
            EXPECT_EQ(popup.items[a].text, actions[a]);
            const int command = 1020 + static_cast<int>(3 * b + a);
            EXPECT_EQ(popup.items[a].command, command);
            std::optional<MouseEventCommand> mouse = MouseEventOfCommand(command);
            ASSERT_TRUE(mouse.has_value());
            EXPECT_EQ(mouse->key, keys[b]);
            EXPECT_EQ(mouse->action, static_cast<MouseAction>(a));
        }
    }
    EXPECT_FALSE(MouseEventOfCommand(1019).has_value());
    EXPECT_FALSE(MouseEventOfCommand(1029).has_value());
}

struct MouseCase {
    const char* what;
    int existing;
    std::optional<LineRef> selected;
    MouseEventCommand command;
    bool changed;
    int at;  // where the first inserted event lands
};

TEST(MacroListEdits, MouseEventsGoBeforeTheSelectionOrAtTheEndWhileTheyFit) {
    const MouseCase cases[] = {
        {"down at the end", 4, std::nullopt, kLeftDown, true, 4},
        {"down before the selection", 4, LineRef{1, false}, kLeftDown, true, 1},
        {"before a delay line's event", 4, LineRef{2, true}, kLeftDown, true, 2},
        {"click at the start", 4, LineRef{0, false}, kLeftClick, true, 0},
        {"up in an empty macro", 0, std::nullopt, {kWheelKey, MouseAction::kUp}, true, 0},
        {"stale selection", 4, LineRef{9, false}, kLeftDown, true, 4},
        {"499 take a down", 499, std::nullopt, kLeftDown, true, 499},
        {"499 refuse a click", 499, std::nullopt, kLeftClick, false, 0},
        {"498 take a click", 498, std::nullopt, kLeftClick, true, 498},
        {"500 refuse a down", 500, std::nullopt, kLeftDown, false, 0},
    };
    for (const MouseCase& c : cases) {
        std::vector<MacroEvent> events = Taps(c.existing, 7);
        const std::vector<MacroEvent> before = events;
        ListChange change = InsertMouseEvent(events, c.selected, c.command);
        EXPECT_EQ(change.changed, c.changed) << c.what;
        if (!c.changed) {
            EXPECT_TRUE(SameEvents(events, before)) << c.what;
            continue;
        }
        const bool click = c.command.action == MouseAction::kClick;
        ASSERT_EQ(events.size(), before.size() + (click ? 2 : 1)) << c.what;
        const MacroEvent& first = events[static_cast<std::size_t>(c.at)];
        EXPECT_EQ(first.key, c.command.key) << c.what;
        EXPECT_EQ(first.action, c.command.action == MouseAction::kUp ? 2 : 1) << c.what;
        EXPECT_EQ(first.delay, 0) << c.what;
        if (click) {
            EXPECT_EQ(events[static_cast<std::size_t>(c.at) + 1].action, kReleaseAction);
        }
        ASSERT_TRUE(change.caret.has_value());
        EXPECT_EQ(*change.caret, (LineRef{c.at + (click ? 1 : 0), false})) << c.what;
        EXPECT_LE(events.size(), 500u);
    }
}

struct DelayCase {
    const char* what;
    std::vector<MacroEvent> events;
    std::optional<LineRef> selected;
    bool changed;
    std::vector<MacroEvent> after;
};

TEST(MacroListEdits, InsertDelayGivesTheEventBeforeOneMillisecond) {
    const DelayCase cases[] = {
        {"second event",
         {Press(4), Release(4)},
         LineRef{1, false},
         true,
         {Press(4, 1), Release(4)}},
        {"first event", {Press(4), Release(4)}, LineRef{0, false}, false, {}},
        {"delay already there", {Press(4, 30), Release(4)}, LineRef{1, false}, false, {}},
        {"on a delay line", {Press(4, 30), Release(4)}, LineRef{0, true}, false, {}},
        {"no selection", {Press(4), Release(4)}, std::nullopt, false, {}},
    };
    for (const DelayCase& c : cases) {
        std::vector<MacroEvent> events = c.events;
        ListChange change = InsertDelay(events, c.selected);
        EXPECT_EQ(change.changed, c.changed) << c.what;
        EXPECT_TRUE(SameEvents(events, c.changed ? c.after : c.events)) << c.what;
        if (c.changed) {
            EXPECT_EQ(*change.caret, (LineRef{c.selected->eventIndex - 1, true})) << c.what;
        }
    }
}

struct TypedCase {
    const char* text;
    int value;
};

TEST(MacroListEdits, TypedDelaysAreClampedToOneTo65535) {
    const TypedCase cases[] = {
        {"0", 1},
        {"", 1},
        {"1", 1},
        {"250", 250},
        {"65535", 65535},
        {"65536", 65535},
        {"99999999999999999999", 65535},
        {"007", 7},
    };
    for (const TypedCase& c : cases) {
        EXPECT_EQ(TypedDelay(c.text), c.value) << c.text;
        std::vector<MacroEvent> events = {Press(4, 5), Release(4)};
        ListChange change = EditDelay(events, {0, true}, c.text);
        EXPECT_TRUE(change.changed) << c.text;
        EXPECT_EQ(events[0].delay, c.value) << c.text;
        EXPECT_EQ(*change.caret, (LineRef{0, true}));
    }
    EXPECT_TRUE(IsDelayFieldChar('7'));
    EXPECT_FALSE(IsDelayFieldChar('-'));
    EXPECT_EQ(DelayFieldText(120), "120");
    std::vector<MacroEvent> events = {Press(4, 5)};
    EXPECT_FALSE(EditDelay(events, {0, false}, "9").changed);  // not a delay line
    EXPECT_EQ(events[0].delay, 5);
}

TEST(MacroListEdits, DeleteClearsADelayOrRemovesAnEvent) {
    const DelayCase cases[] = {
        {"delay line", {Press(4, 40), Release(4)}, LineRef{0, true}, true, {Press(4), Release(4)}},
        {"event line",
         {Press(4, 40), Press(5), Release(4)},
         LineRef{1, false},
         true,
         {Press(4, 40), Release(4)}},
        {"no selection", {Press(4)}, std::nullopt, false, {}},
        {"stale selection", {Press(4)}, LineRef{3, false}, false, {}},
    };
    for (const DelayCase& c : cases) {
        std::vector<MacroEvent> events = c.events;
        EXPECT_EQ(DeleteLine(events, c.selected).changed, c.changed) << c.what;
        EXPECT_TRUE(SameEvents(events, c.changed ? c.after : c.events)) << c.what;
    }
}

TEST(MacroListEdits, AfterDeletingTheCaretStaysAtTheIndexOrTheLast) {
    std::vector<MacroEvent> events = {Press(4), Release(4), Press(5)};
    EXPECT_EQ(*DeleteLine(events, LineRef{2, false}).caret, (LineRef{1, false}));
    EXPECT_EQ(*DeleteLine(events, LineRef{0, false}).caret, (LineRef{0, false}));
    ListChange last = DeleteLine(events, LineRef{0, false});
    EXPECT_TRUE(last.changed);
    EXPECT_FALSE(last.caret.has_value());
    EXPECT_TRUE(events.empty());
}

struct RepeatCase {
    int32_t stored;
    bool loopOn;
    int field;
};

TEST(MacroListEdits, LoadingShowsTheRepeatCount) {
    const RepeatCase cases[] = {{0, false, 1}, {1, true, 1}, {5, true, 5}, {255, true, 255}};
    for (const RepeatCase& c : cases) {
        EXPECT_EQ(LoopOnAtLoad(c.stored), c.loopOn) << c.stored;
        EXPECT_EQ(RepeatFieldAtLoad(c.stored), c.field) << c.stored;
    }
}

TEST(MacroListEdits, TypedRepeatCountsAreClampedAndTheLoopOffStoresOne) {
    const TypedCase cases[] = {{"300", 255}, {"256", 255}, {"255", 255}, {"1", 1},
                               {"0", 1},     {"", 1},      {"-4", 1},    {"42", 42}};
    for (const TypedCase& c : cases) {
        EXPECT_EQ(TypedRepeat(c.text), c.value) << c.text;
        EXPECT_EQ(RepeatToStore(true, c.text), c.value) << c.text;
        EXPECT_EQ(RepeatToStore(false, c.text), 1) << c.text;
    }
}

struct ViewCase {
    const char* what;
    int lineCount, visible, top, changed;
    ListView view;
};

TEST(MacroListEdits, TheListShowsTheChangedLineWithTwoMoreBelowIt) {
    const ViewCase cases[] = {
        {"no change keeps the top", 40, 10, 12, -1, {12, -1}},
        {"visible line keeps the top", 40, 10, 12, 15, {12, 15}},
        {"below the view, nudged", 40, 10, 0, 20, {13, 20}},
        {"above the view, from the changed line", 40, 10, 30, 5, {5, 5}},
        {"near the start, not nudged", 40, 10, 30, 2, {2, 2}},
        {"near the end, not nudged", 40, 10, 0, 37, {28, 37}},
        {"last line", 40, 10, 0, 39, {30, 39}},
        {"top beyond a shorter list", 12, 10, 25, -1, {2, -1}},
        {"empty list", 0, 10, 5, 0, {0, -1}},
        {"one visible line shows the changed one", 40, 1, 0, 20, {20, 20}},
    };
    for (const ViewCase& c : cases) {
        ListView view = ViewAfterChange(c.lineCount, c.visible, c.top, c.changed);
        EXPECT_EQ(view.topLine, c.view.topLine) << c.what;
        EXPECT_EQ(view.caretLine, c.view.caretLine) << c.what;
    }
}

}  // namespace
}  // namespace tesh::option
