// The pointer and wheel settings through SystemParametersInfoA, each change told to
// the windows as the system expects it.
#pragma once

#include <windows.h>

#include "monitor/pointer_settings.h"

namespace tesh::monitor {

class WindowsPointerSystem : public PointerSystem {
  public:
    // `window`: the monitor window, which hears of the pointer changes itself.
    void SetWindow(HWND window) { window_ = window; }
    void SetDoubleClickTime(int milliseconds) override;
    void SetMouse(int threshold1, int threshold2, int speed) override;
    void SetMouseSpeed(int speed) override;
    void SetWheelScrollLines(int lines) override;
    void SetWheelScrollChars(int characters) override;
    void SetMouseTrails(int trails) override;

  private:
    HWND window_ = nullptr;
};

}  // namespace tesh::monitor
