// The dialogs that the button catalogue opens, end to end: the real monitor and
// application on a virtual mouse, each dialog worked with real input, and what it
// gave seen in the files, the block, the mouse's log and, for a shortcut, in a
// keyboard hook of another process.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "option/button_page_model.h"
#include "option/library_listings.h"
#include "option/win/media_player_dialog.h"
#include "option/win/program_dialog.h"
#include "option/win/shortcut_dialog.h"
#include "option/win/timer_create_dialog.h"
#include "option/win/timer_edit_dialog.h"
#include "settings/timer_list.h"
#include "skin/win/message_dialog.h"
#include "tests/wine/key_probe.h"
#include "tests/wine/menu_driver.h"
#include "tests/wine/option_app_test.h"

namespace tesh::test {
namespace {

namespace ui = option::layout;

constexpr int kSlot = 3;  // device button 3
constexpr char kButtonReport[] = "SET 07 3b ";
constexpr int kShortcutCode = 5, kQuicklaunchCode = 15, kTimerCode = 49;
constexpr int kUsageK = 14;
constexpr int kWinamp = 3;

class ButtonDialogsTest : public OptionAppTest {
  protected:
    // The monitor and the application, on the Button Assign page.
    void StartOnButtonPage() {
        StartBlockConnected();
        ASSERT_TRUE(app_.Start());
        app_.Click(ui::kTabs[ui::kButtonPage]);
        const char* label = option::ButtonLabelLayout(kSlot);
        ASSERT_TRUE(WaitUntil([&] {
            return GetDlgCtrlID(OptionProgram::WindowAt(app_.OnPage(label))) ==
                   option::LabelOfSlot(kSlot);
        }));
    }
    // A click on the slot's label, then the entries of `path` in its menu, built as the
    // page builds it from the block and the timers in Timer.ini.
    void Choose(const std::vector<std::string>& path) {
        option::CatalogueLists lists;
        lists.timers = option::TimerListings(LoadTimerList(program_.File(kTimerFile)));
        const auto session =
            option::OpenButtonMenu(*block_->Read(), {profile_, kSlot}, false, lists);
        ASSERT_TRUE(session.has_value());
        app_.ClickOnPage(option::ButtonLabelLayout(kSlot));
        std::string why;
        ASSERT_TRUE(ChooseFromMenu(app_.input, session->items, path, &why)) << why;
    }
    HWND Dialog(const char* className) {
        HWND dialog = nullptr;
        EXPECT_TRUE(WaitUntil([&] {
            return (dialog = VisibleWindowOfClass(className)) != nullptr;
        })) << className;
        return dialog;
    }
    void Click(HWND dialog, const char* layout) { app_.input.Click(InWindow(dialog, layout)); }
    static bool Closed(HWND dialog) {
        return WaitUntil([&] { return !IsWindow(dialog); });
    }
    // Apply, and the reports it wrote.
    std::vector<std::string> ApplyWrites() {
        ClearLog();
        ApplyAndWait();
        return Writes(Log());
    }
    std::string ButtonReportOfProfile() const {
        char report[16];
        std::snprintf(report, sizeof report, "%s%02x", kButtonReport, profile_);
        return report;
    }
    const ButtonRecord& Button(const SettingsSet& set) const {
        return set.Profiles[profile_].Buttons[kSlot];
    }
};

// Typed K, clicked Ctrl and Shift: the button types Ctrl+Shift+K for a program of its
// own. The dialog's hook keeps every key, Escape too, while it is open.
TEST_F(ButtonDialogsTest, AShortcutTypedIntoItsDialogIsTypedByTheButton) {
    using option::ShortcutDialog;
    StartOnButtonPage();
    Choose({"Assign a Shortcut"});
    const HWND dialog = Dialog(ShortcutDialog::kClassName);
    ASSERT_TRUE(dialog);
    const HWND key = OptionProgram::WindowAt(InWindow(dialog, ShortcutDialog::kKeyLayout));
    auto flag = [&](int f) {
        return OptionProgram::WindowAt(InWindow(dialog, ShortcutDialog::kFlagLayouts[f]));
    };

    // OK without a key does nothing; "None" greys the modifiers out.
    Click(dialog, ShortcutDialog::kOkLayout);
    Click(dialog, ShortcutDialog::kFlagLayouts[option::kFlagNone]);
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_FALSE(IsWindowEnabled(flag(option::kFlagCtrl)));
    EXPECT_FALSE(IsWindowEnabled(flag(option::kFlagShift)));
    Click(dialog, ShortcutDialog::kFlagLayouts[option::kFlagNone]);
    EXPECT_TRUE(IsWindowEnabled(flag(option::kFlagCtrl)));

    app_.input.PressKey(VK_ESCAPE);
    app_.input.PressKey('K');
    EXPECT_TRUE(WaitUntil([&] { return OptionProgram::TextOf(key) == L"K"; }))
        << "the key field shows \""
        << std::string(OptionProgram::TextOf(key).begin(), OptionProgram::TextOf(key).end())
        << "\"";
    EXPECT_TRUE(IsWindow(dialog)) << "Escape is a key like any other here";
    Click(dialog, ShortcutDialog::kFlagLayouts[option::kFlagCtrl]);
    Click(dialog, ShortcutDialog::kFlagLayouts[option::kFlagShift]);
    OptionProgram::SaveWindow(dialog, "option_shortcut_dialog");
    Click(dialog, ShortcutDialog::kOkLayout);
    ASSERT_TRUE(Closed(dialog));

    const auto writes = ApplyWrites();
    ASSERT_EQ(writes.size(), 1u) << ::testing::PrintToString(writes);
    EXPECT_TRUE(StartsWith(writes[0], ButtonReportOfProfile())) << writes[0];
    const auto seen = block_->Read();
    EXPECT_EQ(Button(*seen).code, kShortcutCode);
    EXPECT_EQ(Button(*seen).events[0], kUsageK);
    EXPECT_EQ(Button(*seen).events[1], option::modifier::kCtrl | option::modifier::kShift);

    // The hook is gone with the dialog: the monitor's keys reach other programs.
    KeyProbe probe(VirtualMouseTest::Beside("key_hook_probe.exe"), 4000);
    ASSERT_TRUE(probe.started());
    ASSERT_EQ(Vmouse("press " + std::to_string(kSlot)).exitCode, 0);
    ASSERT_EQ(Vmouse("release " + std::to_string(kSlot)).exitCode, 0);
    const auto keys = probe.Keys();
    std::vector<int> downs;
    for (const SeenKey& k : keys)
        if (!k.up) downs.push_back(k.vk);
    ASSERT_GE(downs.size(), 3u) << Describe(keys);
    EXPECT_EQ(downs[0], VK_CONTROL) << Describe(keys);
    EXPECT_EQ(downs[1], VK_SHIFT) << Describe(keys);
    EXPECT_EQ(downs[2], 'K') << Describe(keys);
    EXPECT_TRUE(keys.back().up) << Describe(keys);
}

// "Boss" of 20 s goes into Timer.ini and, picked for a button, into one button report;
// the edit dialog's Delete takes it from the list at once, but only OK writes the file.
TEST_F(ButtonDialogsTest, ATimerIsCreatedAssignedAndDeleted) {
    using option::TimerCreateDialog;
    using option::TimerEditDialog;
    StartOnButtonPage();
    Choose({"Assign a Timer", "Create Timer"});
    HWND dialog = Dialog(TimerCreateDialog::kClassName);
    ASSERT_TRUE(dialog);
    Click(dialog, TimerCreateDialog::kNameLayout);
    app_.input.Type("Boss");
    Click(dialog, TimerCreateDialog::kSecondsLayout);
    app_.input.ReplaceText("20");
    OptionProgram::SaveWindow(dialog, "option_timer_create_dialog");
    Click(dialog, TimerCreateDialog::kOkLayout);
    ASSERT_TRUE(Closed(dialog));
    // The application saves the file once the dialog is gone.
    TimerList saved;
    ASSERT_TRUE(WaitUntil([&] {
        saved = LoadTimerList(program_.File(kTimerFile));
        return !saved.empty();
    }));
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_STREQ(saved[0].name, "Boss");
    EXPECT_EQ(saved[0].seconds, 20);

    // The same name in other letters and blanks keeps the dialog open.
    Choose({"Assign a Timer", "Create Timer"});
    dialog = Dialog(TimerCreateDialog::kClassName);
    Click(dialog, TimerCreateDialog::kNameLayout);
    app_.input.Type(" bOSS ");
    Click(dialog, TimerCreateDialog::kOkLayout);
    EXPECT_TRUE(IsWindow(dialog));
    Click(dialog, TimerCreateDialog::kCancelLayout);
    ASSERT_TRUE(Closed(dialog));

    Choose({"Assign a Timer", "Boss"});
    const auto writes = ApplyWrites();
    ASSERT_EQ(writes.size(), 1u) << ::testing::PrintToString(writes);
    EXPECT_TRUE(StartsWith(writes[0], ButtonReportOfProfile())) << writes[0];
    const auto seen = block_->Read();
    EXPECT_EQ(Button(*seen).code, kTimerCode);
    EXPECT_EQ(Button(*seen).timerValue, 20);
    EXPECT_STREQ(Button(*seen).timerName, "Boss");

    // Delete asks first; Cancel afterwards leaves the file as it was.
    Choose({"Assign a Timer", "Edit/Delete Timer"});
    dialog = Dialog(TimerEditDialog::kClassName);
    ASSERT_TRUE(dialog);
    OptionProgram::SaveWindow(dialog, "option_timer_edit_dialog");
    Click(dialog, TimerEditDialog::kDeleteLayout);
    const HWND confirm = Dialog(skin::kMessageDialogClass);
    ASSERT_TRUE(confirm);
    Click(confirm, skin::kMessageConfirmOkLayout);
    ASSERT_TRUE(Closed(confirm));
    Click(dialog, TimerEditDialog::kCancelLayout);
    ASSERT_TRUE(Closed(dialog));
    EXPECT_EQ(LoadTimerList(program_.File(kTimerFile)).size(), 1u);
    // The list has no timer left: the edit dialog does not open, and the button keeps
    // its own copy.
    option::CatalogueLists none;
    const auto session = option::OpenButtonMenu(*block_->Read(), {profile_, kSlot}, false, none);
    ASSERT_TRUE(session.has_value());
    app_.ClickOnPage(option::ButtonLabelLayout(kSlot));
    std::string why;
    ASSERT_TRUE(
        ChooseFromMenu(app_.input, session->items, {"Assign a Timer", "Edit/Delete Timer"}, &why))
        << why;
    Sleep(300);
    EXPECT_EQ(VisibleWindowOfClass(TimerEditDialog::kClassName), nullptr);
    EXPECT_STREQ(Button(*block_->Read()).timerName, "Boss");
}

// A path longer than the button holds is refused with the dialog open; a short one is
// launched by the button. Winamp chosen in the media-player dialog is MediaOption 3.
TEST_F(ButtonDialogsTest, TheProgramAndPlayerDialogsFillTheButtonAndTheProfile) {
    using option::MediaPlayerDialog;
    using option::ProgramDialog;
    StartOnButtonPage();
    Choose({"Quicklaunch"});
    HWND dialog = Dialog(ProgramDialog::kClassName);
    ASSERT_TRUE(dialog);
    // A long path pasted in, as from an explorer's address bar.
    const std::string longPath = "C:\\" + std::string(280, 'g') + ".exe";
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, longPath.size() + 1);
    std::memcpy(GlobalLock(text), longPath.c_str(), longPath.size() + 1);
    GlobalUnlock(text);
    SetClipboardData(CF_TEXT, text);
    CloseClipboard();
    const HWND path = OptionProgram::WindowAt(InWindow(dialog, ProgramDialog::kPathLayout));
    Click(dialog, ProgramDialog::kPathLayout);
    app_.input.PressChord(VK_CONTROL, 'V');
    ASSERT_TRUE(WaitUntil([&] { return OptionProgram::TextOf(path).size() == longPath.size(); }));
    Click(dialog, ProgramDialog::kOkLayout);
    EXPECT_TRUE(IsWindow(dialog));
    // The refused path is selected, so typing replaces it.
    app_.input.Type("C:\\Games\\tesh.exe");
    OptionProgram::SaveWindow(dialog, "option_program_dialog");
    Click(dialog, ProgramDialog::kOkLayout);
    ASSERT_TRUE(Closed(dialog));

