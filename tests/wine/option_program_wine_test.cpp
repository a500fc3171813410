// The configuration application end to end: the real monitor and the real application
// from a copy of the staged program directory on a virtual mouse of its own, driven
// with real input at the places of the layout strings; the mouse's log, the block and
// the files tell what reached where.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "monitor/program_names.h"
#include "monitor/win/current_user_access.h"
#include "option/button_page_model.h"
#include "option/language_files.h"
#include "option/library_listings.h"
#include "option/option_names.h"
#include "option/win/block_view.h"
#include "option/win/button_page.h"
#include "option/win/dpi_row.h"
#include "option/win/main_page.h"
#include "option/win/main_window_layout.h"
#include "option/win/profile_dialog.h"
#include "settings/file_io.h"
#include "settings/ini_file.h"
#include "settings/macro_library.h"
#include "settings/settings_store.h"
#include "skin/layout_record.h"
#include "skin/win/message_dialog.h"
#include "skin/win/skin_menu.h"
#include "tests/wine/foreign_object.h"
#include "tests/wine/key_probe.h"
#include "tests/wine/menu_driver.h"
#include "tests/wine/option_app_test.h"

namespace tesh::test {
namespace {

using option::DpiRow;
using option::MainPage;
namespace ui = option::layout;

constexpr int kApplyTooltip = 1026;
constexpr int kMuteCode = 37;
constexpr char kButtonReport[] = "SET 07 3b ";
// The media event the mouse reports when its mute button is pressed.
constexpr char kMuteEvent[] = "EVT f000 0025";

// A visible popup menu window other than `other`, or null.
HWND MenuWindowBesides(HWND other) {
    for (HWND w : VisibleMenus())
        if (w != other) return w;
    return nullptr;
}

// The colour of a screen pixel as 0x00RRGGBB.
uint32_t PixelAt(POINT screen) {
    const auto pixels = CaptureScreen(RECT{screen.x, screen.y, screen.x + 1, screen.y + 1});
    return pixels.empty() ? 0xFFFFFFFF : pixels[0];
}
uint32_t Rgb(COLORREF colour) {
    return static_cast<uint32_t>(GetRValue(colour)) << 16 |
           static_cast<uint32_t>(GetGValue(colour)) << 8 | GetBValue(colour);
}

// The whole screen, for pictures with popup menus beyond the window.
bool SaveWholeScreen(const std::string& name) {
    return SaveScreen(RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)},
                      name);
}

// The tooltip text of a string id in a language's library, as the test reads it.
std::wstring LibraryText(int language, int id) {
    const std::string path =
        StagedProgramDirectory() + "help\\" + option::LanguageLibraryFile(language);
    HMODULE library = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!library) return L"";
    wchar_t text[512] = {};
    LoadStringW(library, static_cast<UINT>(id), text, static_cast<int>(std::size(text)));
    FreeLibrary(library);
    return text;
}

