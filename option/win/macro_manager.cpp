#include "option/win/macro_manager.h"

#include <string>

#include "art/art_ids.h"
#include "option/macro_manager_texts.h"
#include "option/win/set_name_dialog.h"
#include "skin/layout_record.h"
#include "skin/win/layout_rect.h"
#include "skin/win/message_dialog.h"
#include "skin/win/skin_messages.h"
#include "skin/win/wide_text.h"

namespace tesh::option {
namespace {

constexpr int kSetId = 10;
constexpr int kMacroListId = 11;
constexpr int kNewId = 12;
constexpr int kDeleteId = 13;
constexpr int kSwitchId = 14;
constexpr int kListEditorId = 15;
constexpr int kTimelineId = 16;
constexpr UINT_PTR kAddSetTimer = 1;
constexpr char kToTimeline[] = "TIMELINE EDITOR";
constexpr char kToList[] = "LIST EDITOR";

// The manager open now, for the application's close to end it.
MacroManager* openManager = nullptr;

}  // namespace

const char* const MacroManager::kSetLayout = "BUTTON_MacroSet,14,58,240,22,";
const char* const MacroManager::kMacroListLayout = "BUTTON_List_MacroName,14,110,240,264,";
const char* const MacroManager::kNewLayout = "BUTTON_New,14,382,116,24,";
const char* const MacroManager::kDeleteLayout = "BUTTON_Delete,138,382,116,24,";
const char* const MacroManager::kSwitchLayout = "BUTTON_Switch_editor,588,408,160,24,";
const char* const MacroManager::kOkLayout = "BUTTON_OK,14,432,60,26,";
const char* const MacroManager::kCancelLayout = "BUTTON_CANCEL,78,432,100,26,";
const char* const MacroManager::kCloseLayout = "BUTTON_EXIT,734,4,22,22,";

std::optional<MacroLibrary> MacroManager::Run(HWND owner, const MacroLibrary& library,
                                              ManagerMode mode, int setIndex,
                                              std::optional<ButtonMacro> button) {
    if (openManager) return std::nullopt;
    MacroManager manager(library, mode, setIndex, std::move(button));
    if (!manager.CreateDialogWindow(kClassName, macro_manager::kTitle, owner,
                                    IDB_MACRO_MANAGER_NORMAL))
        return std::nullopt;
    openManager = &manager;
    manager.RunModal();
    openManager = nullptr;
    if (!manager.accepted()) return std::nullopt;
    return manager.model_.TakeCopy();
}

bool MacroManager::CancelOpen() {
    if (!openManager) return false;
    // The recorder lets go of the keyboard before anything else goes.
    openManager->listEditor_.StopRecording();
    openManager->Finish(false);
    return true;
}

void MacroManager::OnCreated() {
    setButton_.Create(hwnd(), kSetId, kSetLayout, sources());
    macros_.Create(hwnd(), kMacroListId, skin::LayoutRect(kMacroListLayout));
    AddButton(new_, kNewId, kNewLayout);
    AddButton(delete_, kDeleteId, kDeleteLayout);
    AddButton(switch_, kSwitchId, kSwitchLayout);
    AddOkCancel(kOkLayout, kCancelLayout, kCloseLayout);
    // Enter and Escape belong to the names typed in the list and to the timeline.
    KeepKeys();
    switch_.SetCaption(kToTimeline);
    listEditor_.Create(hwnd(), kListEditorId, kEditorRect);
    timeline_.Create(hwnd(), kTimelineId, kEditorRect);
    timeline_.Show(false);
    ShowSet();
    if (model_.OpensAddSetDialog())
        SetTimer(hwnd(), kAddSetTimer, macro_manager::kAutoAddSetDelayMs, nullptr);
}

void MacroManager::ShowSet() {
    setButton_.SetCaption(model_.SetButtonText());
    macros_.Clear();
    newRow_ = -1;
    for (const std::string& name : model_.MacroNames()) macros_.Add(name);
    macros_.Select(model_.selectedMacro());
    ShowMacro();
}

void MacroManager::ShowMacro() {
    listEditor_.Load();
    timeline_.Load();
}

bool MacroManager::Notice(ManagerNotice notice) {
    if (notice == ManagerNotice::kNone) return false;
    if (notice != ManagerNotice::kSilent)
        skin::ShowMessage(hwnd(), skin::Widen(NoticeTitle(notice)),
                          skin::Widen(NoticeText(notice)));
    return true;
}

void MacroManager::OnSetMenu() {
    const SetMenuChoice choice = SetMenuChoiceOf(setButton_.ShowMenu(model_.SetMenu()));
    switch (choice.action) {
        case SetMenuAction::kSelectSet:
            if (timelineShown_) timeline_.WriteBack();
            model_.SelectSet(choice.set);
            ShowSet();
            break;
        case SetMenuAction::kAddSet:
            AddSet();
            break;
        case SetMenuAction::kDeleteSet:
            DeleteSet();
            break;
        case SetMenuAction::kNone:
            break;
    }
}

void MacroManager::AddSet() {
    const std::optional<std::string> name = SetNameDialog::Run(hwnd());
    if (!name) return;
    if (timelineShown_) timeline_.WriteBack();
    if (model_.AddSet(*name)) ShowSet();
}

void MacroManager::DeleteSet() {
    if (model_.selectedSet() < 0) return;
    const std::string question =
        std::string(macro_manager::kDeleteSetText) + " " + macro_manager::kDeleteSetDetail;
    if (!skin::Confirm(hwnd(), skin::Widen(macro_manager::kAttentionTitle), skin::Widen(question)))
        return;
    if (model_.DeleteSet()) ShowSet();
}

void MacroManager::NewMacro() {
    if (Notice(model_.CanAddMacro())) return;
    newRow_ = macros_.Add("");
    macros_.Select(newRow_);
    macros_.BeginEdit(newRow_, "", macro_manager::kMacroNameFieldLength);
}

void MacroManager::DeleteMacro() {
    if (Notice(model_.CanDeleteMacro())) return;
    if (!skin::Confirm(hwnd(), skin::Widen(macro_manager::kAttentionTitle),
                       skin::Widen(macro_manager::kDeleteMacroText)))
        return;
    if (model_.DeleteMacro()) ShowSet();
}

void MacroManager::OnNameEdited(bool committed, int row) {
    if (timelineShown_) timeline_.WriteBack();
    if (row == newRow_) {
        // An empty or repeated name takes the new line away again.
        if (committed) model_.CommitNewMacro(macros_.EditedText());
    } else if (committed) {
        model_.CommitRename(row, macros_.EditedText());
    }
    ShowSet();
}

void MacroManager::SwitchEditor() {
    if (timelineShown_) {
        LeaveTimeline();
        return;
    }
    timeline_.Load();
    timeline_.Show(true);
    listEditor_.Show(false);
    timelineShown_ = true;
    switch_.SetCaption(kToList);
}

void MacroManager::LeaveTimeline() {
    timeline_.WriteBack();
    listEditor_.Load();
    listEditor_.Show(true);
    timeline_.Show(false);
    timelineShown_ = false;
    switch_.SetCaption(kToTimeline);
}

void MacroManager::EnableControls(bool enable) {
    setButton_.Enable(enable);
    EnableWindow(macros_.hwnd(), enable);
    for (skin::SkinButton* b : {&new_, &delete_, &switch_}) b->Enable(enable);
    for (int id : {kOkId, kCancelId, kCloseId}) EnableWindow(GetDlgItem(hwnd(), id), enable);
}

bool MacroManager::Accept() {
    listEditor_.StopRecording();
    if (timelineShown_) timeline_.WriteBack();
    return true;
}

LRESULT MacroManager::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (wParam == kAddSetTimer) {
                KillTimer(hwnd(), kAddSetTimer);
                AddSet();
            }
            return 0;
        case kDropDownMessage:
            OnSetMenu();
            return 0;
        case skin::kMsgListEditDone:
            OnNameEdited(wParam == 1, static_cast<int>(lParam));
            return 0;
        case kRecordingMessage:
            EnableControls(wParam == 0);
            return 0;
        default:
            return OkCancelDialog::OnMessage(message, wParam, lParam);
    }
}

void MacroManager::OnCommand(int id, int code) {
    if (setButton_.OnCommand(id)) return;
    switch (id) {
        case kMacroListId:
            if (code == LBN_SELCHANGE && !macros_.editing()) {
                if (timelineShown_) timeline_.WriteBack();
                model_.SelectMacro(macros_.Selection());
                ShowMacro();
            } else if (code == LBN_DBLCLK && macros_.Selection() >= 0) {
                const int row = macros_.Selection();
                macros_.BeginEdit(row, macros_.Text(row), macro_manager::kMacroNameFieldLength);
            }
            break;
        case kNewId:
            NewMacro();
            break;
        case kDeleteId:
            DeleteMacro();
            break;
        case kSwitchId:
            SwitchEditor();
            break;
        default:
            break;
    }
}

}  // namespace tesh::option
