// The macro manager end to end: the real monitor and application on a virtual mouse,
// a macro made, recorded and edited in the manager with real input, saved into the
// library, assigned to a button and played by the monitor for another program.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "option/button_page_model.h"
#include "option/library_listings.h"
#include "option/macro_list_edits.h"
#include "option/macro_manager_texts.h"
#include "option/win/macro_list_editor.h"
#include "option/win/macro_manager.h"
#include "option/win/macro_timeline_editor.h"
#include "option/win/set_name_dialog.h"
#include "option/win/timeline_view.h"
#include "settings/macro_library.h"
#include "skin/win/message_dialog.h"
#include "tests/wine/key_probe.h"
#include "tests/wine/menu_driver.h"
#include "tests/wine/option_app_test.h"

namespace tesh::test {
namespace {

namespace ui = option::layout;
using option::MacroManager;

constexpr int kSlot = 3;  // device button 3
constexpr uint8_t kUsageA = 4, kUsageB = 5;
constexpr int kPauseMs = 300;

// A window of another program with a focused edit field, to see that no key reaches it.
class ForeignEdit {
  public:
    ForeignEdit() {
        // Keys typed for this thread before (a macro played earlier) are not this edit's.
        MSG pending;
        while (PeekMessageA(&pending, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
        }
        frame_ = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "foreign", WS_POPUP | WS_VISIBLE, 0, 0,
                                 220, 40, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        edit_ = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 4, 4, 200, 24,
                                frame_, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    ~ForeignEdit() { DestroyWindow(frame_); }
    void Focus() {
        SetForegroundWindow(frame_);
        SetFocus(edit_);
    }
    // What it received, once its messages are handled.
    std::string Text() {
        MSG msg;
        for (int i = 0; i < 20; ++i) {
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            Sleep(10);
        }
        char text[64] = {};
        GetWindowTextA(edit_, text, sizeof text);
        return text;
    }

  private:
    HWND frame_ = nullptr;
    HWND edit_ = nullptr;
};

void SendKey(WORD vk, bool up) {
    INPUT key = {};
    key.type = INPUT_KEYBOARD;
    key.ki.wVk = vk;
    key.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &key, sizeof key);
}

void RightClick(UserInput& input, POINT at) {
    input.MoveTo(at);
    INPUT right[2] = {};
    right[0].type = right[1].type = INPUT_MOUSE;
    right[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    right[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    SendInput(2, right, sizeof(INPUT));
}

class MacroManagerTest : public OptionAppTest {
  protected:
    void StartOnButtonPage() {
        StartBlockConnected();
        ASSERT_TRUE(app_.Start());
        app_.Click(ui::kTabs[ui::kButtonPage]);
        ASSERT_TRUE(WaitUntil([&] {
            return GetDlgCtrlID(
                       OptionProgram::WindowAt(app_.OnPage(option::kMacroManagerLayout))) != 0;
        }));
    }
    HWND Window(const char* className) {
        HWND window = nullptr;
        EXPECT_TRUE(WaitUntil([&] {
            return (window = VisibleWindowOfClass(className)) != nullptr;
        })) << className;
        return window;
    }
    // A point of the manager's editor panel, from a layout string of the panel.
    static POINT InEditor(HWND manager, const char* layout) {
        const LayoutRecord r = Layout(layout);
        const RECT& panel = MacroManager::kEditorRect;
        return ClientToScreenPoint(manager, POINT{panel.left + (r.left + r.right) / 2,
                                                  panel.top + (r.top + r.bottom) / 2});
    }
    // A library written before the application starts.
    void Prepare(MacroLibrary library) {
        CreateDirectoryA(program_.File("config").c_str(), nullptr);
        ASSERT_TRUE(SaveMacroLibrary(library, program_.File(kMacroLibraryFile)));
    }
    // A click on the slot's label, then the entries of `path` in its menu, built as the
    // page builds it with the library's macros.
    void ChooseForSlot(const MacroLibrary& library, const std::vector<std::string>& path) {
        option::CatalogueLists lists;
        lists.macroSets = option::MacroSetListings(library);
        const auto session =
            option::OpenButtonMenu(*block_->Read(), {profile_, kSlot}, false, lists);
        ASSERT_TRUE(session.has_value());
        app_.ClickOnPage(option::ButtonLabelLayout(kSlot));
        std::string why;
        ASSERT_TRUE(ChooseFromMenu(app_.input, session->items, path, &why)) << why;
    }
    // The library file as it stands before the manager opens.
    std::string LibraryBytes() {
        return ReadWholeFile(program_.File(kMacroLibraryFile)).value_or("");
    }
    // The library once the application has saved it anew (it saves after the manager's
    // window is gone).
    MacroLibrary SavedAfter(const std::string& before) {
        EXPECT_TRUE(WaitUntil([&] { return LibraryBytes() != before; })) << "not saved";
        return LoadMacroLibrary(program_.File(kMacroLibraryFile));
    }
    // The centre of a line of a list at a layout string's place in the manager (`panel`
    // offsets a list of the editor panel).
    static POINT Line(HWND manager, const char* layout, int line, POINT panel = {0, 0}) {
        const LayoutRecord list = Layout(layout);
        return ClientToScreenPoint(
            manager, POINT{panel.x + list.left + 60, panel.y + list.top + 20 * line + 10});
    }
};

TEST_F(MacroManagerTest, AMacroRecordedInTheManagerIsPlayedByAButton) {
    StartOnButtonPage();
    const std::string before = LibraryBytes();
    app_.ClickOnPage(option::kMacroManagerLayout);
    const HWND manager = Window(MacroManager::kClassName);
    ASSERT_TRUE(manager);

    // An empty library: the set's name is asked for at once.
    const HWND setName = Window(option::SetNameDialog::kClassName);
    ASSERT_TRUE(setName);
    app_.input.Type("Games");
    app_.input.Click(InWindow(setName, option::SetNameDialog::kOkLayout));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(setName); }));

