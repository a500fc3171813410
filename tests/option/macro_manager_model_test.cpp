#include "option/macro_manager_model.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "option/macro_manager_texts.h"
#include "tests/option/macro_events_fixtures.h"
#include "tests/settings/library_records.h"

namespace tesh::option {
namespace {

using tesh::test::SetOf;
namespace mm = macro_manager;

MacroLibrary Library() {
    MacroLibrary lib;
    lib.sets.push_back(
        SetOf("Shooter", {NewMacro("Burst"), NewMacro("Reload")}, SetState::kUnchanged));
    lib.sets.push_back(SetOf("World of Warcraft",
                             {NewMacro("Heal"), NewMacro("Fireball"), NewMacro("Fire wall")},
                             SetState::kUnchanged));
    lib.sets.push_back(SetOf("Empty", {}, SetState::kUnchanged));
    return lib;
}

ButtonMacro Held(const char* set, const char* macro) {
    return ButtonMacro{set, macro};
}

struct OpenCase {
    const char* what;
    ManagerMode mode;
    int setIndex;
    std::optional<ButtonMacro> button;
    int set, macro;
};

TEST(MacroManagerModel, OpensOnTheButtonsSetAndMacro) {
    const OpenCase cases[] = {
        {"create new", ManagerMode::kCreateNew, 1, Held("Shooter", "Reload"), -1, -1},
        {"edit set 1", ManagerMode::kEdit, 1, std::nullopt, 1, 0},
        {"the button's set wins", ManagerMode::kEdit, 0, Held("world of warcraft ", "FIRE"), 1, 1},
        {"a name's beginning", ManagerMode::kEdit, 1, Held("World of Warcraft", "fire w"), 1, 2},
        {"no macro begins so", ManagerMode::kEdit, 1, Held("World of Warcraft", "Zap"), 1, 0},
        {"button's set missing", ManagerMode::kEdit, 0, Held("Gone", "Burst"), 0, 0},
        {"empty set", ManagerMode::kEdit, 2, std::nullopt, 2, -1},
        {"set out of range", ManagerMode::kEdit, 7, std::nullopt, -1, -1},
    };
    for (const OpenCase& c : cases) {
        MacroManagerModel model(Library(), c.mode, c.setIndex, c.button);
        EXPECT_EQ(model.selectedSet(), c.set) << c.what;
        EXPECT_EQ(model.selectedMacro(), c.macro) << c.what;
        EXPECT_FALSE(model.OpensAddSetDialog()) << c.what;
    }
}

TEST(MacroManagerModel, AnEmptyLibraryOpensTheAddSetDialog) {
    MacroManagerModel model(MacroLibrary{}, ManagerMode::kEdit, 0, std::nullopt);
    EXPECT_TRUE(model.OpensAddSetDialog());
    EXPECT_EQ(model.selectedSet(), -1);
    EXPECT_EQ(model.SetButtonText(), "");
    EXPECT_TRUE(model.AddSet(" Racing "));
    EXPECT_EQ(model.selectedSet(), 0);
    EXPECT_EQ(model.SetButtonText(), "Racing");
    EXPECT_FALSE(model.AddSet("racing"));
    EXPECT_EQ(model.copy().sets.size(), 1u);
}

TEST(MacroManagerModel, TheButtonMacroIsOnlyACodeFortyEightButtonsMacro) {
    ButtonRecord button{};
    std::strcpy(button.macroSetName, "Shooter");
    std::strcpy(button.macroName, "Burst");
    EXPECT_FALSE(ButtonMacroOf(button).has_value());
    button.code = code::kMacro;
    ASSERT_TRUE(ButtonMacroOf(button).has_value());
    EXPECT_EQ(ButtonMacroOf(button)->setName, "Shooter");
    EXPECT_EQ(ButtonMacroOf(button)->macroName, "Burst");
    std::memset(button.macroSetName, 'x', sizeof button.macroSetName);  // no terminator
    EXPECT_EQ(ButtonMacroOf(button)->setName, std::string(sizeof button.macroSetName, 'x'));
    std::memset(button.macroSetName, 0, sizeof button.macroSetName);
    EXPECT_FALSE(ButtonMacroOf(button).has_value());
}

TEST(MacroManagerModel, TheSetMenuListsTheSetsWithItsSeparators) {
    MacroLibrary lib = Library();
    lib.sets.push_back(SetOf("Xfire", {}));
    MacroManagerModel model(lib, ManagerMode::kEdit, 0, Held("Shooter", "Burst"));
    std::vector<MenuItem> menu = model.SetMenu();
    using K = MenuItem::Kind;
    struct Entry {
        K kind;
        const char* text;
        int command;
        bool selected;
    };
    const Entry expected[] = {
        {K::kCommand, "Shooter", 2000, true},
        {K::kCommand, "World of Warcraft", 2001, false},
        {K::kSeparator, "", 0, false},
        {K::kCommand, "Empty", 2002, false},
        {K::kCommand, "Xfire", 2003, false},  // the last: no separator of its own
        {K::kSeparator, "", 0, false},
        {K::kCommand, "[+]Add Macro Set", 2998, false},
        {K::kCommand, "[x]Delete Macro Set", 2999, false},
    };
    ASSERT_EQ(menu.size(), std::size(expected));
    for (std::size_t i = 0; i < menu.size(); ++i) {
        EXPECT_EQ(menu[i].kind, expected[i].kind) << i;
        EXPECT_EQ(menu[i].text, expected[i].text) << i;
        EXPECT_EQ(menu[i].command, expected[i].command) << i;
        EXPECT_EQ(menu[i].selected, expected[i].selected) << i;
    }
    EXPECT_EQ(mm::kSetMenuWidth, 176);

    lib.sets.push_back(SetOf("Last", {}));
    menu = MacroManagerModel(lib, ManagerMode::kEdit, 0, std::nullopt).SetMenu();
    EXPECT_EQ(menu[5].kind, K::kSeparator);  // after "Xfire", now not the last
}

TEST(MacroManagerModel, SetMenuCommandsSayWhatToDo) {
    EXPECT_EQ(SetMenuChoiceOf(2000).action, SetMenuAction::kSelectSet);
    EXPECT_EQ(SetMenuChoiceOf(2042).set, 42);
    EXPECT_EQ(SetMenuChoiceOf(2998).action, SetMenuAction::kAddSet);
    EXPECT_EQ(SetMenuChoiceOf(2999).action, SetMenuAction::kDeleteSet);
    EXPECT_EQ(SetMenuChoiceOf(2100).action, SetMenuAction::kNone);
    EXPECT_EQ(SetMenuChoiceOf(1999).action, SetMenuAction::kNone);
}

struct DeleteSetCase {
    int selected;
    int after;
};

TEST(MacroManagerModel, DeletingASetSelectsTheNextOrTheLast) {
    const DeleteSetCase cases[] = {{0, 0}, {1, 1}, {2, 1}};
    for (const DeleteSetCase& c : cases) {
        MacroManagerModel model(Library(), ManagerMode::kEdit, c.selected, std::nullopt);
        ASSERT_TRUE(model.DeleteSet());
        EXPECT_EQ(model.copy().sets.size(), 2u);
        EXPECT_EQ(model.selectedSet(), c.after) << c.selected;
    }
    MacroLibrary one;
    one.sets.push_back(SetOf("Only", {NewMacro("m")}));
    MacroManagerModel model(one, ManagerMode::kEdit, 0, std::nullopt);
    ASSERT_TRUE(model.DeleteSet());
    EXPECT_EQ(model.selectedSet(), -1);
    EXPECT_EQ(model.selectedMacro(), -1);
    EXPECT_FALSE(model.DeleteSet());
}

TEST(MacroManagerModel, ActionsNeedingASelectionSayWhatIsMissing) {
    MacroManagerModel none(Library(), ManagerMode::kCreateNew, 0, std::nullopt);
    EXPECT_EQ(none.CanAddMacro(), ManagerNotice::kSelectSet);
    EXPECT_EQ(none.CanRecord(), ManagerNotice::kSelectSet);
    EXPECT_EQ(none.CanDeleteMacro(), ManagerNotice::kSelectMacroToDelete);
    EXPECT_FALSE(none.CommitNewMacro("New"));

    MacroManagerModel empty(Library(), ManagerMode::kEdit, 2, std::nullopt);
    EXPECT_EQ(empty.CanAddMacro(), ManagerNotice::kNone);
    EXPECT_EQ(empty.CanRecord(), ManagerNotice::kNameBeforeRecording);
    EXPECT_EQ(empty.CanDeleteMacro(), ManagerNotice::kSelectMacroToDelete);

    MacroManagerModel chosen(Library(), ManagerMode::kEdit, 0, std::nullopt);
    EXPECT_EQ(chosen.CanRecord(), ManagerNotice::kNone);
    EXPECT_EQ(chosen.CanDeleteMacro(), ManagerNotice::kNone);

    EXPECT_STREQ(NoticeText(ManagerNotice::kSelectSet),
                 "Please select/create a macro set before creating a new macro.");
    EXPECT_STREQ(NoticeTitle(ManagerNotice::kSelectSet), "NOTE");
    EXPECT_STREQ(NoticeText(ManagerNotice::kSelectMacroToDelete),
                 "Please select a macro to delete.");
    EXPECT_STREQ(NoticeTitle(ManagerNotice::kSelectMacroToDelete), "ATTENTION");
    EXPECT_STREQ(NoticeText(ManagerNotice::kNameBeforeRecording),
                 "Select \u201cNEW\u201d and name the macro before recording a new macro.");
    EXPECT_STREQ(NoticeTitle(ManagerNotice::kNameBeforeRecording), "NOTE");
    EXPECT_STREQ(NoticeText(ManagerNotice::kNone), "");
    EXPECT_STREQ(NoticeText(ManagerNotice::kSilent), "");
}

TEST(MacroManagerModel, AHundredMacrosRefuseANewOneSilently) {
    MacroLibrary lib;
    MacroSet full = SetOf("Full", {});
    for (int j = 0; j < 100; ++j) full.macros.push_back(NewMacro("m" + std::to_string(j)));
    lib.sets.push_back(full);
    MacroManagerModel model(lib, ManagerMode::kEdit, 0, std::nullopt);
    EXPECT_EQ(model.CanAddMacro(), ManagerNotice::kSilent);
    EXPECT_FALSE(model.CommitNewMacro("more"));
}

struct NewCase {
    const char* text;
    bool added;
};

TEST(MacroManagerModel, ANewMacroNeedsANameOfItsOwn) {
    const NewCase cases[] = {{"  ", false}, {"", false}, {"burst", false}, {" Spray ", true}};
    for (const NewCase& c : cases) {
        MacroManagerModel model(Library(), ManagerMode::kEdit, 0, std::nullopt);
        EXPECT_EQ(model.CommitNewMacro(c.text), c.added) << c.text;
        const MacroSet& set = *model.currentSet();
        EXPECT_EQ(set.macros.size(), c.added ? 3u : 2u) << c.text;
        EXPECT_EQ(set.state, c.added ? SetState::kNew : SetState::kUnchanged) << c.text;
        EXPECT_EQ(model.selectedMacro(), c.added ? 2 : 0) << c.text;
        if (c.added) {
            EXPECT_EQ(model.MacroNames().back(), "Spray");
        }
    }
}

struct RenameCase {
    const char* what;
    int index;
    const char* text;
    bool renamed;
    const char* name;
    SetState state;
};

TEST(MacroManagerModel, ARenameMarksTheSetChangedUnlessItIsRefused) {
    const RenameCase cases[] = {
        {"new name", 0, " Burst fire ", true, "Burst fire", SetState::kModified},
        {"case only", 0, "BURST", true, "BURST", SetState::kModified},
        {"same name", 0, "Burst", true, "Burst", SetState::kUnchanged},
        {"another's name", 0, "reload", false, "Burst", SetState::kUnchanged},
        {"empty", 0, "   ", false, "Burst", SetState::kUnchanged},
        {"cut to 24", 1, "abcdefghijklmnopqrstuvwxyz", true, "abcdefghijklmnopqrstuvwx",
         SetState::kModified},
        {"no such macro", 5, "Other", false, "Burst", SetState::kUnchanged},
    };
    for (const RenameCase& c : cases) {
        MacroManagerModel model(Library(), ManagerMode::kEdit, 0, std::nullopt);
        EXPECT_EQ(model.CommitRename(c.index, c.text), c.renamed) << c.what;
        const int shown = c.index < 2 ? c.index : 0;
        EXPECT_EQ(model.MacroNames()[static_cast<std::size_t>(shown)], c.name) << c.what;
        EXPECT_EQ(model.currentSet()->state, c.state) << c.what;
    }
}

struct DeleteMacroCase {
    int selected;
    int after;
};

TEST(MacroManagerModel, DeletingAMacroMarksTheSetAndMovesTheSelection) {
    const DeleteMacroCase cases[] = {{0, 0}, {1, 1}, {2, 1}};
    for (const DeleteMacroCase& c : cases) {
        MacroManagerModel model(Library(), ManagerMode::kEdit, 1, std::nullopt);
        model.SelectMacro(c.selected);
        ASSERT_TRUE(model.DeleteMacro());
        EXPECT_EQ(model.selectedMacro(), c.after) << c.selected;
        EXPECT_EQ(model.currentSet()->macros.size(), 2u);
        EXPECT_EQ(model.currentSet()->state, SetState::kModified);
    }
    MacroManagerModel model(Library(), ManagerMode::kEdit, 0, std::nullopt);
    ASSERT_TRUE(model.DeleteMacro());
    ASSERT_TRUE(model.DeleteMacro());
    EXPECT_EQ(model.selectedMacro(), -1);
    EXPECT_FALSE(model.DeleteMacro());
}

TEST(MacroManagerModel, EditorChangesMarkOnlyTheirSetChanged) {
    MacroManagerModel model(Library(), ManagerMode::kEdit, 1, std::nullopt);
    model.SelectMacro(2);
    ASSERT_TRUE(model.StoreEvents({test::Press(4, 30), test::Release(4)}));
    EXPECT_EQ(model.currentMacro()->eventCount, 2);
    EXPECT_EQ(model.copy().sets[1].state, SetState::kModified);
    EXPECT_EQ(model.copy().sets[0].state, SetState::kUnchanged);

    MacroManagerModel repeat(Library(), ManagerMode::kEdit, 0, std::nullopt);
    ASSERT_TRUE(repeat.StoreRepeatCount(0));  // a stored 0 becomes 1
    EXPECT_EQ(repeat.currentMacro()->repeatCount, 1);
    EXPECT_EQ(repeat.currentSet()->state, SetState::kModified);

    MacroManagerModel same(Library(), ManagerMode::kEdit, 0, std::nullopt);
    ASSERT_TRUE(same.StoreEvents({}));  // nothing differs
    EXPECT_EQ(same.currentSet()->state, SetState::kUnchanged);
    ASSERT_TRUE(same.StoreRepeatCount(300));
    EXPECT_EQ(same.currentMacro()->repeatCount, 255);
    EXPECT_EQ(same.currentSet()->state, SetState::kModified);

    MacroManagerModel nothing(Library(), ManagerMode::kCreateNew, 0, std::nullopt);
    EXPECT_FALSE(nothing.StoreEvents({}));
    EXPECT_FALSE(nothing.StoreRepeatCount(3));
}

TEST(MacroManagerModel, OkHandsBackTheCopyAndTheLibraryIsUntouchedUntilThen) {
    const MacroLibrary lib = Library();
    MacroManagerModel model(lib, ManagerMode::kEdit, 0, std::nullopt);
    model.CommitNewMacro("Spray");
    model.SelectSet(1);
    ASSERT_TRUE(model.StoreEvents({test::Press(4), test::Release(4)}));
    EXPECT_EQ(lib.sets[0].macros.size(), 2u);  // Cancel: nothing reached the library
    MacroLibrary result = model.TakeCopy();
    EXPECT_EQ(result.sets[0].macros.size(), 3u);
    EXPECT_EQ(result.sets[0].state, SetState::kNew);
    EXPECT_EQ(result.sets[1].state, SetState::kModified);
    EXPECT_EQ(result.sets[1].macros[0].eventCount, 2);
}

}  // namespace
}  // namespace tesh::option
