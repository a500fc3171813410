// Titles, texts, layout strings and numbers of the macro manager and its dialogs. The
// texts are UTF-8 (the recording notice holds curly quotes).
#pragma once

#include <cstdint>

namespace tesh::option::macro_manager {

constexpr char kTitle[] = "Tesh Ulma Macro Manager";
// With an empty library the add-set dialog opens by itself this long after the
// manager shows.
constexpr uint32_t kAutoAddSetDelayMs = 100;

// Message dialogs of actions that need a selection.
constexpr char kNoteTitle[] = "NOTE";
constexpr char kAttentionTitle[] = "ATTENTION";
constexpr char kSelectSetText[] = "Please select/create a macro set before creating a new macro.";
constexpr char kSelectMacroToDeleteText[] = "Please select a macro to delete.";
constexpr char kNameBeforeRecordingText[] =
    "Select \xE2\x80\x9CNEW\xE2\x80\x9D and name the macro before recording a new macro.";

// Confirmations (title "ATTENTION").
constexpr char kDeleteSetText[] = "Do you really want to delete the macro set?";
constexpr char kDeleteSetDetail[] = "This will delete all macros grouped in this macro set.";
constexpr char kDeleteMacroText[] = "Do you really want to delete the selected macro?";

// The add-set dialog.
constexpr char kAddSetTitle[] = "CREATE A MACRO SET";
constexpr char kAddSetText[] = "Please enter a name for the macro set:";
constexpr char kAddSetField[] = "EDIT_MACRO_SET_NAME,58,100,186,18,";

// The set selector's menu.
constexpr int kFirstSetCommand = 2000;  // + set index
constexpr int kAddSetCommand = 2998;
constexpr int kDeleteSetCommand = 2999;
constexpr int kSetMenuWidth = 176;
constexpr char kAddSetItem[] = "[+]Add Macro Set";
constexpr char kDeleteSetItem[] = "[x]Delete Macro Set";
// Sets after which the menu draws a separator (unless they are the last).
constexpr char kSeparatedSet1[] = "World of Warcraft";
constexpr char kSeparatedSet2[] = "Xfire";

// Controls.
constexpr char kMacroListName[] = "BUTTON_List_MacroName";
constexpr char kSwitchEditorName[] = "BUTTON_Switch_editor";
// List editor.
constexpr char kStartRecordLayout[] = "BUTTON_Start_Record,263,57,133,23,";
constexpr char kDelayToggleLayout[] = "BUTTON_Delay_ON_OFF,262,97,150,23,";
constexpr char kLoopToggleLayout[] = "BUTTON_LoopTimes_ON_OFF,262,164,120,15,";
constexpr char kRepeatFieldLayout[] = "Edit_Times,284,184,30,15,";
constexpr char kEventListLayout[] = "BUTTON_List_key_sequence,6,49,234,301,";
// Timeline editor.
constexpr char kTimelineBackground[] = "macro_adjust_normal.jpg";
constexpr char kAddBarLayout[] = "BUTTON_ADD,4,330,30,20,";
constexpr char kDeleteBarLayout[] = "BUTTON_DELETE,34,330,30,20,";
constexpr char kZoomInLayout[] = "BUTTON_ZOOM_IN,457,1,22,20,";
constexpr char kZoomOutLayout[] = "BUTTON_ZOOM_OUT,435,1,22,20,";

// Names typed in place in the macro list.
constexpr int kMacroNameFieldLength = 24;

}  // namespace tesh::option::macro_manager