TEST_F(OptionAppTest, MainPageChangesReachTheMouseOnApplyAndCancelKeepsThemAway) {
    StartConnected();
    ASSERT_TRUE(app_.Start());
    BlockClient block;
    ASSERT_TRUE(block.opened());
    app_.Screenshot("option_main_window");

    // Profile 3, DPI row 0 to 3200 with its preset, sensitivity -3 typed and Enter.
    app_.Click(ui::kSlots[2]);
    app_.input.Click(RowPoint(0, Centre(DpiRow::PresetRect(5))));
    app_.input.Click(app_.OnPage(MainPage::kSensitivitySpin));
    app_.input.ReplaceText("-3");
    app_.input.PressKey(VK_RETURN);
    // 2500 typed into row 2 stays as typed until Enter, which takes 3200.
    const POINT rowSpin = RowPoint(2, POINT{DpiRow::SpinPoint().x + 16, DpiRow::SpinPoint().y + 8});
    app_.input.Click(rowSpin);
    app_.input.ReplaceText("2500");
    const HWND spinEdit = OptionProgram::WindowAt(rowSpin);
    EXPECT_TRUE(WaitUntil([&] { return OptionProgram::TextOf(spinEdit) == L"2500"; }));
    EXPECT_TRUE(OptionProgram::AfterPostedMessages(spinEdit));
    EXPECT_EQ(OptionProgram::TextOf(spinEdit), L"2500");
    app_.input.PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return OptionProgram::TextOf(spinEdit) == L"3200"; }));
    ClearLog();
    ApplyAndWait();

    // The active profile report and profile 2's settings report, each with its
    // handshake, and nothing else.
    const auto log = Log();
    const auto writes = Writes(log);
    ASSERT_EQ(writes.size(), 2u) << ::testing::PrintToString(log);
    EXPECT_TRUE(StartsWith(writes[0], "SET 05")) << writes[0];
    EXPECT_TRUE(StartsWith(writes[1], "SET 06 1f 02")) << writes[1];
    for (const std::string& line : log)
        EXPECT_TRUE(StartsWith(line, "SET 05") || StartsWith(line, "SET 06") ||
                    StartsWith(line, "GET 04"))
            << line;
    auto seen = block.Read();
    EXPECT_EQ(seen->CurrentProfile, 2);
    EXPECT_EQ(seen->CurrentProfileChanged, 0);
    EXPECT_EQ(seen->ProfileChanged[2], 0);
    EXPECT_EQ(seen->Profiles[2].CpiLevel_X[0], 6);
    EXPECT_EQ(seen->Profiles[2].CpiLevel_X[2], 6);
    EXPECT_EQ(seen->Profiles[2].Sensitivity, 3);
    EXPECT_EQ(Config("CurrentProfile"), 2);
    EXPECT_EQ(SlotValue(2, "CpiLevel_X0"), 6);
    EXPECT_EQ(SlotValue(2, "Sensitivity"), 3);

    // Apply again without edits: nothing reaches the mouse.
    ClearLog();
    ApplyAndWait();
    EXPECT_TRUE(Writes(Log()).empty()) << ::testing::PrintToString(Log());

    // A double click on the test field plays its animation over it.
    const POINT testField = app_.OnPage(MainPage::kDoubleClickTest);
    app_.input.DoubleClick(testField);
    EXPECT_TRUE(WaitUntil([&] {
        char name[64] = {};
        GetClassNameA(OptionProgram::WindowAt(testField), name, sizeof name);
        return std::string(name) == "SysAnimate32";
    }));

    // A new double-click speed and profile 4, then Cancel: nothing reaches the mouse,
    // the block or config.ini. (Wine keeps the double-click time per process, so the
    // time that Cancel gives back is checked by the model's tests.)
    const int savedDoubleClick = SlotValue(2, "DbleClickSpeed");
    const LayoutRecord speed = Layout(MainPage::kDoubleClickSlider);
    app_.input.Click(app_.OnPage(POINT{speed.right - 2, (speed.top + speed.bottom) / 2}));
    app_.Click(ui::kSlots[3]);
    ClearLog();
    app_.Click(ui::kCancel);
    EXPECT_EQ(app_.WaitForEnd(kConditionTimeoutMs), 0);
    EXPECT_TRUE(Writes(Log()).empty());
    EXPECT_EQ(block.Read()->CurrentProfile, 2);
    EXPECT_EQ(Config("CurrentProfile"), 2);
    EXPECT_EQ(SlotValue(2, "DbleClickSpeed"), savedDoubleClick);
}

