#include "option/win/set_name_dialog.h"

#include "art/art_ids.h"
#include "settings/library_names.h"
#include "skin/layout_record.h"
#include "skin/win/layout_rect.h"

namespace tesh::option {
namespace {

constexpr int kNameId = 10;
constexpr int kOkId = 30;
constexpr int kCancelId = 31;
constexpr int kCloseId = 32;

}  // namespace

const char* const SetNameDialog::kNameLayout = "EDIT_MACRO_SET_NAME,58,100,186,18,";
const char* const SetNameDialog::kOkLayout = "BUTTON_OK,58,146,60,26,";
const char* const SetNameDialog::kCancelLayout = "BUTTON_CANCEL,124,146,100,26,";
const char* const SetNameDialog::kCloseLayout = "BUTTON_EXIT,276,4,22,22,";

std::optional<std::string> SetNameDialog::Run(HWND owner) {
    SetNameDialog dialog;
    if (!dialog.CreateDialogWindow(kClassName, kTitle, owner, IDB_MACRO_SET_NAME_NORMAL))
        return std::nullopt;
    dialog.RunModal();
    return dialog.chosen_;
}

void SetNameDialog::OnCreated() {
    const skin::SkinSources pictures = sources();
    name_.Create(hwnd(), kNameId, Layout(kNameLayout));
    SendMessageA(name_.hwnd(), EM_LIMITTEXT, kMaxTypedNameLength, 0);
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

void SetNameDialog::Finish(bool ok) {
    if (ok) {
        const std::string name(TrimName(name_.Text()));
        if (name.empty()) return;
        chosen_ = name;
    }
    SetResult(ok ? IDOK : IDCANCEL);
    Close();
}

bool SetNameDialog::OnKey(WPARAM key) {
    if (key == VK_ESCAPE || key == VK_RETURN) {
        Finish(key == VK_RETURN);
        return true;
    }
    return false;
}

LRESULT SetNameDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
