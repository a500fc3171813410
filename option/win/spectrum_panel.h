// The colour spectrum of the custom colour: a panel that opens over the page beside
// the picker. Pressing the button in it and moving picks colours as the pointer goes,
// each told to the owner with message 1119; releasing the button, a click outside or
// losing the mouse closes it.
#pragma once

#include <windows.h>

#include "skin/win/control_window.h"
#include "skin/win/skin_bitmap.h"

namespace tesh::option {

class SpectrumPanel : public skin::ControlWindow {
  public:
    static constexpr int kWidth = 176;
    static constexpr int kHeight = 112;
    // Opens the panel as a child of `owner` (the page) with its top-left corner at
    // `origin` (page coordinates); picks go to `owner` with `pickerId` as lParam.
    bool Open(HWND owner, POINT origin, int pickerId);
    void Close();
    bool open() const { return hwnd() != nullptr; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Pick(LPARAM point);
    void Paint();

    HWND owner_ = nullptr;
    int pickerId_ = 0;
    bool picking_ = false;
    bool closing_ = false;
    skin::OwnedBitmap spectrum_;
};

}  // namespace tesh::option
