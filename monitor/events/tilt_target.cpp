#include "monitor/events/tilt_target.h"

#include <array>
#include <string>
#include <utility>

namespace tesh::monitor {

namespace {

// Walks of parents and siblings stop here: a window list that changes while it is
// walked must never keep the window thread in a loop.
constexpr int kMaxWalk = 4096;
// A scroll bar beside a document pane belongs to it when it reaches at most this far
// past the pane's left and right edges.
constexpr int kPaneSlack = 25;

constexpr std::array<std::pair<std::string_view, int>, 12> kKinds{{
    {"_WwG", 1},
    {"paneClassDC", 3},
    {"VISIOG", 4},
    {"PSViewC", 4},
    {"EditControl", 4},
    {"FrontPageEditorDocumentView", 5},
    {"EXCEL7", 2},
    {"AVL_AVView", 1},
    {"OGrid", 6},
    {"OFormSub", 6},
    {"OPrtPrevPage", 6},
    {"DirectUIHWND", 7},
}};

constexpr std::array<std::string_view, 3> kPaneClasses{"paneClassDC", "VISIOG", "DirectUIHWND"};

bool IsScrollBarClass(std::string_view name) {
    return name == kScrollBarClass || name == kOfficeScrollBarClass;
}

class Search {
  public:
    Search(WindowTree& tree, ScreenPoint pointer) : tree_(tree), pointer_(pointer) {}

    bool IsHorizontal(WindowHandle window) {
        const std::string name = tree_.ClassName(window);
        if (name == kBrowserClass) return true;
        if (!IsScrollBarClass(name)) return (tree_.Style(window) & kHorizontalScrollStyle) != 0;
        const ScreenRect r = tree_.Rect(window);
        return r.right - r.left > r.bottom - r.top && r.right > pointer_.x;
    }

    // The horizontal scroll bar inside a viewer's scroll bar frame.
    WindowHandle AcrobatBar(WindowHandle sibling) {
        const WindowHandle child = tree_.FirstChild(sibling);
        if (!child || tree_.ClassName(child) != kScrollBarClass) return 0;
        return (tree_.Style(child) & (kVerticalScrollBarStyle | kSizeBoxStyle)) ? 0 : child;
    }

    WindowHandle Children(WindowHandle window) {
        const WindowHandle first = tree_.FirstChild(window);
        if (!first) return 0;
        if (IsHorizontal(first)) return first;
        return Siblings(first);
    }

    WindowHandle Siblings(WindowHandle window) {
        int walked = 0;
        for (WindowHandle s = tree_.NextSibling(window); s && walked < kMaxWalk;
             s = tree_.NextSibling(s), ++walked) {
            const std::string name = tree_.ClassName(s);
            if (name == kAcrobatScrollBarClass) {
                if (const WindowHandle bar = AcrobatBar(s)) return bar;
            } else if (IsScrollBarClass(name) && IsHorizontal(s)) {
                return s;
            }
        }
        walked = 0;
        for (WindowHandle s = tree_.PreviousSibling(window); s && walked < kMaxWalk;
             s = tree_.PreviousSibling(s), ++walked) {
            const std::string name = tree_.ClassName(s);
            if (name == kAcrobatScrollBarClass) {
                if (const WindowHandle bar = AcrobatBar(s)) return bar;
            } else if (name == kScrollBarClass) {
                if (IsHorizontal(s)) return s;
            } else if (name == "AfxWnd70" || name == "AfxWnd42") {
                if (const WindowHandle found = Children(s)) return found;
            }
        }
        return 0;
    }

    // The scroll bar beside a document pane: under the pane's parent, about as wide.
    WindowHandle PaneBar(WindowHandle pane) {
        const ScreenRect p = tree_.Rect(pane);
        for (const WindowHandle w : tree_.Descendants(tree_.Parent(pane))) {
            if (!IsScrollBarClass(tree_.ClassName(w)) || !IsHorizontal(w)) continue;
            const ScreenRect r = tree_.Rect(w);
            if (r.left >= p.left - kPaneSlack && r.right <= p.right + kPaneSlack) return w;
        }
        return 0;
    }

    bool OnDesktopIcons(WindowHandle window) {
        if (tree_.ClassName(window) != kDesktopIconsClass) return false;
        int walked = 0;
        for (WindowHandle a = tree_.Parent(window); a && walked < kMaxWalk;
             a = tree_.Parent(a), ++walked) {
            if (tree_.ClassName(a) == kDesktopClass) return true;
        }
        return false;
    }

  private:
    WindowTree& tree_;
    ScreenPoint pointer_;
};

}  // namespace

int ScrollKindOf(std::string_view className) {
    int kind = 0;
    for (const auto& [name, k] : kKinds) {
        if (name == className) kind = k;
    }
    return kind;
}

bool TakesArrowKeys(std::string_view className) {
    return className == kMozillaClass;
}

TiltTarget FindTiltTarget(WindowTree& tree) {
    TiltTarget result;
    const ScreenPoint pointer = tree.Pointer();
    const WindowHandle w = tree.WindowAt(pointer);
    result.under = w;
    Search search(tree, pointer);
    if (!w || w == tree.Desktop() || search.OnDesktopIcons(w)) {
        result.rejected = true;
        return result;
    }
    const std::string underClass = tree.ClassName(w);
    result.kind = ScrollKindOf(underClass);
    result.arrowKeys = TakesArrowKeys(underClass);
    result.browser = underClass == kBrowserClass;

    WindowHandle c = tree.ChildAt(w, pointer);
    if (!c) c = w;
    const std::string childClass = tree.ClassName(c);
    WindowHandle candidate = 0;
    if (childClass == kMozillaClass) {
        candidate = tree.Parent(c);
    } else if (search.IsHorizontal(c)) {
        candidate = c;
    }
    if (!candidate && childClass != kScrollBarClass) {
        candidate = search.Children(c);
        if (!candidate) candidate = search.Siblings(c);
    }
    if (!candidate) {
        for (const std::string_view pane : kPaneClasses) {
            if (childClass == pane) candidate = search.PaneBar(c);
        }
    }
    result.target = candidate;
    return result;
}

}  // namespace tesh::monitor
