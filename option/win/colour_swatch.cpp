#include "option/win/colour_swatch.h"

namespace tesh::option {
namespace {

constexpr COLORREF kFrame = RGB(58, 66, 75);
constexpr COLORREF kHoverFrame = RGB(60, 137, 191);
constexpr COLORREF kSelectedFrame = RGB(242, 244, 246);

}  // namespace

void ColourSwatch::SetColour(COLORREF colour) {
    if (colour == colour_) return;
    colour_ = colour;
    if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void ColourSwatch::PaintOver(HDC dc, const RECT& client) {
    skin::OwnedBrush frame(CreateSolidBrush(selected()  ? kSelectedFrame
                                            : hovered() ? kHoverFrame
                                                        : kFrame));
    FillRect(dc, &client, frame.get());
    RECT inside = {client.left + 2, client.top + 2, client.right - 2, client.bottom - 2};
    skin::OwnedBrush fill(CreateSolidBrush(colour_));
    FillRect(dc, &inside, fill.get());
}

}  // namespace tesh::option
