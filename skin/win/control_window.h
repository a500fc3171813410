// A child window whose messages go to a C++ object: each control derives from it,
// names its window class and handles the messages it cares about.
#pragma once

#include <windows.h>

namespace tesh::skin {

class ControlWindow {
  public:
    ControlWindow() = default;
    ControlWindow(const ControlWindow&) = delete;
    ControlWindow& operator=(const ControlWindow&) = delete;
    virtual ~ControlWindow();

    HWND hwnd() const { return hwnd_; }
    int id() const { return id_; }

  protected:
    // Creates the window of class `className` (registered on first use) as a child of
    // `parent` at `rect`.
    bool CreateControl(const char* className, HWND parent, int id, const RECT& rect,
                       DWORD style = 0, DWORD exStyle = 0);
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcA(hwnd_, message, wParam, lParam);
    }
    // Called once the window is gone; the object may no longer touch it.
    virtual void OnDestroyed() {}

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
    int id_ = 0;
};

// The program's module, whose resources hold the skin.
HINSTANCE SkinModule();

}  // namespace tesh::skin