    // New, and the macro's name typed into its line.
    app_.input.Click(InWindow(manager, MacroManager::kNewLayout));
    app_.input.Type("Combo");
    app_.input.PressKey(VK_RETURN);

    // Recorded with its delays: A held (its repeats record nothing), a pause, B.
    app_.input.Click(InEditor(manager, option::macro_manager::kDelayToggleLayout));
    app_.input.Click(InEditor(manager, option::macro_manager::kStartRecordLayout));
    ForeignEdit foreign;
    foreign.Focus();
    for (int i = 0; i < 4; ++i) {
        SendKey('A', false);
        Sleep(30);
    }
    SendKey('A', true);
    Sleep(kPauseMs);
    SendKey('B', false);
    Sleep(30);
    SendKey('B', true);
    EXPECT_EQ(foreign.Text(), "") << "no key reaches another program while recording";
    app_.input.Click(InEditor(manager, option::macro_manager::kStartRecordLayout));
    OptionProgram::SaveWindow(manager, "option_macro_manager");
    app_.input.Click(InWindow(manager, MacroManager::kOkLayout));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(manager); }));

    const MacroLibrary library = SavedAfter(before);
    ASSERT_EQ(library.sets.size(), 1u);
    EXPECT_EQ(library.sets[0].name, "Games");
    ASSERT_EQ(library.sets[0].macros.size(), 1u);
    const MacroRecord& combo = library.sets[0].macros[0];
    EXPECT_STREQ(combo.name, "Combo");
    ASSERT_EQ(combo.eventCount, 4);
    MacroEvent events[4];
    std::memcpy(events, combo.events, sizeof events);
    EXPECT_EQ(events[0].key, kUsageA);
    EXPECT_EQ(events[0].action, 1);
    EXPECT_EQ(events[1].key, kUsageA);
    EXPECT_EQ(events[1].action, 2);
    EXPECT_EQ(events[2].key, kUsageB);
    EXPECT_EQ(events[3].action, 2);
    EXPECT_GE(events[1].delay, kPauseMs - 20) << "the pause follows A's release";
    EXPECT_LE(events[1].delay, kPauseMs + 150);
    EXPECT_LT(events[2].delay, 150);
    EXPECT_EQ(events[3].delay, 0);

    // Assigned to a button, applied, and played for another program.
    ChooseForSlot(library, {"Macro + Preset Compilation", "Games", "Combo"});
    ASSERT_TRUE(WaitUntil([&] { return VisibleMenus().empty(); }));
    ClearLog();
    ApplyAndWait();
    const auto writes = Writes(Log());
    ASSERT_EQ(writes.size(), 2u) << ::testing::PrintToString(writes);
    char macroReport[24];
    std::snprintf(macroReport, sizeof macroReport, "SET 08 22 08 %02x %02x", profile_, kSlot);
    EXPECT_TRUE(StartsWith(writes[1], macroReport)) << writes[1];

    KeyProbe probe(VirtualMouseTest::Beside("key_hook_probe.exe"), 3000);
    ASSERT_TRUE(probe.started());
    ASSERT_EQ(Vmouse("press " + std::to_string(kSlot)).exitCode, 0);
    ASSERT_EQ(Vmouse("release " + std::to_string(kSlot)).exitCode, 0);
    const auto keys = probe.Keys();
    ASSERT_GE(keys.size(), 4u) << Describe(keys);
    EXPECT_EQ(keys[0].vk, 'A');
    EXPECT_EQ(keys[1].vk, 'A');
    EXPECT_TRUE(keys[1].up);
    EXPECT_EQ(keys[2].vk, 'B');
    const long long pause = (keys[2].us - keys[1].us) / 1000;
    EXPECT_GE(pause, kPauseMs - 40) << Describe(keys);
    EXPECT_LE(pause, kPauseMs + 200) << Describe(keys);
}

