#include "option/win/shortcut_dialog.h"

#include "art/art_ids.h"
#include "settings/win/windows_keyboard_layout.h"
#include "skin/layout_record.h"
#include "skin/win/layout_rect.h"

namespace tesh::option {
namespace {

constexpr int kKeyId = 10;
constexpr int kFirstFlagId = 11;
constexpr int kOkId = 30;
constexpr int kCancelId = 31;
constexpr int kCloseId = 32;

}  // namespace

const char* const ShortcutDialog::kKeyLayout = "EDIT_MACRO_SET_NAME,295,102,77,18,";
const char* const ShortcutDialog::kFlagLayouts[kShortcutFlags] = {
    "None,20,102,55,18,", "Shift,80,102,50,18,", "Ctrl,134,102,46,18,", "Alt,234,102,36,18,",
    "Win,183,102,46,18,"};
const char* const ShortcutDialog::kOkLayout = "BUTTON_OK,14,162,60,30,";
const char* const ShortcutDialog::kCancelLayout = "BUTTON_CANCEL,78,162,100,30,";
const char* const ShortcutDialog::kCloseLayout = "BUTTON_EXIT,430,4,25,22,";

std::optional<ShortcutChoice> ShortcutDialog::Run(HWND owner, ShortcutChoice start) {
    ShortcutDialog dialog(start);
    if (!dialog.CreateDialogWindow(kClassName, kTitle, owner, IDB_SHORTCUT_DIALOG_NORMAL))
        return std::nullopt;
    dialog.RunModal();
    return dialog.chosen_;
}

void ShortcutDialog::OnCreated() {
    const skin::SkinSources pictures = sources();
    key_.Create(hwnd(), kKeyId, skin::LayoutRect(kKeyLayout), ES_READONLY | ES_CENTER);
    for (int f = 0; f < kShortcutFlags; ++f) {
        flags_[f].Create(hwnd(), kFirstFlagId + f, Layout(kFlagLayouts[f]));
        flags_[f].SetSkin(skin::LayoutRect(kFlagLayouts[f]), pictures);
    }
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
    ShowFlags();
    ShowKey();
    capture_ = std::make_unique<KeyboardCapture>(hwnd());
}

void ShortcutDialog::ShowFlags() {
    for (int f = 0; f < kShortcutFlags; ++f) {
        flags_[f].SetChecked(edit_.flag(f));
        flags_[f].Enable(edit_.FlagEnabled(f));
    }
}

void ShortcutDialog::ShowKey() {
    key_.SetText(edit_.KeyName(WindowsKeyboardLayout()));
}

void ShortcutDialog::Finish(bool ok) {
    if (ok) {
        chosen_ = edit_.Result();
        if (!chosen_) return;  // no key yet
    }
    capture_.reset();
    SetResult(ok ? IDOK : IDCANCEL);
    Close();
}

LRESULT ShortcutDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kKeyCaptureMessage) {
        KeyboardCapture::TakeKeyStamp();
        if (edit_.OnKey(static_cast<int>(wParam), WindowsKeyboardLayout())) ShowKey();
        return 0;
    }
    if (message == WM_DESTROY) capture_.reset();
    if (message != WM_COMMAND) return SkinnedDialog::OnMessage(message, wParam, lParam);
    const int id = LOWORD(wParam);
    if (id == kOkId) {
        Finish(true);
    } else if (id == kCancelId || id == kCloseId) {
        Finish(false);
    } else if (id >= kFirstFlagId && id < kFirstFlagId + kShortcutFlags) {
        const int f = id - kFirstFlagId;
        edit_.SetFlag(f, flags_[f].checked());
        ShowFlags();
    }
    return 0;
}

}  // namespace tesh::option
