// Tilt scrolling: each tilt step scrolls the window under the pointer by the means its
// program understands, found by the target search.
#pragma once

#include "monitor/events/event_ports.h"
#include "monitor/events/tilt_ports.h"

namespace tesh::monitor {

// Window messages of the scrolling.
constexpr uint32_t kHScrollMessage = 0x0114;  // WM_HSCROLL
constexpr uintptr_t kLineLeft = 0;            // SB_LINELEFT
constexpr uintptr_t kLineRight = 1;           // SB_LINERIGHT
// A profile's TiltSpeed can hold any number; more steps than this per tilt are never
// sent, so that a wild value cannot flood a program or hold the pointer.
constexpr int kMaxTiltSteps = 100;
// The arrow keys: virtual keys and scan codes (extended keys).
constexpr int kVkLeftArrow = 0x25;
constexpr int kVkRightArrow = 0x27;
constexpr int kLeftArrowScan = 0x4B;
constexpr int kRightArrowScan = 0x4D;

// The step count as it is sent: 0..kMaxTiltSteps.
int BoundedTiltSteps(int steps);

class TiltScroller : public TiltScrolling {
  public:
    TiltScroller(WindowTree& tree, ScrollInput& input) : tree_(tree), input_(input) {}

    void Scroll(bool left, int steps) override;

  private:
    void Click(WindowHandle target, bool left, int steps);

    WindowTree& tree_;
    ScrollInput& input_;
};

}  // namespace tesh::monitor
