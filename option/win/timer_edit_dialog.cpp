#include "option/win/timer_edit_dialog.h"

#include <vector>

#include "art/art_ids.h"
#include "option/timer_edits.h"
#include "settings/library_names.h"
#include "skin/layout_record.h"
#include "skin/win/layout_rect.h"
#include "skin/win/message_dialog.h"

namespace tesh::option {
namespace {

constexpr int kChooserId = 10;
constexpr int kNameId = 11;
constexpr int kSecondsId = 12;
constexpr int kSaveId = 20;
constexpr int kDeleteId = 21;
constexpr int kOkId = 30;
constexpr int kCancelId = 31;
constexpr int kCloseId = 32;
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
    return dialog.closedWithOk_;
}

void TimerEditDialog::OnCreated() {
    const skin::SkinSources pictures = sources();
    chooser_.Create(hwnd(), kChooserId, kChooserLayout, pictures);
    name_.Create(hwnd(), kNameId, Layout(kNameLayout));
    SendMessageA(name_.hwnd(), EM_LIMITTEXT, kMaxTypedNameLength, 0);
    const LayoutRecord spin = Layout(kSecondsLayout);
    seconds_.Create(hwnd(), kSecondsId, spin.left, spin.top);
    seconds_.SetRange(kMinTimerSeconds, kMaxTimerSeconds);
    struct {
        skin::SkinButton& button;
        int id;
        const char* layout;
    } buttons[] = {{save_, kSaveId, kSaveLayout},
                   {delete_, kDeleteId, kDeleteLayout},
                   {ok_, kOkId, kOkLayout},
                   {cancel_, kCancelId, kCancelLayout},
                   {close_, kCloseId, kCloseLayout}};
    for (auto& b : buttons) {
        b.button.Create(hwnd(), b.id, Layout(b.layout));
        b.button.SetSkin(skin::LayoutRect(b.layout), pictures);
    }
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

void TimerEditDialog::Finish(bool ok) {
    if (ok) {
        SaveFields();
        closedWithOk_ = true;
    }
    SetResult(ok ? IDOK : IDCANCEL);
    Close();
}

bool TimerEditDialog::OnKey(WPARAM key) {
    if (key == VK_ESCAPE || key == VK_RETURN) {
        Finish(key == VK_RETURN);
        return true;
    }
    return false;
}

LRESULT TimerEditDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kDropDownMessage) {
        ChooseTimer();
        return 0;
    }
    if (message != WM_COMMAND) return SkinnedDialog::OnMessage(message, wParam, lParam);
    const int id = LOWORD(wParam);
    if (chooser_.OnCommand(id)) return 0;
    switch (id) {
        case kSaveId:
            SaveFields();
            break;
        case kDeleteId:
            DeleteSelected();
            break;
        case kOkId:
            Finish(true);
            break;
        case kCancelId:
        case kCloseId:
            Finish(false);
            break;
        default:
            break;
    }
    return 0;
}

}  // namespace tesh::option
