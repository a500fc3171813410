#include "option/win/shortcut_dialog.h"

#include "art/art_ids.h"
#include "settings/win/windows_keyboard_layout.h"
#include "skin/win/layout_rect.h"

namespace tesh::option {
namespace {

constexpr int kKeyId = 10;
constexpr int kFirstFlagId = 11;

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
    key_.Create(hwnd(), kKeyId, skin::LayoutRect(kKeyLayout), ES_READONLY | ES_CENTER);
    for (int f = 0; f < kShortcutFlags; ++f) {
        AddButton(flags_[f], kFirstFlagId + f, kFlagLayouts[f]);
    }
    AddOkCancel(kOkLayout, kCancelLayout, kCloseLayout);
    // Enter and Escape are keys for the shortcut like any other.
    KeepKeys();
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

bool ShortcutDialog::Accept() {
    chosen_ = edit_.Result();
    if (!chosen_) return false;
    capture_.reset();
    return true;
}

void ShortcutDialog::OnCommand(int id, int) {
    if (id < kFirstFlagId || id >= kFirstFlagId + kShortcutFlags) return;
    const int f = id - kFirstFlagId;
    edit_.SetFlag(f, flags_[f].checked());
    ShowFlags();
}

LRESULT ShortcutDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kKeyCaptureMessage) {
        KeyboardCapture::TakeKeyStamp();
        if (edit_.OnKey(static_cast<int>(wParam), WindowsKeyboardLayout())) ShowKey();
        return 0;
    }
    if (message == WM_DESTROY) capture_.reset();
    return OkCancelDialog::OnMessage(message, wParam, lParam);
}

}  // namespace tesh::option