TEST_F(OptionAppTest, AFunctionPickedFromAButtonsMenuReachesTheMouseOnApply) {
    constexpr int kSlot = 3;  // device button 3
    constexpr int kShiftSlot = 4, kShiftTwin = 16;
    constexpr int kQuixshiftCode = 65, kClickCode = 1, kDisabledCode = 6;
    StartConnected();
    ASSERT_TRUE(app_.Start());
    BlockClient block;
    ASSERT_TRUE(block.opened());
    const auto before = block.Read();
    const int profile = before->CurrentProfile;
    ASSERT_NE(before->Profiles[profile].Buttons[kSlot].code, kMuteCode);
    // The menu as the page builds it for the slot (its top entries do not depend on the
    // macro, timer and device lists).
    const auto session = option::OpenButtonMenu(*before, {profile, kSlot}, false, {});
    ASSERT_TRUE(session.has_value());
    const std::vector<option::MenuItem>& top = session->items;
    const std::size_t multimedia = IndexOf(top, "Multimedia");
    ASSERT_LT(multimedia, top.size());
    const std::vector<option::MenuItem>& media = top[multimedia].items;
    const std::size_t mute = IndexOf(media, "Windows Mute");
    ASSERT_LT(mute, media.size());

    app_.Click(ui::kTabs[ui::kButtonPage]);
    const char* label = option::ButtonLabelLayout(kSlot);
    const HWND labelWindow = OptionProgram::WindowAt(app_.OnPage(label));
    ASSERT_TRUE(WaitUntil([&] {
        return GetDlgCtrlID(OptionProgram::WindowAt(app_.OnPage(label))) ==
               option::LabelOfSlot(kSlot);
    }));
    app_.Screenshot("option_button_page");

    // The pointer over the label marks the button on the mouse beside it.
    const POINT spot = app_.OnPage(option::ButtonPage::HighlightSpot(kSlot, false));
    const uint32_t mark = Rgb(option::ButtonPage::kHighlightColour);
    EXPECT_NE(PixelAt(spot), mark);
    app_.input.MoveTo(app_.OnPage(label));
    EXPECT_TRUE(WaitUntil([&] { return PixelAt(spot) == mark; }));
    app_.input.MoveTo(app_.OnPage(option::ButtonLabelLayout(kSlot + 1)));
    EXPECT_TRUE(WaitUntil([&] { return PixelAt(spot) != mark; }));

    // A click on the label opens its menu; a second click on it closes the menu, and
    // the next one opens it again. Escape closes it too, and leaves the next click free.
    HWND menu = nullptr;
    app_.ClickOnPage(label);
    ASSERT_TRUE(WaitUntil([&] { return (menu = VisibleWindowOfClass(kMenuClass)) != nullptr; }));
    app_.ClickOnPage(label);
    ASSERT_TRUE(WaitUntil([&] { return VisibleWindowOfClass(kMenuClass) == nullptr; }));
    app_.ClickOnPage(label);
    ASSERT_TRUE(WaitUntil([&] { return (menu = VisibleWindowOfClass(kMenuClass)) != nullptr; }));
    app_.input.PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return VisibleWindowOfClass(kMenuClass) == nullptr; }));
    app_.ClickOnPage(label);
    ASSERT_TRUE(WaitUntil([&] { return (menu = VisibleWindowOfClass(kMenuClass)) != nullptr; }));

    // "Multimedia", then "Windows Mute".
    app_.input.Click(MenuItemPoint(menu, top, multimedia));
    HWND popup = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (popup = MenuWindowBesides(menu)) != nullptr; }));
    RedrawWindow(menu, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RedrawWindow(popup, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    SaveWholeScreen("option_button_menu");
    app_.input.Click(MenuItemPoint(popup, media, mute));
    ASSERT_TRUE(WaitUntil([&] { return VisibleWindowOfClass(kMenuClass) == nullptr; }));
    EXPECT_TRUE(IsWindow(labelWindow));

    // "Click" for the Quixshift button B5 gives its twin a function of its own again.
    const char* shiftLabel = option::ButtonLabelLayout(kShiftSlot);
    const auto shiftSession = option::OpenButtonMenu(*before, {profile, kShiftSlot}, false, {});
    ASSERT_TRUE(shiftSession.has_value());
    const std::size_t click = IndexOf(shiftSession->items, "Click");
    ASSERT_LT(click, shiftSession->items.size());
    app_.ClickOnPage(shiftLabel);
    ASSERT_TRUE(WaitUntil([&] { return (menu = VisibleWindowOfClass(kMenuClass)) != nullptr; }));
    app_.input.Click(MenuItemPoint(menu, shiftSession->items, click));
    ASSERT_TRUE(WaitUntil([&] { return VisibleWindowOfClass(kMenuClass) == nullptr; }));
    app_.Screenshot("option_button_page_assigned");

    // Apply sends the profile's button report and nothing else.
    ASSERT_EQ(before->Profiles[profile].Buttons[kShiftSlot].code, kQuixshiftCode);
    ASSERT_EQ(before->Profiles[profile].Buttons[kShiftTwin].code, 0);
    ClearLog();
    ApplyAndWait();
    const auto log = Log();
    const auto writes = Writes(log);
    ASSERT_EQ(writes.size(), 1u) << ::testing::PrintToString(log);
    char expected[16];
    std::snprintf(expected, sizeof expected, "%s%02x", kButtonReport, profile);
    EXPECT_TRUE(StartsWith(writes[0], expected)) << writes[0];
    const auto seen = block.Read();
    EXPECT_EQ(seen->Profiles[profile].Buttons[kSlot].code, kMuteCode);
    EXPECT_EQ(seen->ButtonChanged[profile][kSlot], 0);
    EXPECT_EQ(seen->Profiles[profile].Buttons[kShiftSlot].code, kClickCode);
    EXPECT_EQ(seen->Profiles[profile].Buttons[kShiftTwin].code, kDisabledCode);
    for (int slot = 0; slot < kButtonSlots; ++slot) {
        if (slot == kSlot || slot == kShiftSlot || slot == kShiftTwin) continue;
        EXPECT_EQ(seen->Profiles[profile].Buttons[slot].code,
                  before->Profiles[profile].Buttons[slot].code)
            << "slot " << slot;
    }

    // The mouse's button now mutes: the mouse does that itself and reports it.
    ClearLog();
    ASSERT_EQ(Vmouse("press " + std::to_string(kSlot)).exitCode, 0);
    ASSERT_EQ(Vmouse("release " + std::to_string(kSlot)).exitCode, 0);
    const auto events = Log();
    EXPECT_NE(std::find(events.begin(), events.end(), kMuteEvent), events.end())
        << ::testing::PrintToString(events);
}

// A macro of the library, picked from a button's menu, goes whole into the button and
// reaches the mouse with Apply: the button report, then the macro report.
TEST_F(OptionAppTest, AMacroOfTheLibraryPickedForAButtonReachesTheMouse) {
    constexpr int kSlot = 3;  // device button 3
    MacroLibrary library;
    MacroRecord burst = NewMacro("Burst");
    burst.repeatCount = 2;
    burst.eventCount = 2;
    const MacroEvent events[] = {{4, 1, 30}, {4, 2, 0}};  // A down, 30 ms, A up
    std::memcpy(burst.events, events, sizeof events);
    library.sets.push_back(MacroSet{"Shooter", {burst}, SetState::kNew});
    CreateDirectoryA(program_.File("config").c_str(), nullptr);
    ASSERT_TRUE(SaveMacroLibrary(library, program_.File(kMacroLibraryFile)));

    StartConnected();
    ASSERT_TRUE(app_.Start());
    BlockClient block;
    ASSERT_TRUE(block.opened());
    const auto before = block.Read();
    const int profile = before->CurrentProfile;
    option::CatalogueLists lists;
    lists.macroSets = option::MacroSetListings(library);
    const auto session = option::OpenButtonMenu(*before, {profile, kSlot}, false, lists);
    ASSERT_TRUE(session.has_value());

    app_.Click(ui::kTabs[ui::kButtonPage]);
    const char* label = option::ButtonLabelLayout(kSlot);
    ASSERT_TRUE(WaitUntil([&] {
        return GetDlgCtrlID(OptionProgram::WindowAt(app_.OnPage(label))) ==
               option::LabelOfSlot(kSlot);
    }));
    app_.ClickOnPage(label);
    std::string why;
    ASSERT_TRUE(ChooseFromMenu(app_.input, session->items,
                               {"Macro + Preset Compilation", "Shooter", "Burst"}, &why))
        << why;
    ASSERT_TRUE(WaitUntil([&] { return VisibleWindowOfClass(kMenuClass) == nullptr; }));

    ClearLog();
    ApplyAndWait();
    const auto writes = Writes(Log());
    ASSERT_EQ(writes.size(), 2u) << ::testing::PrintToString(writes);
    char buttons[16], macro[24];
    std::snprintf(buttons, sizeof buttons, "%s%02x", kButtonReport, profile);
    std::snprintf(macro, sizeof macro, "SET 08 22 08 %02x %02x", profile, kSlot);
    EXPECT_TRUE(StartsWith(writes[0], buttons)) << writes[0];
    EXPECT_TRUE(StartsWith(writes[1], macro)) << writes[1];
    const ButtonRecord& button = block.Read()->Profiles[profile].Buttons[kSlot];
    EXPECT_EQ(button.code, 48);
    EXPECT_STREQ(button.macroSetName, "Shooter");
    EXPECT_STREQ(button.macroName, "Burst");
    EXPECT_EQ(button.eventCount, 2);
    EXPECT_EQ(std::memcmp(button.events, events, sizeof events), 0);

    // Pressed, the button plays the macro's keys for another program.
    {
        KeyProbe probe(VirtualMouseTest::Beside("key_hook_probe.exe"), 3000);
        ASSERT_TRUE(probe.started());
        ASSERT_EQ(Vmouse("press " + std::to_string(kSlot)).exitCode, 0);
        ASSERT_EQ(Vmouse("release " + std::to_string(kSlot)).exitCode, 0);
        const auto keys = probe.Keys();
        ASSERT_GE(keys.size(), 2u) << Describe(keys);
        EXPECT_EQ(keys[0].vk, 'A');
        EXPECT_FALSE(keys[0].up);
        EXPECT_TRUE(std::all_of(keys.begin(), keys.end(), [](const SeenKey& k) {
            return k.vk == 'A';
        })) << Describe(keys);
        EXPECT_TRUE(keys.back().up) << Describe(keys);
    }

    // The library loses the set; the next start takes it back from the button.
    app_.Click(ui::kOk);
    ASSERT_EQ(app_.WaitForEnd(kConditionTimeoutMs), 0);
    ASSERT_TRUE(DeleteFileA(program_.File(kMacroLibraryFile).c_str()));
    ASSERT_TRUE(app_.Start());
    EXPECT_TRUE(WaitUntil([&] {
        const MacroLibrary back = LoadMacroLibrary(program_.File(kMacroLibraryFile));
        return back.sets.size() == 1 && back.sets[0].name == "Shooter" &&
               back.sets[0].macros.size() == 1 && back.sets[0].macros[0].eventCount == 2;
    }));
}

TEST_F(OptionAppTest, AProfileSavedFromOneSlotAndLoadedIntoAnotherReachesTheMouse) {
    StartConnected();
    ASSERT_TRUE(app_.Start());
    BlockClient block;

    // Slot 3 with a DPI of its own, saved to a file.
    app_.Click(ui::kSlots[2]);
    app_.input.Click(RowPoint(1, Centre(DpiRow::PresetRect(6))));
    const std::string file = dir_.File("Shooter.qfm");
    app_.Click(ui::kSave);
    AnswerFileDialog(file);
    // The file, its copy in the config folder and the slot's name in config.ini are
    // written one after the other.
    auto slotName = [&] {
        return IniFile(program_.File("config.ini")).ReadString("FileName", "Profile3", "");
    };
    EXPECT_TRUE(WaitUntil([&] {
        return FileExists(file) && FileExists(program_.File("config\\Shooter.qfm")) &&
               slotName() == "Shooter";
    })) << slotName();
    EXPECT_EQ(IniFile(file).ReadInt("Setting", "CpiLevel_X1", -1), 7);

    // Loaded into slot 1 (the mouse's active one): every button of the slot is sent
    // again, with both edited profiles' settings.
    app_.Click(ui::kSlots[0]);
    app_.Click(ui::kLoad);
    AnswerFileDialog(file);
    ClearLog();
    ApplyAndWait();
    const auto seen = block.Read();
    EXPECT_EQ(seen->Profiles[0].CpiLevel_X[1], 7);
    int macroButtons = 0;
    for (const ButtonRecord& b : seen->Profiles[0].Buttons) macroButtons += b.code == 48 ? 1 : 0;
    const auto log = Log();
    ASSERT_EQ(seen->CurrentProfile, 0);
    std::vector<std::string> expected = {"SET 06 1f 00", "SET 06 1f 02", "SET 07 3b 00"};
    const auto writes = Writes(log);
    ASSERT_EQ(writes.size(), expected.size() + macroButtons) << ::testing::PrintToString(log);
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(StartsWith(writes[i], expected[i])) << writes[i];
    for (std::size_t i = expected.size(); i < writes.size(); ++i)
        EXPECT_TRUE(StartsWith(writes[i], "SET 08")) << writes[i];
    EXPECT_EQ(SlotValue(0, "CpiLevel_X1"), 7);
}

TEST_F(OptionAppTest, TheMouseChangesShowTheMonitorClosesAndOneInstanceRuns) {
    StartConnected();
    ASSERT_TRUE(app_.Start());
    const int active = BlockClient().Read()->Profiles[BlockClient().Read()->CurrentProfile].Cpi_X;
    const int other = active == 3 ? 1 : 3;
    EXPECT_FALSE(SwitchEnabled(active));
    EXPECT_TRUE(SwitchEnabled(other));
    // A DPI level chosen on the mouse is the page's active level (1257).
    ASSERT_EQ(Vmouse("dpi " + std::to_string(other)).exitCode, 0);
    EXPECT_TRUE(WaitUntil([&] { return !SwitchEnabled(other) && SwitchEnabled(active); }));

    // A second start ends silently and leaves the first alone.
    EXPECT_EQ(app_.StartSecondCopy(), 0);
    EXPECT_TRUE(app_.Running());

    // Unplugged: the monitor closes the application, which writes nothing.
    const std::string before = ReadWholeFile(program_.File(SlotFileName(0))).value_or("");
    app_.input.Click(RowPoint(0, Centre(DpiRow::PresetRect(2))));
    ASSERT_EQ(Vmouse("unplug").exitCode, 0);
    EXPECT_EQ(app_.WaitForEnd(kConditionTimeoutMs), 0);
    EXPECT_EQ(ReadWholeFile(program_.File(SlotFileName(0))).value_or(""), before);
}

TEST_F(OptionAppTest, WithoutAMonitorApplyWritesTheFilesOnly) {
    ASSERT_TRUE(app_.Start());
    app_.Click(ui::kSlots[4]);
    app_.input.Click(RowPoint(4, Centre(DpiRow::PresetRect(0))));
    ClearLog();
    ApplyAndWait();
    EXPECT_EQ(Config("CurrentProfile"), 4);
    EXPECT_EQ(SlotValue(4, "CpiLevel_X4"), 1);
    EXPECT_TRUE(Log().empty()) << ::testing::PrintToString(Log());
    EXPECT_FALSE(BlockClient().opened());
}

TEST_F(OptionAppTest, EveryLanguageShowsItsOwnTooltipsInTheHintLine) {
    ASSERT_TRUE(app_.Start());
    const RECT& hint = ui::kHintRect;
    const HWND hintLine = OptionProgram::WindowAt(ClientToScreenPoint(
        OptionProgram::Window(), POINT{hint.left + 10, (hint.top + hint.bottom) / 2}));
    for (int language = 0; language < option::kLanguageCount; ++language) {
        app_.Click(ui::kLanguage);
        HWND menu = nullptr;
        ASSERT_TRUE(
            WaitUntil([&] { return (menu = VisibleWindowOfClass(kMenuClass)) != nullptr; }));
        RECT client;
        GetClientRect(menu, &client);
        const int margin =
            (client.bottom - option::kLanguageCount * skin::SkinMenu::kItemHeight) / 2;
        const POINT item = ClientToScreenPoint(
            menu, POINT{client.right / 2, margin + language * skin::SkinMenu::kItemHeight +
                                              skin::SkinMenu::kItemHeight / 2});
        if (language == 6) {
            RedrawWindow(menu, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            app_.Screenshot("option_language_menu");
        }
        app_.input.Click(item);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); }));
        // The pointer comes to Apply from elsewhere, as a user moves it.
        app_.input.MoveTo(app_.At(ui::kOk));
        app_.input.MoveTo(app_.At(ui::kApply));
        const std::wstring expected = LibraryText(language, kApplyTooltip);
        ASSERT_FALSE(expected.empty());
        EXPECT_TRUE(WaitUntil([&] { return OptionProgram::TextOf(hintLine) == expected; }))
            << "language " << language;
    }
    // The choice is part of the settings that Apply keeps.
    ApplyAndWait();
    EXPECT_EQ(Config("QuickHelpLan"), option::kLanguageCount - 1);
}

