// A borderless top-level window of the upgrader: sized and shaped by its picture (the
// white cut away), painted from it, dragged by a left-button press anywhere on it, and
// run modally over its owner. Each window derives from it and handles its messages.
#pragma once

#include <windows.h>

#include "skin/win/skin_bitmap.h"

namespace tesh::upgrade {

class SkinnedPopup {
  public:
    SkinnedPopup() = default;
    virtual ~SkinnedPopup();
    SkinnedPopup(const SkinnedPopup&) = delete;
    SkinnedPopup& operator=(const SkinnedPopup&) = delete;

    HWND hwnd() const { return hwnd_; }
    // Shows the window and runs the messages of the thread until the window is gone;
    // the owner takes no input meanwhile.
    void RunModal();

  protected:
    // Creates the hidden window of class `className` over `owner` (may be null), with
    // the four pictures from `firstPicture` on (normal, hover, pressed, disabled), sized
    // and shaped by the normal one and centred on the screen.
    bool CreatePopup(const char* className, const char* title, HWND owner, int firstPicture);
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // A key pressed on the window or one of its controls: true when it was handled.
    virtual bool OnKey(WPARAM) { return false; }
    // Drawn over the background picture.
    virtual void PaintOver(HDC) {}
    // Gives the owner its input back, then destroys the window.
    void Close();
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcA(hwnd_, message, wParam, lParam);
    }
    // The four pictures, for the window's buttons to cut their images from.
    skin::SkinSources sources() const;

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void EnableOwner();

    HWND hwnd_ = nullptr;
    skin::OwnedBitmap pictures_[4];
};

}  // namespace tesh::upgrade
