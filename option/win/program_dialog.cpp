#include "option/win/program_dialog.h"

#include "art/art_ids.h"
#include "option/button_commands.h"
#include "option/win/file_dialogs.h"
#include "skin/layout_record.h"
#include "skin/win/layout_rect.h"

namespace tesh::option {
namespace {

constexpr int kPathId = 10;
constexpr int kBrowseId = 20;
constexpr int kOkId = 30;
constexpr int kCancelId = 31;
constexpr int kCloseId = 32;

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
    const skin::SkinSources pictures = sources();
    path_.Create(hwnd(), kPathId, Layout(kPathLayout));
    path_.SetText(start_);
    struct {
        skin::SkinButton& button;
        int id;
        const char* layout;
    } buttons[] = {{browse_, kBrowseId, kBrowseLayout},
                   {ok_, kOkId, kOkLayout},
                   {cancel_, kCancelId, kCancelLayout},
                   {close_, kCloseId, kCloseLayout}};
    for (auto& b : buttons) {
        b.button.Create(hwnd(), b.id, Layout(b.layout));
        b.button.SetSkin(skin::LayoutRect(b.layout), pictures);
    }
    SetFocus(path_.hwnd());
}

void ProgramDialog::Finish(bool ok) {
    if (ok) {
        std::string path = path_.Text();
        if (!ProgramPathFits(path)) {
            // Too long for the button: the user shortens it or cancels.
            SetFocus(path_.hwnd());
            SendMessageA(path_.hwnd(), EM_SETSEL, 0, -1);
            return;
        }
        chosen_ = std::move(path);
    }
    SetResult(ok ? IDOK : IDCANCEL);
    Close();
}

bool ProgramDialog::OnKey(WPARAM key) {
    if (key == VK_ESCAPE || key == VK_RETURN) {
        Finish(key == VK_RETURN);
        return true;
    }
    return false;
}

LRESULT ProgramDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COMMAND) return SkinnedDialog::OnMessage(message, wParam, lParam);
    const int id = LOWORD(wParam);
    if (id == kOkId) {
        Finish(true);
    } else if (id == kCancelId || id == kCloseId) {
        Finish(false);
    } else if (id == kBrowseId) {
        if (std::optional<std::string> path = AskProgram(hwnd())) path_.SetText(*path);
    }
    return 0;
}

}  // namespace tesh::option