TEST_F(OptionAppTest, TheProfileDialogAndTheWindowsProfileMarkerEditTheSlot) {
    StartConnected();
    ASSERT_TRUE(app_.Start());
    app_.Click(ui::kSlots[1]);

    // Edit: a new name (cut to 20 characters) and a program.
    app_.Click(ui::kEdit);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        return (dialog = VisibleWindowOfClass(option::ProfileDialog::kClassName)) != nullptr;
    }));
    app_.input.Click(InWindow(dialog, option::ProfileDialog::kNameLayout));
    app_.input.ReplaceText("Sniper with a long name");
    app_.input.Click(InWindow(dialog, option::ProfileDialog::kProgramLayouts[0]));
    app_.input.Type("C:\\Games\\sniper.exe");
    OptionProgram::SaveWindow(dialog, "option_profile_dialog");
    app_.input.Click(InWindow(dialog, option::ProfileDialog::kOkLayout));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));

    // The marker of slot 2 asks first; OK makes it the Windows profile.
    app_.Click(ui::kMarkers[1]);
    HWND confirm = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] { return (confirm = VisibleWindowOfClass(skin::kMessageDialogClass)) != nullptr; }));
    OptionProgram::SaveWindow(confirm, "option_confirmation");
    app_.input.Click(InWindow(confirm, skin::kMessageConfirmOkLayout));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(confirm); }));
    ApplyAndWait();
    EXPECT_EQ(IniFile(program_.File(SlotFileName(1))).ReadString("Setting", "ProFileName", ""),
              "Sniper with a long n");
    EXPECT_EQ(IniFile(program_.File(SlotFileName(1))).ReadString("Setting", "GameFile0", ""),
              "C:\\Games\\sniper.exe");
    EXPECT_EQ(Config("WindowsProfile"), 1);
    EXPECT_EQ(BlockClient().Read()->WindowsProfile, 1);

    // A second click on its marker gives the place up at once, without asking; OK
    // applies that and closes the window.
    app_.Click(ui::kMarkers[1]);
    EXPECT_EQ(VisibleWindowOfClass(skin::kMessageDialogClass), nullptr);
    app_.Click(ui::kOk);
    EXPECT_EQ(app_.WaitForEnd(kConditionTimeoutMs), 0);
    EXPECT_EQ(Config("WindowsProfile"), -1);
    EXPECT_EQ(BlockClient().Read()->WindowsProfile, -1);
}