    Choose({"Multimedia", "Select Player"});
    dialog = Dialog(MediaPlayerDialog::kClassName);
    ASSERT_TRUE(dialog);
    // The drop-down's own click closes its menu and does not open it again.
    Click(dialog, MediaPlayerDialog::kPlayerLayout);
    ASSERT_TRUE(WaitUntil([&] { return !VisibleMenus().empty(); }));
    Click(dialog, MediaPlayerDialog::kPlayerLayout);
    ASSERT_TRUE(WaitUntil([&] { return VisibleMenus().empty(); }));
    Sleep(300);
    EXPECT_TRUE(VisibleMenus().empty());
    Click(dialog, MediaPlayerDialog::kPlayerLayout);
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (menu = VisibleWindowOfClass(kMenuClass)) != nullptr; }));
    const auto players =
        ListItems({"Windows Media player", "iTunes", "VLC Media Player", "Winamp"});
    app_.input.Click(MenuItemPoint(menu, players, kWinamp));
    ASSERT_TRUE(WaitUntil([&] { return VisibleMenus().empty(); }));
    OptionProgram::SaveWindow(dialog, "option_media_player_dialog");
    Click(dialog, MediaPlayerDialog::kOkLayout);
    ASSERT_TRUE(Closed(dialog));

    const auto writes = ApplyWrites();
    ASSERT_FALSE(writes.empty());
    EXPECT_TRUE(StartsWith(writes[0], ButtonReportOfProfile())) << writes[0];
    const auto seen = block_->Read();
    EXPECT_EQ(Button(*seen).code, kQuicklaunchCode);
    EXPECT_STREQ(Button(*seen).programPath, "C:\\Games\\tesh.exe");
    EXPECT_EQ(seen->Profiles[profile_].MediaOption, kWinamp);
}

}  // namespace
}  // namespace tesh::test
