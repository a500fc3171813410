#include "option/win/program_dialog.h"

#include "art/art_ids.h"
#include "option/button_commands.h"
#include "option/win/file_dialogs.h"
#include "skin/layout_record.h"

namespace tesh::option {
namespace {

constexpr int kPathId = 10;
constexpr int kBrowseId = 20;

}  // namespace

const char* const ProgramDialog::kPathLayout = "Gaming path to executeable,27,88,227,15,";
const char* const ProgramDialog::kBrowseLayout = "browser1,256,86,24,20,";
const char* const ProgramDialog::kOkLayout = "BUTTON_OK,72,200,56,24,";
const char* const ProgramDialog::kCancelLayout = "BUTTON_CANCEL,136,200,100,24,";
const char* const ProgramDialog::kCloseLayout = "BUTTON_EXIT,274,3,26,22,";

std::optional<std::string> ProgramDialog::Run(HWND owner, const std::string& start) {
    ProgramDialog dialog(start);
    if (!dialog.CreateDialogWindow(kClassName, kTitle, owner, IDB_PROGRAM_DIALOG_NORMAL))
        return std::nullopt;
    dialog.RunModal();
    return dialog.chosen_;
}

void ProgramDialog::OnCreated() {
    path_.Create(hwnd(), kPathId, Layout(kPathLayout));
    path_.SetText(start_);
    AddButton(browse_, kBrowseId, kBrowseLayout);
    AddOkCancel(kOkLayout, kCancelLayout, kCloseLayout);
    SetFocus(path_.hwnd());
}

bool ProgramDialog::Accept() {
    std::string path = path_.Text();
    if (!ProgramPathFits(path)) {
        // Too long for the button: the user shortens it or cancels.
        SetFocus(path_.hwnd());
        SendMessageA(path_.hwnd(), EM_SETSEL, 0, -1);
        return false;
    }
    chosen_ = std::move(path);
    return true;
}

void ProgramDialog::OnCommand(int id, int) {
    if (id != kBrowseId) return;
    if (std::optional<std::string> path = AskProgram(hwnd())) path_.SetText(*path);
}

}  // namespace tesh::option