// A block and mutex that another user made under the monitor's names are as none: the
// application works on the files alone, as without a monitor. The user's own are used.
TEST(OptionBlock, AnotherUsersBlockIsAsNone) {
    using Kind = ForeignObject::Kind;
    for (const bool foreignMapping : {true, false}) {
        SCOPED_TRACE(foreignMapping ? "another user's block" : "another user's mutex");
        monitor::CurrentUserAccess mappingAccess(SECTION_ALL_ACCESS);
        monitor::CurrentUserAccess mutexAccess(MUTEX_ALL_ACCESS);
        ForeignObject planted(foreignMapping ? Kind::kMapping : Kind::kMutex,
                              foreignMapping ? monitor::kBlockName : monitor::kBlockMutexName,
                              sizeof(SettingsSet));
        ASSERT_TRUE(planted.made());
        HANDLE own =
            foreignMapping
                ? CreateMutexA(mutexAccess.attributes(), FALSE, monitor::kBlockMutexName)
                : CreateFileMappingA(INVALID_HANDLE_VALUE, mappingAccess.attributes(),
                                     PAGE_READWRITE, 0, sizeof(SettingsSet), monitor::kBlockName);
        ASSERT_NE(own, nullptr);
        option::BlockView view;
        EXPECT_EQ(view.Open(), option::SharedBlockPort::Attach::kAbsent);
        EXPECT_FALSE(view.opened());
        CloseHandle(own);
    }
    monitor::CurrentUserAccess mappingAccess(SECTION_ALL_ACCESS);
    monitor::CurrentUserAccess mutexAccess(MUTEX_ALL_ACCESS);
    HANDLE mutex = CreateMutexA(mutexAccess.attributes(), FALSE, monitor::kBlockMutexName);
    HANDLE mapping =
        CreateFileMappingA(INVALID_HANDLE_VALUE, mappingAccess.attributes(), PAGE_READWRITE, 0,
                           sizeof(SettingsSet), monitor::kBlockName);
    option::BlockView view;
    EXPECT_EQ(view.Open(), option::SharedBlockPort::Attach::kAttached) << "the user's own block";
    view.Close();
    CloseHandle(mapping);
    CloseHandle(mutex);
}

}  // namespace
}  // namespace tesh::test
