// CclickHSlider: a horizontal slider drawn from a track picture, with a CPHSlider
// thumb. A click on the track moves the thumb there and posts 1094 (value, id) to the
// owner. The range is 0..10 unless set; snap mode rounds to the nearest value.
#pragma once

#include <windows.h>

#include <string>

#include "skin/slider_math.h"
#include "skin/win/control_window.h"
#include "skin/win/skin_bitmap.h"
#include "skin/win/slider_thumb.h"

namespace tesh::skin {

class CclickHSlider : public ControlWindow {
  public:
    bool Create(int trackBitmapId, int thumbBitmapId, const RECT& rect, HWND owner, int id);

    void SetRange(int minimum, int maximum);
    void SetSnap(bool snap) { range_.snap = snap; }
    // Clamps, moves the thumb and redraws.
    void SetPos(int value);
    int pos() const { return value_; }
    void SetHint(const std::string& hint) { hint_ = hint; }

    const SliderRange& range() const { return range_; }
    SliderTrack Track() const;
    CPHSlider& thumb() { return thumb_; }
    // The thumb reports a value the user chose.
    void UserChanged(int value);

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    SliderRange range_;
    int value_ = 0;
    HWND owner_ = nullptr;
    OwnedBitmap track_;
    CPHSlider thumb_;
    std::string hint_;
    bool tracking_ = false;
};

}  // namespace tesh::skin
