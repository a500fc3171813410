// The key shortcut dialog: while it is open a keyboard hook takes every keystroke
// anywhere, and the last key pressed or released becomes the shortcut's key; five
// check buttons give its modifiers. OK without a key does nothing; Enter and Escape
// are keys like any other here.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "option/shortcut_edit.h"
#include "option/win/keyboard_capture.h"
#include "skin/win/bitmap_edit.h"
#include "skin/win/check_box.h"
#include "skin/win/ok_cancel_dialog.h"

namespace tesh::option {

class ShortcutDialog : public skin::OkCancelDialog {
  public:
    // The key and modifiers confirmed with OK, or nullopt.
    static std::optional<ShortcutChoice> Run(HWND owner, ShortcutChoice start);

    static constexpr char kClassName[] = "TeshShortcutDialog";
    static constexpr char kTitle[] = "Selk Key Shortcut Dialog";
    static const char* const kKeyLayout;
    // None, Shift, Ctrl, Alt, Win.
    static const char* const kFlagLayouts[kShortcutFlags];
    static const char* const kOkLayout;
    static const char* const kCancelLayout;
    static const char* const kCloseLayout;

  protected:
    void OnCreated() override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // OK without a key does nothing.
    bool Accept() override;
    void OnCommand(int id, int code) override;

  private:
    explicit ShortcutDialog(ShortcutChoice start) : edit_(start) {}
    void ShowFlags();
    void ShowKey();

    ShortcutEdit edit_;
    std::optional<ShortcutChoice> chosen_;
    std::unique_ptr<KeyboardCapture> capture_;
    skin::BitmapEdit key_;
    skin::SkinCheckBox flags_[kShortcutFlags];
};

}  // namespace tesh::option
