// The spin edit: a numeric BitmapEdit with centred white-on-black text and two skin
// buttons, up and down. Each change of the value that the user makes posts 1114
// (value, id) to the owner. The DPI variant shows and takes values above 2000 only
// as the two fixed steps of the mouse.
#pragma once

#include <windows.h>

#include "skin/spin_value.h"
#include "skin/win/bitmap_edit.h"
#include "skin/win/control_window.h"
#include "skin/win/skin_button.h"

namespace tesh::skin {

class SpinEdit : public ControlWindow {
  public:
    // The spin edit with its top-left corner at (x, y); it skins its arrows from the
    // program's spin pictures.
    bool Create(HWND owner, int id, int x, int y);

    void SetRange(int minimum, int maximum, int step = 1);
    void SetValue(int value);
    int value() const { return spin_.value; }
    void SetDpi(bool dpi) { spin_.dpi = dpi; }
    // Typed text is taken only on Enter or when the field loses the focus, and is
    // never rewritten while the user types.
    void SetCommitTyping(bool commit) { commitTyping_ = commit; }
    BitmapEdit& edit() { return edit_; }
    SkinButton& up() { return up_; }
    SkinButton& down() { return down_; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Show();
    void Change(int value);
    void OnTyped(bool enter);

    SpinState spin_;
    bool commitTyping_ = false;
    HWND owner_ = nullptr;
    BitmapEdit edit_;
    SkinButton up_;
    SkinButton down_;
};

// The spin edit of the DPI levels.
class DpiSpinEdit : public SpinEdit {
  public:
    DpiSpinEdit() { SetDpi(true); }
};

}  // namespace tesh::skin
