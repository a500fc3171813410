#include "upgrade/win/progress_bar.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/win/skin_bitmap.h"

namespace tesh::upgrade {

namespace {

constexpr char kClassName[] = "TeshUpgradeProgress";

}  // namespace

bool ProgressBar::Create(HWND parent, int id, const RECT& rect) {
    return CreateControl(kClassName, parent, id, rect);
}

LRESULT ProgressBar::SetPosition(int position) {
    const int previous = position_;
    position_ = std::clamp(position, low_, std::max(low_, high_));
    if (position_ != previous) InvalidateRect(hwnd(), nullptr, FALSE);
    return previous;
}

void ProgressBar::Paint(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    const int span = high_ - low_;
    RECT filled = client;
    filled.right = span > 0 ? MulDiv(client.right, position_ - low_, span) : 0;
    RECT empty = client;
    empty.left = filled.right;
    skin::OwnedBrush bar(CreateSolidBrush(bar_));
    skin::OwnedBrush background(CreateSolidBrush(background_));
    FillRect(dc, &filled, bar.get());
    FillRect(dc, &empty, background.get());
}

LRESULT ProgressBar::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd(), &ps);
            Paint(dc);
            EndPaint(hwnd(), &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case PBM_SETRANGE32: {
            const LRESULT previous = MAKELRESULT(low_, high_);
            low_ = static_cast<int>(wParam);
            high_ = static_cast<int>(lParam);
            SetPosition(position_);
            InvalidateRect(hwnd(), nullptr, FALSE);
            return previous;
        }
        case PBM_GETRANGE:
            return wParam ? low_ : high_;
        case PBM_SETPOS:
            return SetPosition(static_cast<int>(wParam));
        case PBM_GETPOS:
            return position_;
        case PBM_SETSTEP: {
            const int previous = step_;
            step_ = static_cast<int>(wParam);
            return previous;
        }
        case PBM_STEPIT:
            return SetPosition(position_ + step_);
        case PBM_SETBARCOLOR:
        case PBM_SETBKCOLOR: {
            COLORREF& colour = message == PBM_SETBARCOLOR ? bar_ : background_;
            const COLORREF previous = colour;
            colour = static_cast<COLORREF>(lParam);
            InvalidateRect(hwnd(), nullptr, FALSE);
            return previous;
        }
        default:
            return Default(message, wParam, lParam);
    }
}

}  // namespace tesh::upgrade