MacroRecord MacroOf(const char* name, const std::vector<MacroEvent>& events) {
    MacroRecord macro = NewMacro(name);
    macro.repeatCount = 1;
    macro.eventCount = static_cast<int32_t>(events.size());
    std::memcpy(macro.events, events.data(), events.size() * sizeof(MacroEvent));
    return macro;
}

// 510 keys record 500 events; the timeline drops a press never released and keeps the
// rest; a bar's end dragged to the right lengthens the delay before its release.
TEST_F(MacroManagerTest, TheRecorderStopsAtItsLimitAndTheTimelineEditsTheDelays) {
    MacroLibrary prepared;
    const std::vector<MacroEvent> open = {{kUsageA, 1, 0}, {kUsageB, 1, 50}, {kUsageB, 2, 0}};
    const std::vector<MacroEvent> two = {
        {kUsageA, 1, 100}, {kUsageA, 2, 100}, {kUsageB, 1, 100}, {kUsageB, 2, 0}};
    prepared.sets.push_back(MacroSet{
        "Edit", {MacroOf("Full", {}), MacroOf("Open", open), MacroOf("Two", two)}, SetState::kNew});
    Prepare(prepared);
    StartOnButtonPage();
    const std::string before = LibraryBytes();
    ChooseForSlot(prepared, {"Macro + Preset Compilation", "Edit", "Edit Macro..."});
    std::string why;
    const HWND manager = Window(MacroManager::kClassName);
    ASSERT_TRUE(manager);
    const HWND ok = OptionProgram::WindowAt(InWindow(manager, MacroManager::kOkLayout));

    // "Full" is selected first: 255 keys pressed and released in one go.
    app_.input.Click(InEditor(manager, option::macro_manager::kStartRecordLayout));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowEnabled(ok); })) << "recording";
    std::vector<INPUT> keys;
    for (int i = 0; i < 255; ++i) {
        for (bool up : {false, true}) {
            INPUT key = {};
            key.type = INPUT_KEYBOARD;
            key.ki.wVk = static_cast<WORD>('A' + i % 26);
            key.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
            keys.push_back(key);
        }
    }
    SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(ok); })) << "stopped by itself";
    OptionProgram::SaveWindow(manager, "option_macro_manager_full");

    // "Open" through the timeline and back; then "Two" with B's end dragged 50 ms on.
    app_.input.Click(Line(manager, MacroManager::kMacroListLayout, 1));
    // Its first line's menu: a press of the wheel goes in before it, and it too is never
    // released.
    const POINT editor{MacroManager::kEditorRect.left, MacroManager::kEditorRect.top};
    RightClick(app_.input, Line(manager, option::macro_manager::kEventListLayout, 0, editor));
    ASSERT_TRUE(WaitUntil([&] { return !VisibleMenus().empty(); }));
    RedrawWindow(VisibleMenus()[0], nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    SaveScreen(RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)},
               "option_macro_list_menu");
    ASSERT_TRUE(ChooseFromMenu(app_.input, option::ListMenuItems(),
                               {"Insert Mouse Event", "Wheel", "Down"}, &why))
        << why;
    ASSERT_TRUE(WaitUntil([&] { return VisibleMenus().empty(); }));
    app_.input.Click(InWindow(manager, MacroManager::kSwitchLayout));
    app_.input.Click(InWindow(manager, MacroManager::kSwitchLayout));
    app_.input.Click(Line(manager, MacroManager::kMacroListLayout, 2));
    app_.input.Click(InWindow(manager, MacroManager::kSwitchLayout));
    const RECT& panel = MacroManager::kEditorRect;
    const RECT& view = option::MacroTimelineEditor::kViewRect;
    auto inView = [&](int x, int y) {
        return ClientToScreenPoint(manager,
                                   POINT{panel.left + view.left + x, panel.top + view.top + y});
    };
    // The view fits the 300 ms of "Two": a millisecond a pixel; B is the second row.
    const int bRow = option::TimelineView::kRulerHeight + option::TimelineView::kRowHeight * 3 / 2;
    const int bEnd = option::TimelineView::kKeyColumn + 300;
    OptionProgram::SaveWindow(manager, "option_macro_timeline");
    app_.input.Drag(inView(bEnd - 2, bRow), inView(bEnd + 48, bRow));
    app_.input.Click(InWindow(manager, MacroManager::kOkLayout));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(manager); }));

    const MacroLibrary saved = SavedAfter(before);
    ASSERT_EQ(saved.sets.size(), 1u);
    ASSERT_EQ(saved.sets[0].macros.size(), 3u);
    EXPECT_EQ(saved.sets[0].macros[0].eventCount, 500);
    const MacroRecord& opened = saved.sets[0].macros[1];
    ASSERT_EQ(opened.eventCount, 2) << "only the presses never released are gone";
    MacroEvent kept[2];
    std::memcpy(kept, opened.events, sizeof kept);
    EXPECT_EQ(kept[0].key, kUsageB);
    EXPECT_EQ(kept[1].key, kUsageB);
    const MacroRecord& dragged = saved.sets[0].macros[2];
    ASSERT_EQ(dragged.eventCount, 4);
    MacroEvent after[4];
    std::memcpy(after, dragged.events, sizeof after);
    EXPECT_EQ(after[0].delay, 100);
    EXPECT_EQ(after[1].delay, 100);
    EXPECT_GE(after[2].delay, 140) << "B is held longer";
    EXPECT_LE(after[2].delay, 160);
}

