// One DPI level of the main page, 375 x 39: the activation bar, the switch, seven
// presets, the level slider and the spin edit with the level's DPI. Every change the
// user makes posts 1117 to the page (kind << 16 | value, the row's id); setting the
// row from the record posts nothing.
#pragma once

#include <windows.h>

#include <string>

#include "skin/win/check_box.h"
#include "skin/win/click_slider.h"
#include "skin/win/control_window.h"
#include "skin/win/skin_button.h"
#include "skin/win/spin_edit.h"

namespace tesh::option {

class DpiRow : public skin::ControlWindow {
  public:
    static constexpr int kPresets = 7;

    bool Create(HWND page, int id, const RECT& rect);
    // The row as the record has it: level 1..7, switched on, the active one.
    void SetState(int level, bool on, bool active);
    void SetHint(const std::string& hint);

    int level() const { return level_; }
    bool on() const { return on_; }
    bool active() const { return active_; }
    // The row's parts, in the row's coordinates, for tests and hints.
    static RECT PresetRect(int index);
    static RECT BarRect();
    static RECT SwitchRect();
    static RECT SliderRect();
    static POINT SpinPoint();
    skin::DpiSpinEdit& spin() { return spin_; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Paint();
    void UserLevel(int level);
    void Notify(int kind, int value);
    void EnableParts();

    HWND page_ = nullptr;
    int level_ = 1;
    bool on_ = true;
    bool active_ = false;
    skin::OwnedBitmap pictures_[4];
    skin::OwnedBitmap activePicture_;
    skin::SkinButton presets_[kPresets];
    skin::SkinButton bar_;
    skin::SkinCheckBox switch_;
    skin::CclickHSlider slider_;
    skin::DpiSpinEdit spin_;
};

}  // namespace tesh::option
