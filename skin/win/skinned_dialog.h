// A borderless top-level window skinned by its picture: sized and shaped by it (the
// white cut away), painted from it, dragged by a left-button press anywhere on it
// unless the derived window says otherwise, and run modally over its owner. The
// configuration application's main window and dialogs and the upgrader's windows
// derive from it and handle their messages.
#pragma once

#include <windows.h>

#include <string>

#include "skin/win/skin_bitmap.h"
#include "skin/win/skin_button.h"

namespace tesh::skin {

class SkinnedDialog {
  public:
    SkinnedDialog() = default;
    virtual ~SkinnedDialog();
    SkinnedDialog(const SkinnedDialog&) = delete;
    SkinnedDialog& operator=(const SkinnedDialog&) = delete;

    HWND hwnd() const { return hwnd_; }
    // Shows the window and runs the messages of the thread until the window is gone;
    // the owner takes no input meanwhile. A WM_QUIT met on the way ends the loop and is
    // posted again for the loop outside.
    void RunModal();

    // The window's text in any script (the task bar shows it); the window itself draws
    // what it shows.
    void SetTitle(const std::wstring& title);

    // How the window was closed (0 until a derived window says), for RunModal's caller.
    void SetResult(int result) { result_ = result; }
    int result() const { return result_; }

  protected:
    // Creates the hidden window of class `className` over `owner` (may be null; a child
    // stands for its top-level window), with the four pictures from `firstPicture` on
    // (normal, hover, pressed, disabled), sized and shaped by the normal one, centred
    // over the owner (over the screen without one), then calls OnCreated. `extraStyle`
    // adds window styles such as WS_MINIMIZEBOX. A window without an owner shows in the
    // task bar.
    bool CreateDialogWindow(const char* className, const char* title, HWND owner, int firstPicture,
                            DWORD extraStyle = 0);
    // The window exists, shaped and placed but not yet shown: create the controls here.
    virtual void OnCreated() {}
    // Messages the derived window does not handle go to SkinnedDialog::OnMessage.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // A key pressed on the window or one of its controls: true when it was handled.
    virtual bool OnKey(WPARAM) { return false; }
    // Drawn over the background picture (off screen, then copied).
    virtual void PaintOver(HDC) {}
    // Whether a left-button press at this client point drags the window.
    virtual bool DragsAt(POINT) { return true; }
    // Gives the owner its input back, then destroys the window.
    void Close();
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcA(hwnd_, message, wParam, lParam);
    }
    // The four pictures, for the window's buttons to cut their images from.
    SkinSources sources() const;
    // A button of the window at its layout string's place, its looks cut from the
    // window's pictures.
    void AddButton(SkinButton& button, int id, const char* layout);

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void EnableOwner();
    void CentreOverOwner();

    HWND hwnd_ = nullptr;
    int result_ = 0;
    OwnedBitmap pictures_[4];
};

}  // namespace tesh::skin
