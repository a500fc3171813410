#include "option/win/timer_create_dialog.h"

#include "art/art_ids.h"
#include "option/timer_edits.h"
#include "settings/library_names.h"
#include "skin/layout_record.h"

namespace tesh::option {
namespace {

constexpr int kNameId = 10;
constexpr int kSecondsId = 11;

}  // namespace

const char* const TimerCreateDialog::kNameLayout = "EDIT_PROFILE_NAME,116,90,182,15,";
const char* const TimerCreateDialog::kSecondsLayout = "EDIT_SPIN,115,163,45,19,";
const char* const TimerCreateDialog::kOkLayout = "BUTTON_OK,14,310,60,26,";
const char* const TimerCreateDialog::kCancelLayout = "BUTTON_CANCEL,78,310,100,26,";
const char* const TimerCreateDialog::kCloseLayout = "BUTTON_Exit,494,3,22,22,";

bool TimerCreateDialog::Run(HWND owner, TimerList& timers) {
    if (!CanCreateTimer(timers)) return false;
    TimerCreateDialog dialog(timers);
    if (!dialog.CreateDialogWindow(kClassName, kTitle, owner, IDB_TIMER_CREATE_NORMAL))
        return false;
    dialog.RunModal();
    return dialog.accepted();
}

void TimerCreateDialog::OnCreated() {
    name_.Create(hwnd(), kNameId, Layout(kNameLayout));
    SendMessageA(name_.hwnd(), EM_LIMITTEXT, kMaxTypedNameLength, 0);
    const LayoutRecord spin = Layout(kSecondsLayout);
    seconds_.Create(hwnd(), kSecondsId, spin.left, spin.top);
    seconds_.SetRange(kMinTimerSeconds, kMaxTimerSeconds);
    seconds_.SetValue(kNewTimerSeconds);
    AddOkCancel(kOkLayout, kCancelLayout, kCloseLayout);
    SetFocus(name_.hwnd());
}

bool TimerCreateDialog::Accept() {
    if (CreateTimer(timers_, name_.Text(), seconds_.value())) return true;
    SetFocus(name_.hwnd());
    return false;
}

}  // namespace tesh::option
