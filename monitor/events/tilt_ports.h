// What the tilt scrolling asks of the platform: the window tree under the pointer, as
// the scrolling target search walks it, and the messages and clicks that scroll.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "monitor/events/event_ports.h"

namespace tesh::monitor {

struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

// A window's rectangle in screen coordinates.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Any window (children too); 0 is none, and every call on 0 answers 0 or empty.
class WindowTree {
  public:
    virtual ~WindowTree() = default;
    virtual ScreenPoint Pointer() = 0;
    // The window at a screen point (WindowFromPoint).
    virtual WindowHandle WindowAt(ScreenPoint point) = 0;
    // The direct child of `window` at the point, `window` itself when no child is
    // there, 0 when the point lies outside it.
    virtual WindowHandle ChildAt(WindowHandle window, ScreenPoint point) = 0;
    virtual WindowHandle Desktop() = 0;
    virtual std::string ClassName(WindowHandle window) = 0;
    virtual uint32_t Style(WindowHandle window) = 0;
    virtual ScreenRect Rect(WindowHandle window) = 0;
    // The parent of a child window; 0 for a top-level one.
    virtual WindowHandle Parent(WindowHandle window) = 0;
    virtual WindowHandle FirstChild(WindowHandle window) = 0;
    // The siblings next below and above in the Z order.
    virtual WindowHandle NextSibling(WindowHandle window) = 0;
    virtual WindowHandle PreviousSibling(WindowHandle window) = 0;
    // Every descendant, in the order the system enumerates them.
    virtual std::vector<WindowHandle> Descendants(WindowHandle window) = 0;
};

// Messages posted to other programs' windows, and clicks.
class ScrollInput {
  public:
    virtual ~ScrollInput() = default;
    virtual void Post(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
    virtual void MovePointer(ScreenPoint point) = 0;
    // The left button pressed and let go at a screen point, or the right one.
    virtual void Click(ScreenPoint point, bool rightButton) = 0;
    // The user has swapped the mouse buttons: the right one is the primary.
    virtual bool ButtonsSwapped() = 0;
    // The monitor's own window.
    virtual WindowHandle Own() = 0;
};

}  // namespace tesh::monitor
