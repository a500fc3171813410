// CPHSlider: the thumb of a CclickHSlider, a child window of its picture's size that
// the user drags along the track. Moves post 1094 (value, id) to the owner with the
// truncated value; the release posts the final value, rounded in snap mode, and in
// snap mode the thumb settles on that value's place.
#pragma once

#include <windows.h>

#include "skin/slider_math.h"
#include "skin/win/control_window.h"
#include "skin/win/skin_bitmap.h"

namespace tesh::skin {

class CclickHSlider;

class CPHSlider : public ControlWindow {
  public:
    // The thumb on `slider`'s track; `picture` is the thumb's picture (kept).
    bool Create(CclickHSlider& slider, OwnedBitmap picture);
    // Cuts the corner colour out of the thumb's shape.
    void ShapeFromBitmap();
    int Width() const { return size_.cx; }
    // Moves the thumb to the place of a value.
    void MoveTo(int value);
    bool dragging() const { return dragging_; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    int Left() const;
    void MoveLeft(int left);
    int PointerX() const;

    CclickHSlider* slider_ = nullptr;
    OwnedBitmap picture_;
    SIZE size_ = {0, 0};
    bool dragging_ = false;
    int grab_ = 0;
};

}  // namespace tesh::skin
