// The preview bar of the custom colour: a bar filled with the colour in a thin frame.
// It lets the pointer through to the picker it lies on, so a click on the bar opens
// the spectrum.
#pragma once

#include <windows.h>

#include "skin/win/control_window.h"

namespace tesh::option {

class ColourPreview : public skin::ControlWindow {
  public:
    bool Create(HWND parent, const RECT& rect);
    void SetColour(COLORREF colour);
    COLORREF colour() const { return colour_; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    COLORREF colour_ = RGB(0, 0, 0);
};

}  // namespace tesh::option
