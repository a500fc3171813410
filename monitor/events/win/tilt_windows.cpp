#include "monitor/events/win/tilt_windows.h"

#include <windows.h>

namespace tesh::monitor {

namespace {

// Longer class names are cut; none the search knows comes near.
constexpr int kClassNameSize = 256;
// A window with more descendants than this is not enumerated further.
constexpr std::size_t kMaxDescendants = 10000;
// Absolute input coordinates run over 0..65535 across the virtual screen.
constexpr LONGLONG kAbsoluteScale = 65536;

HWND Hwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}
WindowHandle Handle(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}

// The absolute coordinate of a pixel's centre, so that it maps back to that pixel.
LONG Absolute(int pixel, int origin, int extent) {
    if (extent <= 0) return 0;
    return static_cast<LONG>(
        ((static_cast<LONGLONG>(pixel - origin) * kAbsoluteScale) + kAbsoluteScale / 2) / extent);
}

BOOL CALLBACK CollectChild(HWND window, LPARAM list) {
    auto* all = reinterpret_cast<std::vector<WindowHandle>*>(list);
    all->push_back(Handle(window));
    return all->size() < kMaxDescendants;
}

}  // namespace

ScreenPoint SystemWindowTree::Pointer() {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

WindowHandle SystemWindowTree::WindowAt(ScreenPoint point) {
    return Handle(WindowFromPoint(POINT{point.x, point.y}));
}

WindowHandle SystemWindowTree::ChildAt(WindowHandle window, ScreenPoint point) {
    if (!window) return 0;
    POINT client{point.x, point.y};
    if (!ScreenToClient(Hwnd(window), &client)) return 0;
    return Handle(ChildWindowFromPoint(Hwnd(window), client));
}

WindowHandle SystemWindowTree::Desktop() {
    return Handle(GetDesktopWindow());
}

std::string SystemWindowTree::ClassName(WindowHandle window) {
    if (!window) return {};
    char name[kClassNameSize];
    const int length = GetClassNameA(Hwnd(window), name, sizeof name);
    return length > 0 ? std::string(name, static_cast<std::size_t>(length)) : std::string();
}

uint32_t SystemWindowTree::Style(WindowHandle window) {
    if (!window) return 0;
    return static_cast<uint32_t>(GetWindowLongPtrA(Hwnd(window), GWL_STYLE));
}

ScreenRect SystemWindowTree::Rect(WindowHandle window) {
    RECT r{};
    if (!window || !GetWindowRect(Hwnd(window), &r)) return {};
    return {r.left, r.top, r.right, r.bottom};
}

// Only a child window has a parent here: GetParent answers a top-level window's owner.
WindowHandle SystemWindowTree::Parent(WindowHandle window) {
    if (!window || !(GetWindowLongPtrA(Hwnd(window), GWL_STYLE) & WS_CHILD)) return 0;
    return Handle(GetAncestor(Hwnd(window), GA_PARENT));
}

WindowHandle SystemWindowTree::FirstChild(WindowHandle window) {
    return window ? Handle(GetWindow(Hwnd(window), GW_CHILD)) : 0;
}

WindowHandle SystemWindowTree::NextSibling(WindowHandle window) {
    return window ? Handle(GetWindow(Hwnd(window), GW_HWNDNEXT)) : 0;
}

WindowHandle SystemWindowTree::PreviousSibling(WindowHandle window) {
    return window ? Handle(GetWindow(Hwnd(window), GW_HWNDPREV)) : 0;
}

std::vector<WindowHandle> SystemWindowTree::Descendants(WindowHandle window) {
    std::vector<WindowHandle> all;
    if (window) EnumChildWindows(Hwnd(window), &CollectChild, reinterpret_cast<LPARAM>(&all));
    return all;
}

void SystemScrollInput::Post(WindowHandle window, uint32_t message, uintptr_t wParam,
                             intptr_t lParam) {
    PostMessageA(Hwnd(window), message, wParam, lParam);
}

void SystemScrollInput::MovePointer(ScreenPoint point) {
    SetCursorPos(point.x, point.y);
}

// The press and the release carry the point itself, so that the click lands there
// even when the pointer moved meanwhile.
void SystemScrollInput::Click(ScreenPoint point, bool rightButton) {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    const DWORD place = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    INPUT inputs[2]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = Absolute(point.x, left, width);
        input.mi.dy = Absolute(point.y, top, height);
    }
    inputs[0].mi.dwFlags = place | (rightButton ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    inputs[1].mi.dwFlags = place | (rightButton ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    SendInput(2, inputs, sizeof(INPUT));
}

bool SystemScrollInput::ButtonsSwapped() {
    return GetSystemMetrics(SM_SWAPBUTTON) != 0;
}

}  // namespace tesh::monitor
