// The target of a tilt step: the window under the pointer, the horizontal scroll bar
// (or the window with one) that belongs to it, and how that program wants to be
// scrolled, told by the class name of the window under the pointer.
#pragma once

#include <string_view>

#include "monitor/events/tilt_ports.h"

namespace tesh::monitor {

// Class names the search knows.
constexpr char kScrollBarClass[] = "ScrollBar";
constexpr char kOfficeScrollBarClass[] = "NUIScrollbar";
constexpr char kBrowserClass[] = "Internet Explorer_Server";
constexpr char kMozillaClass[] = "MozillaWindowClass";
constexpr char kAcrobatScrollBarClass[] = "AVL_AVScrollBar";
constexpr char kDesktopIconsClass[] = "SysListView32";
constexpr char kDesktopClass[] = "Progman";

// Window styles the search reads.
constexpr uint32_t kHorizontalScrollStyle = 0x00100000;  // WS_HSCROLL
constexpr uint32_t kVerticalScrollBarStyle = 0x0001;     // SBS_VERT
constexpr uint32_t kSizeBoxStyle = 0x0008;               // SBS_SIZEBOX

// The kind of program that is scrolled by clicks on its scroll bar's arrow; the other
// kinds (1..7) take scroll bar messages at the scroll bar's parent.
constexpr int kClickKind = 2;

struct TiltTarget {
    bool rejected = false;    // nothing at all is scrolled (the desktop, its icons)
    WindowHandle under = 0;   // the window under the pointer
    WindowHandle target = 0;  // 0 when none was found
    int kind = 0;             // 0 none, 1..7
    bool arrowKeys = false;   // the program takes arrow keys
    bool browser = false;     // the window under the pointer is an embedded browser
};

// The kind of a window class (the last match of the table wins); the arrow-key flag.
int ScrollKindOf(std::string_view className);
bool TakesArrowKeys(std::string_view className);

// The search from the window under the pointer.
TiltTarget FindTiltTarget(WindowTree& tree);

}  // namespace tesh::monitor
