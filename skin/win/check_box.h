// A skinned check box: a SkinButton in toggle mode whose selected flag is the check
// state. A click flips it and sends WM_COMMAND (id, BN_CLICKED) to the parent, as every
// toggle does. The picture gives the box and its label in the four states (the pressed
// image is the checked look); the box draws a tick over the mark square when checked.
#pragma once

#include <windows.h>

#include "skin/win/skin_button.h"

namespace tesh::skin {

class SkinCheckBox : public SkinButton {
  public:
    SkinCheckBox() { SetToggleMode(true); }

    void SetChecked(bool checked) { SetSelected(checked); }
    bool checked() const { return selected(); }
    // Where the tick goes, in the control's coordinates. By default the square at the
    // control's left edge, as high as the control (at most kMarkSide), centred
    // vertically; an empty rectangle when the picture draws the tick itself.
    void SetMarkRect(const RECT& mark);

    static constexpr int kMarkSide = 16;

  protected:
    void PaintOver(HDC dc, const RECT& client) override;

  private:
    RECT MarkRect(const RECT& client) const;

    RECT mark_ = {};
    bool markSet_ = false;
};

}  // namespace tesh::skin
