#include "skin/win/check_box.h"

#include <algorithm>

namespace tesh::skin {
namespace {

constexpr COLORREF kTickColour = RGB(242, 244, 246);
constexpr COLORREF kDisabledTickColour = RGB(122, 130, 139);
constexpr int kTickPen = 2;
// The tick's three points in hundredths of the mark square.
constexpr POINT kTick[3] = {{24, 52}, {43, 71}, {77, 31}};

}  // namespace

void SkinCheckBox::SetMarkRect(const RECT& mark) {
    mark_ = mark;
    markSet_ = true;
    InvalidateRect(hwnd(), nullptr, FALSE);
}

RECT SkinCheckBox::MarkRect(const RECT& client) const {
    if (markSet_) return mark_;
    const int side = std::min<int>(client.bottom - client.top, kMarkSide);
    const int top = (client.bottom - client.top - side) / 2;
    return RECT{client.left, top, client.left + side, top + side};
}

void SkinCheckBox::PaintOver(HDC dc, const RECT& client) {
    const RECT mark = MarkRect(client);
    if (!checked() || IsRectEmpty(&mark)) return;
    const int side = std::min<int>(mark.right - mark.left, mark.bottom - mark.top);
    POINT points[3];
    for (int i = 0; i < 3; ++i) {
        points[i] = {mark.left + kTick[i].x * side / 100, mark.top + kTick[i].y * side / 100};
    }
    const bool enabled = IsWindowEnabled(hwnd());
    HPEN pen = CreatePen(PS_SOLID, kTickPen, enabled ? kTickColour : kDisabledTickColour);
    HGDIOBJ old = SelectObject(dc, pen);
    Polyline(dc, points, 3);
    SelectObject(dc, old);
    DeleteObject(pen);
}

}  // namespace tesh::skin
