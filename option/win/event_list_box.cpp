#include "option/win/event_list_box.h"

#include "option/macro_event_lines.h"
#include "skin/win/skin_bitmap.h"

namespace tesh::option {
namespace {

constexpr int kIconSide = 12;
constexpr int kIconColumn = 20;
constexpr COLORREF kPressColour = RGB(0x6f, 0xb1, 0xde);
constexpr COLORREF kReleaseColour = RGB(0x9a, 0xa3, 0xad);
constexpr COLORREF kMouseColour = RGB(0xe6, 0xb4, 0x50);
constexpr COLORREF kDelayColour = RGB(0x8c, 0xc8, 0x8c);
constexpr COLORREF kSelectedColour = RGB(0xff, 0xff, 0xff);

void Triangle(HDC dc, const RECT& r, bool down) {
    const int mid = (r.left + r.right) / 2;
    POINT points[3];
    if (down) {
        points[0] = {r.left, r.top + 2};
        points[1] = {r.right, r.top + 2};
        points[2] = {mid, r.bottom - 1};
    } else {
        points[0] = {r.left, r.bottom - 2};
        points[1] = {r.right, r.bottom - 2};
        points[2] = {mid, r.top + 1};
    }
    Polygon(dc, points, 3);
}

}  // namespace

int EventListBox::DrawRowIcon(HDC dc, const RECT& row, int index, bool selected) {
    const uint32_t kind = static_cast<uint32_t>(Tag(index)) & 0xFFFF;
    COLORREF colour = kReleaseColour;
    if (kind == line_kind::kKeyPress) colour = kPressColour;
    if (kind == line_kind::kMouseButton) colour = kMouseColour;
    if (kind == line_kind::kDelay) colour = kDelayColour;
    if (selected) colour = kSelectedColour;
    const int top = (row.top + row.bottom - kIconSide) / 2;
    const RECT r{row.left, top, row.left + kIconSide, top + kIconSide};
    const int saved = SaveDC(dc);
    skin::OwnedBrush brush(CreateSolidBrush(colour));
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    SelectObject(dc, pen);
    switch (kind) {
        case line_kind::kKeyPress:
        case line_kind::kKeyRelease:
            SelectObject(dc, brush.get());
            Triangle(dc, r, kind == line_kind::kKeyPress);
            break;
        case line_kind::kMouseButton:
            SelectObject(dc, GetStockObject(NULL_BRUSH));
            RoundRect(dc, r.left + 2, r.top, r.right - 2, r.bottom, 6, 6);
            MoveToEx(dc, (r.left + r.right) / 2, r.top, nullptr);
            LineTo(dc, (r.left + r.right) / 2, r.top + kIconSide / 2);
            break;
        case line_kind::kDelay:
            SelectObject(dc, GetStockObject(NULL_BRUSH));
            Ellipse(dc, r.left, r.top, r.right, r.bottom);
            MoveToEx(dc, (r.left + r.right) / 2, r.top + 3, nullptr);
            LineTo(dc, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
            LineTo(dc, r.right - 3, (r.top + r.bottom) / 2);
            break;
        default:
            break;
    }
    RestoreDC(dc, saved);
    DeleteObject(pen);
    return kIconColumn;
}

}  // namespace tesh::option
