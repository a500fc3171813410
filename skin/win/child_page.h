// One page of a skinned window (the main window's Main, Button Assign, Advanced...
// pages): a child window painted from its own picture, whose four state images
// (ids firstPicture .. firstPicture + 3: normal, hover, pressed, disabled, each the
// page's size) its controls cut their looks from. The controls are the page's
// children, so their notifications (WM_COMMAND, 1094, 1114, 1116, 1124) come to the
// page; a page gives them to its owner as it sees fit.
#pragma once

#include <windows.h>

#include "skin/win/control_window.h"
#include "skin/win/skin_bitmap.h"

namespace tesh::skin {

class ChildPage : public ControlWindow {
  public:
    // Creates the page, shown, as child `id` of `parent` at `rectInParent`, with its
    // pictures from `firstPicture` on. False when the window or its normal picture
    // could not be made.
    bool CreatePage(const char* className, HWND parent, int id, const RECT& rectInParent,
                    int firstPicture);
    // The four pictures, for the page's controls to cut their images from.
    SkinSources sources() const;
    // A page shown lies over its siblings (children are created below the older ones).
    void Show(bool show);
    bool visible() const { return hwnd() && IsWindowVisible(hwnd()); }

  protected:
    // Messages the derived page does not handle go to ChildPage::OnMessage, which paints
    // the page and passes the rest to the default procedure.
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Drawn over the page's picture (off screen, then copied): values, texts.
    virtual void PaintOver(HDC) {}

  private:
    void Paint();

    OwnedBitmap pictures_[4];
};

}  // namespace tesh::skin
