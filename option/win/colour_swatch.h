// A colour swatch: a colour in a thin frame (a profile's colour on the slot bar, a
// palette colour on the lighting pages), framed white while selected; a click tells
// the parent as a button's does.
#pragma once

#include <windows.h>

#include "skin/win/skin_button.h"

namespace tesh::option {

class ColourSwatch : public skin::SkinButton {
  public:
    void SetColour(COLORREF colour);
    COLORREF colour() const { return colour_; }

  protected:
    void PaintOver(HDC dc, const RECT& client) override;

  private:
    COLORREF colour_ = RGB(0, 0, 0);
};

}  // namespace tesh::option
