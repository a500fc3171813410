#include "option/win/set_name_dialog.h"

#include "art/art_ids.h"
#include "settings/library_names.h"
#include "skin/layout_record.h"

namespace tesh::option {
namespace {

constexpr int kNameId = 10;

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
    name_.Create(hwnd(), kNameId, Layout(kNameLayout));
    SendMessageA(name_.hwnd(), EM_LIMITTEXT, kMaxTypedNameLength, 0);
    AddOkCancel(kOkLayout, kCancelLayout, kCloseLayout);
    SetFocus(name_.hwnd());
}

bool SetNameDialog::Accept() {
    const std::string name(TrimName(name_.Text()));
    if (name.empty()) return false;
    chosen_ = name;
    return true;
}

}  // namespace tesh::option
