#include "option/win/timer_create_dialog.h"

#include "art/art_ids.h"
#include "option/timer_edits.h"
#include "settings/library_names.h"
#include "skin/layout_record.h"
#include "skin/win/layout_rect.h"

namespace tesh::option {
namespace {

constexpr int kNameId = 10;
constexpr int kSecondsId = 11;
constexpr int kOkId = 30;
constexpr int kCancelId = 31;
constexpr int kCloseId = 32;

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
    return dialog.added_;
}

void TimerCreateDialog::OnCreated() {
    const skin::SkinSources pictures = sources();
    name_.Create(hwnd(), kNameId, Layout(kNameLayout));
    SendMessageA(name_.hwnd(), EM_LIMITTEXT, kMaxTypedNameLength, 0);
    const LayoutRecord spin = Layout(kSecondsLayout);
    seconds_.Create(hwnd(), kSecondsId, spin.left, spin.top);
    seconds_.SetRange(kMinTimerSeconds, kMaxTimerSeconds);
    seconds_.SetValue(kNewTimerSeconds);
    struct {
        skin::SkinButton& button;
        int id;
        const char* layout;
    } buttons[] = {{ok_, kOkId, kOkLayout},
                   {cancel_, kCancelId, kCancelLayout},
                   {close_, kCloseId, kCloseLayout}};
    for (auto& b : buttons) {
        b.button.Create(hwnd(), b.id, Layout(b.layout));
        b.button.SetSkin(skin::LayoutRect(b.layout), pictures);
    }
    SetFocus(name_.hwnd());
}

void TimerCreateDialog::Finish(bool ok) {
    if (ok) {
        // An empty name or one another timer has: the user changes it or cancels.
        if (!CreateTimer(timers_, name_.Text(), seconds_.value())) {
            SetFocus(name_.hwnd());
            return;
        }
        added_ = true;
    }
    SetResult(ok ? IDOK : IDCANCEL);
    Close();
}

bool TimerCreateDialog::OnKey(WPARAM key) {
    if (key == VK_ESCAPE || key == VK_RETURN) {
        Finish(key == VK_RETURN);
        return true;
    }
    return false;
}

LRESULT TimerCreateDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COMMAND) return SkinnedDialog::OnMessage(message, wParam, lParam);
    const int id = LOWORD(wParam);
    if (id == kOkId) {
        Finish(true);
    } else if (id == kCancelId || id == kCloseId) {
        Finish(false);
    }
    return 0;
}

}  // namespace tesh::option