// With no set selected New says so; a double-click renames, Delete asks first, and a
// delay inserted before a key's release takes the milliseconds typed into its line.
TEST_F(MacroManagerTest, MacrosAreRenamedDeletedAndGivenDelays) {
    MacroLibrary prepared;
    const std::vector<MacroEvent> tap = {{kUsageA, 1, 0}, {kUsageA, 2, 0}};
    prepared.sets.push_back(MacroSet{
        "Edit", {MacroOf("One", tap), MacroOf("Two", {}), MacroOf("Three", {})}, SetState::kNew});
    Prepare(prepared);
    StartOnButtonPage();
    const std::string before = LibraryBytes();
    app_.ClickOnPage(option::kMacroManagerLayout);
    const HWND manager = Window(MacroManager::kClassName);
    ASSERT_TRUE(manager);

    app_.input.Click(InWindow(manager, MacroManager::kNewLayout));
    const HWND note = Window(skin::kMessageDialogClass);
    ASSERT_TRUE(note) << "no set is selected";
    app_.input.Click(InWindow(note, skin::kMessageNoteOkLayout));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(note); }));
    app_.input.Click(InWindow(manager, MacroManager::kSetLayout));
    ASSERT_TRUE(WaitUntil([&] { return !VisibleMenus().empty(); }));
    std::string why;
    ASSERT_TRUE(ChooseFromMenu(
        app_.input,
        option::MacroManagerModel(prepared, option::ManagerMode::kCreateNew, -1, std::nullopt)
            .SetMenu(),
        {"Edit"}, &why))
        << why;

    // "Two" becomes "Second".
    app_.input.DoubleClick(Line(manager, MacroManager::kMacroListLayout, 1));
    app_.input.Type("Second");
    app_.input.PressKey(VK_RETURN);
    // "Three" goes, once confirmed.
    app_.input.Click(Line(manager, MacroManager::kMacroListLayout, 2));
    app_.input.Click(InWindow(manager, MacroManager::kDeleteLayout));
    const HWND confirm = Window(skin::kMessageDialogClass);
    ASSERT_TRUE(confirm);
    app_.input.Click(InWindow(confirm, skin::kMessageConfirmOkLayout));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(confirm); }));
    // "One": a delay before A's release, 250 typed into it.
    app_.input.Click(Line(manager, MacroManager::kMacroListLayout, 0));
    const POINT editor{MacroManager::kEditorRect.left, MacroManager::kEditorRect.top};
    RightClick(app_.input, Line(manager, option::macro_manager::kEventListLayout, 1, editor));
    ASSERT_TRUE(WaitUntil([&] { return !VisibleMenus().empty(); }));
    ASSERT_TRUE(ChooseFromMenu(app_.input, option::ListMenuItems(), {"Insert Delay"}, &why)) << why;
    ASSERT_TRUE(WaitUntil([&] { return VisibleMenus().empty(); }));
    app_.input.Type("250");
    app_.input.PressKey(VK_RETURN);
    app_.input.Click(InWindow(manager, MacroManager::kOkLayout));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(manager); }));

    const MacroLibrary saved = SavedAfter(before);
    ASSERT_EQ(saved.sets.size(), 1u);
    ASSERT_EQ(saved.sets[0].macros.size(), 2u);
    EXPECT_STREQ(saved.sets[0].macros[0].name, "One");
    EXPECT_STREQ(saved.sets[0].macros[1].name, "Second");
    MacroEvent events[2];
    std::memcpy(events, saved.sets[0].macros[0].events, sizeof events);
    EXPECT_EQ(events[0].delay, 250);
    EXPECT_EQ(events[1].delay, 0);
}

