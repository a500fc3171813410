#include "tests/monitor/events/window_tree_fake.h"

#include <cstdio>

namespace tesh::monitor::test {

namespace {

bool Contains(const ScreenRect& r, ScreenPoint p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

std::string Hex(uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(value));
    return text;
}

}  // namespace

WindowHandle FakeWindowTree::Add(const std::string& name, const std::string& className,
                                 ScreenRect rect, WindowHandle parent, uint32_t style) {
    const WindowHandle handle = 10 + windows_.size();
    windows_[handle] = {name, className, rect, parent, style};
    children_[parent].push_back(handle);
    return handle;
}

WindowHandle FakeWindowTree::Named(const std::string& name) const {
    for (const auto& [handle, window] : windows_) {
        if (window.name == name) return handle;
    }
    return 0;
}

std::string FakeWindowTree::NameOf(WindowHandle window) const {
    if (window == kDesktop) return "desktop";
    if (window == RecordingScrollInput::kOwn) return "own";
    const auto it = windows_.find(window);
    return it == windows_.end() ? std::to_string(window) : it->second.name;
}

const std::vector<WindowHandle>& FakeWindowTree::Children(WindowHandle parent) const {
    static const std::vector<WindowHandle> none;
    const auto it = children_.find(parent);
    return it == children_.end() ? none : it->second;
}

// The deepest window at the point, topmost first.
WindowHandle FakeWindowTree::WindowAt(ScreenPoint point) {
    WindowHandle found = kDesktop;
    WindowHandle level = 0;
    for (bool deeper = true; deeper;) {
        deeper = false;
        for (const WindowHandle w : Children(level)) {
            if (Contains(windows_[w].rect, point)) {
                found = level = w;
                deeper = true;
                break;
            }
        }
    }
    return found;
}

WindowHandle FakeWindowTree::ChildAt(WindowHandle window, ScreenPoint point) {
    if (!windows_.count(window) || !Contains(windows_[window].rect, point)) return 0;
    for (const WindowHandle w : Children(window)) {
        if (Contains(windows_[w].rect, point)) return w;
    }
    return window;
}

std::string FakeWindowTree::ClassName(WindowHandle window) {
    const auto it = windows_.find(window);
    return it == windows_.end() ? "" : it->second.className;
}

uint32_t FakeWindowTree::Style(WindowHandle window) {
    const auto it = windows_.find(window);
    return it == windows_.end() ? 0 : it->second.style;
}

ScreenRect FakeWindowTree::Rect(WindowHandle window) {
    const auto it = windows_.find(window);
    return it == windows_.end() ? ScreenRect{} : it->second.rect;
}

WindowHandle FakeWindowTree::Parent(WindowHandle window) {
    const auto it = windows_.find(window);
    return it == windows_.end() ? 0 : it->second.parent;
}

WindowHandle FakeWindowTree::FirstChild(WindowHandle window) {
    if (!window) return 0;
    const auto& children = Children(window);
    return children.empty() ? 0 : children.front();
}

WindowHandle FakeWindowTree::Sibling(WindowHandle window, int step) const {
    const auto it = windows_.find(window);
    if (it == windows_.end()) return 0;
    const auto& siblings = Children(it->second.parent);
    for (std::size_t i = 0; i < siblings.size(); ++i) {
        if (siblings[i] != window) continue;
        const std::size_t next = i + step;
        return next < siblings.size() ? siblings[next] : 0;
    }
    return 0;
}

WindowHandle FakeWindowTree::NextSibling(WindowHandle window) {
    return Sibling(window, 1);
}
WindowHandle FakeWindowTree::PreviousSibling(WindowHandle window) {
    return Sibling(window, -1);
}

std::vector<WindowHandle> FakeWindowTree::Descendants(WindowHandle window) {
    std::vector<WindowHandle> all;
    if (!window) return all;
    for (const WindowHandle w : Children(window)) {
        all.push_back(w);
        for (const WindowHandle d : Descendants(w)) all.push_back(d);
    }
    return all;
}

void RecordingScrollInput::Post(WindowHandle window, uint32_t message, uintptr_t wParam,
                                intptr_t lParam) {
    const auto asWindow = static_cast<WindowHandle>(lParam);
    const std::string param =
        tree_.Has(asWindow) ? tree_.NameOf(asWindow) : Hex(static_cast<uint32_t>(lParam));
    actions.push_back("post " + tree_.NameOf(window) + " " + Hex(message) + " " + Hex(wParam) +
                      " " + param);
}

void RecordingScrollInput::MovePointer(ScreenPoint point) {
    actions.push_back("move " + std::to_string(point.x) + " " + std::to_string(point.y));
    tree_.pointer = point;
}

void RecordingScrollInput::Click(ScreenPoint point, bool rightButton) {
    actions.push_back("click " + std::to_string(point.x) + " " + std::to_string(point.y) +
                      (rightButton ? " right" : " left"));
}

}  // namespace tesh::monitor::test
