// The hidden window that owns a SkinMenu while it is shown: the menu sends it the
// measuring and drawing of its owner-drawn items, and the typed letters.
#pragma once

#include <windows.h>

namespace tesh::skin {

class MenuOwnerWindow {
  public:
    // Hidden, owned by the top-level window of `owner` (which may be null).
    explicit MenuOwnerWindow(HWND owner);
    ~MenuOwnerWindow();
    MenuOwnerWindow(const MenuOwnerWindow&) = delete;
    MenuOwnerWindow& operator=(const MenuOwnerWindow&) = delete;

    HWND hwnd() const { return hwnd_; }

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

}  // namespace tesh::skin
