#include "monitor/events/tilt_scroller.h"

#include <algorithm>

#include "monitor/events/media_players.h"
#include "monitor/events/tilt_target.h"
#include "monitor/program_names.h"

namespace tesh::monitor {

namespace {

// The click lands this far inside the scroll bar's corner, on its arrow.
constexpr int kArrowInset = 5;

}  // namespace

int BoundedTiltSteps(int steps) {
    return std::clamp(steps, 0, kMaxTiltSteps);
}

void TiltScroller::Scroll(bool left, int steps) {
    const TiltTarget found = FindTiltTarget(tree_);
    if (found.rejected) return;
    const int k = BoundedTiltSteps(steps);
    const uintptr_t line = left ? kLineLeft : kLineRight;
    if (found.target && found.kind == kClickKind) return Click(found.target, left, k);
    if (found.target && found.kind != 0) {
        const WindowHandle parent = tree_.Parent(found.target);
        for (int i = 0; i < k && parent; ++i) {
            input_.Post(parent, kHScrollMessage, line, static_cast<intptr_t>(found.target));
        }
        return;
    }
    if (found.target && found.arrowKeys) {
        const int scan = left ? kLeftArrowScan : kRightArrowScan;
        const uintptr_t key = left ? kVkLeftArrow : kVkRightArrow;
        for (int i = 0; i < k; ++i) {
            input_.Post(found.target, kKeyDownMessage, key, KeyMessageParam(scan, true, false));
            input_.Post(found.target, kKeyUpMessage, key, KeyMessageParam(scan, true, true));
        }
        return;
    }
    if (found.browser) {
        // The browser's document is asked for with a sent message: that is done later,
        // for a message of the monitor's own window.
        input_.Post(input_.Own(), kBrowserScrollMessage, static_cast<uintptr_t>(k), left ? 1 : 0);
        return;
    }
    // A program of no known kind, or a known one with no scroll bar found: posted both
    // ways, as a message sent to a program that hangs would hang the monitor.
    for (int i = 0; i < k; ++i) input_.Post(found.under, kHScrollMessage, line, 0);
}

// Clicks on the scroll bar's arrow, with the pointer put back where it was.
void TiltScroller::Click(WindowHandle target, bool left, int steps) {
    if (steps <= 0) return;
    const ScreenRect r = tree_.Rect(target);
    const ScreenPoint arrow{left ? r.left + kArrowInset : r.right - kArrowInset,
                            r.top + kArrowInset};
    const ScreenPoint before = tree_.Pointer();
    const bool right = input_.ButtonsSwapped();
    input_.MovePointer(arrow);
    for (int i = 0; i < steps; ++i) input_.Click(arrow, right);
    input_.MovePointer(before);
}

}  // namespace tesh::monitor
