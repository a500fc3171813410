// A made-up window tree for the tilt scrolling: windows added top-level or as
// children (the first added is the topmost), the window at a point found as the
// system finds it, and the posts and clicks recorded as text.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "monitor/events/tilt_ports.h"

namespace tesh::monitor::test {

class FakeWindowTree : public WindowTree {
  public:
    static constexpr WindowHandle kDesktop = 1;

    // A window of this class at (left, top, right, bottom); parent 0 is top-level.
    WindowHandle Add(const std::string& name, const std::string& className, ScreenRect rect,
                     WindowHandle parent = 0, uint32_t style = 0);
    WindowHandle Named(const std::string& name) const;
    std::string NameOf(WindowHandle window) const;
    bool Has(WindowHandle window) const { return windows_.count(window) != 0; }

    ScreenPoint pointer{};

    ScreenPoint Pointer() override { return pointer; }
    WindowHandle WindowAt(ScreenPoint point) override;
    WindowHandle ChildAt(WindowHandle window, ScreenPoint point) override;
    WindowHandle Desktop() override { return kDesktop; }
    std::string ClassName(WindowHandle window) override;
    uint32_t Style(WindowHandle window) override;
    ScreenRect Rect(WindowHandle window) override;
    WindowHandle Parent(WindowHandle window) override;
    WindowHandle FirstChild(WindowHandle window) override;
    WindowHandle NextSibling(WindowHandle window) override;
    WindowHandle PreviousSibling(WindowHandle window) override;
    std::vector<WindowHandle> Descendants(WindowHandle window) override;

  private:
    struct Window {
        std::string name;
        std::string className;
        ScreenRect rect;
        WindowHandle parent;
        uint32_t style;
    };
    const std::vector<WindowHandle>& Children(WindowHandle parent) const;
    WindowHandle Sibling(WindowHandle window, int step) const;

    std::map<WindowHandle, Window> windows_;
    std::map<WindowHandle, std::vector<WindowHandle>> children_;  // 0: the top level
};

// What the scrolling did, one line each: "post NAME MESSAGE WPARAM LPARAM",
// "move X Y", "click X Y left|right"; handles as the tree's names.
class RecordingScrollInput : public ScrollInput {
  public:
    explicit RecordingScrollInput(FakeWindowTree& tree) : tree_(tree) {}

    void Post(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    void MovePointer(ScreenPoint point) override;
    void Click(ScreenPoint point, bool rightButton) override;
    bool ButtonsSwapped() override { return swapped; }
    WindowHandle Own() override { return kOwn; }

    static constexpr WindowHandle kOwn = 2;
    bool swapped = false;
    std::vector<std::string> actions;

  private:
    FakeWindowTree& tree_;
};

}  // namespace tesh::monitor::test
