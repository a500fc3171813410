// The desktop's top-level windows on Windows: found by class and title, brought to
// the front, posted to.
#pragma once

#include "monitor/events/event_ports.h"

namespace tesh::monitor {

class SystemDesktop : public DesktopWindows {
  public:
    // `own` is the monitor's window.
    explicit SystemDesktop(WindowHandle own = 0) : own_(own) {}
    void SetOwn(WindowHandle own) { own_ = own; }

    WindowHandle Find(std::string_view className, std::string_view title) override;
    WindowHandle FindContaining(std::string_view className, std::string_view titlePart) override;
    void BringToForeground(WindowHandle window, bool attachInput) override;
    void Post(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    WindowHandle Own() override { return own_; }

  private:
    WindowHandle own_;
};

}  // namespace tesh::monitor
