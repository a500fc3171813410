// The double-click test field of the main page: it shows "wave\double_click.bmp"
// stretched to the field; a double click (as Windows recognises it with the time just
// set) plays "wave\double_click.avi" once in an animation control over the field and
// the sound "wave\double_click.wav".
#pragma once

#include <windows.h>

#include <string>

#include "skin/win/control_window.h"
#include "skin/win/skin_bitmap.h"

namespace tesh::option {

class DoubleClickTest : public skin::ControlWindow {
  public:
    bool Create(HWND page, const RECT& rect, const std::string& programDirectory);
    int doubleClicks() const { return doubleClicks_; }
    HWND animation() const { return animation_; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Play();

    std::string directory_;
    skin::OwnedBitmap picture_;
    HWND animation_ = nullptr;
    int doubleClicks_ = 0;
};

}  // namespace tesh::option
