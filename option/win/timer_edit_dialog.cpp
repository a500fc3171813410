#include "option/win/timer_edit_dialog.h"

#include <vector>

#include "art/art_ids.h"
#include "option/timer_edits.h"
#include "settings/library_names.h"
#include "skin/layout_record.h"
#include "skin/win/message_dialog.h"

namespace tesh::option {
namespace {

constexpr int kChooserId = 10;
constexpr int kNameId = 11;
constexpr int kSecondsId = 12;
constexpr int kSaveId = 20;
constexpr int kDeleteId = 21;
constexpr wchar_t kDeleteTitle[] = L"ATTENTION";
constexpr wchar_t kDeleteQuestion[] = L"Do you really want to delete the selected timer?";

}  // namespace

const char* const TimerEditDialog::kChooserLayout = "LIST_TIMER,115,86,186,20,";
const char* const TimerEditDialog::kNameLayout = "EDIT_PROFILE_NAME,116,140,182,15,";
const char* const TimerEditDialog::kSecondsLayout = "EDIT_SPIN,115,193,45,19,";
const char* const TimerEditDialog::kSaveLayout = "BUTTON_SAVE,226,190,114,24,";
const char* const TimerEditDialog::kDeleteLayout = "BUTTON_DELETE,350,190,124,24,";
const char* const TimerEditDialog::kOkLayout = "BUTTON_OK,14,310,60,26,";
const char* const TimerEditDialog::kCancelLayout = "BUTTON_CANCEL,78,310,100,26,";
const char* const TimerEditDialog::kCloseLayout = "BUTTON_Exit,494,3,22,22,";

bool TimerEditDialog::Run(HWND owner, TimerList& timers) {
    if (!CanEditTimers(timers)) return false;
    TimerEditDialog dialog(timers);
    if (!dialog.CreateDialogWindow(kClassName, kTitle, owner, IDB_TIMER_EDIT_NORMAL)) return false;
    dialog.RunModal();
    return dialog.accepted();
}

void TimerEditDialog::OnCreated() {
    chooser_.Create(hwnd(), kChooserId, kChooserLayout, sources());
    name_.Create(hwnd(), kNameId, Layout(kNameLayout));
    SendMessageA(name_.hwnd(), EM_LIMITTEXT, kMaxTypedNameLength, 0);
    const LayoutRecord spin = Layout(kSecondsLayout);
    seconds_.Create(hwnd(), kSecondsId, spin.left, spin.top);
    seconds_.SetRange(kMinTimerSeconds, kMaxTimerSeconds);
    AddButton(save_, kSaveId, kSaveLayout);
    AddButton(delete_, kDeleteId, kDeleteLayout);
    AddOkCancel(kOkLayout, kCancelLayout, kCloseLayout);
    ShowSelected();
}

void TimerEditDialog::ShowSelected() {
    const bool any = selected_ >= 0 && static_cast<std::size_t>(selected_) < timers_.size();
    const std::string name = any ? timers_[static_cast<std::size_t>(selected_)].name : "";
    chooser_.SetCaption(name);
    name_.SetText(name);
    seconds_.SetValue(any ? timers_[static_cast<std::size_t>(selected_)].seconds : kNoTimerSeconds);
}

void TimerEditDialog::ChooseTimer() {
    std::vector<DropDownChoice> choices;
    for (std::size_t i = 0; i < timers_.size(); ++i)
        choices.push_back({kFirstTimerCommand + static_cast<int>(i), timers_[i].name});
    const int chosen =
        chooser_.ShowMenu(choices, kFirstTimerCommand + selected_, kMenuFontHeight, kMenuWidth);
    if (!chosen) return;
    selected_ = chosen - kFirstTimerCommand;
    ShowSelected();
}

void TimerEditDialog::SaveFields() {
    if (SaveTimer(timers_, selected_, name_.Text(), seconds_.value()) != TimerSave::kUnchanged)
        ShowSelected();
}

void TimerEditDialog::DeleteSelected() {
    if (selected_ < 0) return;
    if (!skin::Confirm(hwnd(), kDeleteTitle, kDeleteQuestion)) return;
    selected_ = DeleteTimer(timers_, selected_);
    ShowSelected();
}

bool TimerEditDialog::Accept() {
    SaveFields();
    return true;
}

void TimerEditDialog::OnCommand(int id, int) {
    if (chooser_.OnCommand(id)) return;
    if (id == kSaveId) SaveFields();
    if (id == kDeleteId) DeleteSelected();
}

LRESULT TimerEditDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kDropDownMessage) {
        ChooseTimer();
        return 0;
    }
    return OkCancelDialog::OnMessage(message, wParam, lParam);
}

}  // namespace tesh::option
