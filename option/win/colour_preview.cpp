#include "option/win/colour_preview.h"

#include "skin/win/skin_bitmap.h"

namespace tesh::option {
namespace {

constexpr char kClassName[] = "TeshColourPreview";
constexpr COLORREF kFrame = RGB(58, 66, 75);

}  // namespace

bool ColourPreview::Create(HWND parent, const RECT& rect) {
    return CreateControl(kClassName, parent, 0, rect);
}

void ColourPreview::SetColour(COLORREF colour) {
    if (colour == colour_) return;
    colour_ = colour;
    if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT ColourPreview::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd(), &ps);
            RECT client;
            GetClientRect(hwnd(), &client);
            skin::OwnedBrush frame(CreateSolidBrush(kFrame));
            FillRect(dc, &client, frame.get());
            RECT inside = {client.left + 1, client.top + 1, client.right - 1, client.bottom - 1};
            skin::OwnedBrush fill(CreateSolidBrush(colour_));
            FillRect(dc, &inside, fill.get());
            EndPaint(hwnd(), &ps);
            return 0;
        }
        default:
            return ControlWindow::OnMessage(message, wParam, lParam);
    }
}

}  // namespace tesh::option
