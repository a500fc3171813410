// The skinned vertical scroll bar of the owner-drawn lists: arrows, track and thumb
// drawn from the program's scroll pictures (stretched to the bar's width), the thumb's
// length in proportion to the page. It tells its parent as a system scroll bar does,
// with WM_VSCROLL and itself as lParam.
#pragma once

#include <windows.h>

#include "skin/scroll_math.h"
#include "skin/win/control_window.h"
#include "skin/win/skin_bitmap.h"

namespace tesh::skin {

class SkinScrollBar : public ControlWindow {
  public:
    bool Create(HWND parent, int id, const RECT& rect);
    void SetState(const ScrollState& state);
    const ScrollState& state() const { return state_; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    int ArrowLength() const;
    RECT TrackRect() const;
    RECT ThumbRect() const;
    void Paint(HDC dc);
    void Scroll(int code, int position = 0);
    void OnButtonDown(POINT p);

    OwnedBitmap parts_;
    ScrollState state_;
    bool dragging_ = false;
    int grab_ = 0;
};

}  // namespace tesh::skin