// The mouse unplugged while the recorder holds the keyboard: the monitor closes the
// application, which lets go of the keyboard and keeps the library as it was.
TEST_F(MacroManagerTest, ClosingWhileRecordingLetsGoOfTheKeyboardAndKeepsTheLibrary) {
    MacroLibrary prepared;
    prepared.sets.push_back(MacroSet{"Kept", {MacroOf("Old", {})}, SetState::kNew});
    Prepare(prepared);
    const std::string before = ReadWholeFile(program_.File(kMacroLibraryFile)).value_or("");
    StartOnButtonPage();
    app_.ClickOnPage(option::kMacroManagerLayout);
    const HWND manager = Window(MacroManager::kClassName);
    ASSERT_TRUE(manager);
    const HWND ok = OptionProgram::WindowAt(InWindow(manager, MacroManager::kOkLayout));
    app_.input.Click(InWindow(manager, MacroManager::kSetLayout));
    ASSERT_TRUE(WaitUntil([&] { return !VisibleMenus().empty(); }));
    std::string why;
    ASSERT_TRUE(ChooseFromMenu(
        app_.input,
        option::MacroManagerModel(prepared, option::ManagerMode::kCreateNew, -1, std::nullopt)
            .SetMenu(),
        {"Kept"}, &why))
        << why;
    app_.input.Click(InEditor(manager, option::macro_manager::kStartRecordLayout));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowEnabled(ok); })) << "recording";
    SendKey('Q', false);
    SendKey('Q', true);

    ASSERT_EQ(Vmouse("unplug").exitCode, 0);
    EXPECT_EQ(app_.WaitForEnd(kConditionTimeoutMs), 0);
    ForeignEdit foreign;
    foreign.Focus();
    SendKey('Z', false);
    SendKey('Z', true);
    EXPECT_EQ(foreign.Text(), "z") << "the keyboard is free again";
    EXPECT_EQ(ReadWholeFile(program_.File(kMacroLibraryFile)).value_or(""), before);
}

}  // namespace
}  // namespace tesh::test
