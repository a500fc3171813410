// The macro manager's copy of the library and its selection: the set selector's menu,
// adding and deleting sets, the macro list's new, rename and delete, the messages of
// actions that need a selection, and storing the editors' changes. Every change to a
// set's macros marks the set modified so that the next save writes it. OK hands the
// copy back to replace the library; Cancel drops it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "option/button_catalogue.h"
#include "settings/macro_library.h"
#include "settings/settings_set.h"

namespace tesh::option {

enum class ManagerMode {
    kCreateNew,  // "Create New Macro..." or the page's "Macro Manager" button
    kEdit,       // "Edit Macro..." of a set
};

// The macro held by the button whose menu was opened last.
struct ButtonMacro {
    std::string setName;
    std::string macroName;
};
// The button's macro when it holds one (code 48) with a set name.
std::optional<ButtonMacro> ButtonMacroOf(const ButtonRecord& button);

// What an action refused for want of a selection shows; kNone: go ahead, kSilent:
// refused by a limit without a message.
enum class ManagerNotice { kNone, kSilent, kSelectSet, kSelectMacroToDelete, kNameBeforeRecording };
const char* NoticeTitle(ManagerNotice notice);  // "NOTE" / "ATTENTION"; "" for none
const char* NoticeText(ManagerNotice notice);   // "" for none

// What a command of the set menu asks for.
enum class SetMenuAction { kNone, kSelectSet, kAddSet, kDeleteSet };
struct SetMenuChoice {
    SetMenuAction action = SetMenuAction::kNone;
    int set = -1;  // kSelectSet
};
SetMenuChoice SetMenuChoiceOf(int command);

class MacroManagerModel {
  public:
    // Takes a copy of the library. No set is selected in create-new mode or with an
    // empty library; in edit mode the set holding the button's macro, if the library
    // has it, else set `setIndex`. A selected set selects its macro (SelectSet).
    MacroManagerModel(const MacroLibrary& library, ManagerMode mode, int setIndex,
                      std::optional<ButtonMacro> button);

    const MacroLibrary& copy() const { return copy_; }
    // OK: the copy, to replace the library (which the caller then saves).
    MacroLibrary TakeCopy() { return std::move(copy_); }
    // With an empty library the add-set dialog opens by itself.
    bool OpensAddSetDialog() const { return copy_.sets.empty(); }

    int selectedSet() const { return selectedSet_; }      // -1: none
    int selectedMacro() const { return selectedMacro_; }  // -1: none
    const MacroSet* currentSet() const;
    const MacroRecord* currentMacro() const;
    // The set selector's text: the current set's name, or empty.
    std::string SetButtonText() const;
    // The macro list's lines: the current set's macro names.
    std::vector<std::string> MacroNames() const;

    // The set selector's menu (width kSetMenuWidth).
    std::vector<MenuItem> SetMenu() const;
    // Selects a set and its first macro, or, when the button holds a macro of this set,
    // the first whose name begins with the button's macro name (case-insensitive).
    // An index out of range selects nothing.
    void SelectSet(int index);
    // Appends and selects a set (AddMacroSet's rules); false, nothing changed, when
    // refused.
    bool AddSet(std::string_view name);
    // Removes the selected set; the selection moves to the set now at its index, or the
    // last, or none. False with no selection.
    bool DeleteSet();

    // Selects a macro of the current set (-1 or out of range: none).
    void SelectMacro(int index);
    // "New": kSilent with 100 macros, kSelectSet without a set; kNone: the list appends
    // a line to edit, then CommitNewMacro.
    ManagerNotice CanAddMacro() const;
    // The new line's text: adds and selects the macro (AddMacro's rules). False when
    // refused (empty, repeated, full, no set): the line is removed.
    bool CommitNewMacro(std::string_view text);
    // A rename of macro `index`: false when the trimmed name is empty or another macro's
    // (the old name stays). A changed name marks the set modified.
    bool CommitRename(int index, std::string_view text);
    // "Delete": kSelectMacroToDelete without a selection; kNone: confirm, DeleteMacro.
    ManagerNotice CanDeleteMacro() const;
    // Removes the selected macro and marks the set modified; the selection moves to
    // the same index or the last macro, or none.
    bool DeleteMacro();
    // "Start Record" and the list menu's record commands: kSelectSet without a set,
    // kNameBeforeRecording without a macro.
    ManagerNotice CanRecord() const;

    // The editors' changes to the selected macro, each marking its set modified.
    // False with no macro selected.
    bool StoreEvents(const std::vector<MacroEvent>& events);
    bool StoreRepeatCount(int32_t repeatCount);  // clamped to 1..255

  private:
    MacroRecord* SelectedRecord();
    void MarkModified();

    MacroLibrary copy_;
    std::optional<ButtonMacro> button_;
    int selectedSet_ = -1;
    int selectedMacro_ = -1;
};

}  // namespace tesh::option
