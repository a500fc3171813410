#include "skin/win/ok_cancel_dialog.h"

namespace tesh::skin {

void OkCancelDialog::AddOkCancel(const char* ok, const char* cancel, const char* close) {
    AddButton(ok_, kOkId, ok);
    AddButton(cancel_, kCancelId, cancel);
    AddButton(close_, kCloseId, close);
}

void OkCancelDialog::Finish(bool ok) {
    if (ok && !Accept()) return;
    accepted_ = ok;
    SetResult(ok ? IDOK : IDCANCEL);
    Close();
}

bool OkCancelDialog::OnKey(WPARAM key) {
    if (!keysClose_ || (key != VK_ESCAPE && key != VK_RETURN)) return false;
    Finish(key == VK_RETURN);
    return true;
}

LRESULT OkCancelDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COMMAND) return SkinnedDialog::OnMessage(message, wParam, lParam);
    const int id = LOWORD(wParam);
    if (id == kOkId) {
        Finish(true);
    } else if (id == kCancelId || id == kCloseId) {
        Finish(false);
    } else {
        OnCommand(id, HIWORD(wParam));
    }
    return 0;
}

}  // namespace tesh::skin
