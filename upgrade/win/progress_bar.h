// The upgrade window's progress bar: a plain bar in two colours that answers the
// progress bar messages it needs (PBM_SETRANGE32, PBM_SETPOS, PBM_GETPOS, PBM_SETSTEP,
// PBM_STEPIT, PBM_SETBARCOLOR, PBM_SETBKCOLOR), drawn by itself so that no visual theme
// replaces its colours.
#pragma once

#include <windows.h>

#include "skin/win/control_window.h"

namespace tesh::upgrade {

class ProgressBar : public skin::ControlWindow {
  public:
    bool Create(HWND parent, int id, const RECT& rect);

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Paint(HDC dc);
    LRESULT SetPosition(int position);

    int low_ = 0;
    int high_ = 100;
    int position_ = 0;
    int step_ = 10;
    COLORREF bar_ = RGB(0, 0, 128);
    COLORREF background_ = RGB(192, 192, 192);
};

}  // namespace tesh::upgrade
