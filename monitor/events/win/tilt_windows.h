// The tilt scrolling on Windows: the window tree read with the window functions, and
// the messages posted and clicks injected that scroll.
#pragma once

#include "monitor/events/tilt_ports.h"

namespace tesh::monitor {

class SystemWindowTree : public WindowTree {
  public:
    ScreenPoint Pointer() override;
    WindowHandle WindowAt(ScreenPoint point) override;
    WindowHandle ChildAt(WindowHandle window, ScreenPoint point) override;
    WindowHandle Desktop() override;
    std::string ClassName(WindowHandle window) override;
    uint32_t Style(WindowHandle window) override;
    ScreenRect Rect(WindowHandle window) override;
    WindowHandle Parent(WindowHandle window) override;
    WindowHandle FirstChild(WindowHandle window) override;
    WindowHandle NextSibling(WindowHandle window) override;
    WindowHandle PreviousSibling(WindowHandle window) override;
    std::vector<WindowHandle> Descendants(WindowHandle window) override;
};

class SystemScrollInput : public ScrollInput {
  public:
    // `own` is the monitor's window.
    explicit SystemScrollInput(WindowHandle own) : own_(own) {}

    void Post(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    void MovePointer(ScreenPoint point) override;
    void Click(ScreenPoint point, bool rightButton) override;
    bool ButtonsSwapped() override;
    WindowHandle Own() override { return own_; }

  private:
    WindowHandle own_;
};

}  // namespace tesh::monitor
