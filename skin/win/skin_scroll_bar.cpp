#include "skin/win/skin_scroll_bar.h"

#include <windowsx.h>

#include "art/art_ids.h"

namespace tesh::skin {
namespace {

constexpr char kClassName[] = "TeshScrollBar";
constexpr int kPart = TESH_SCROLL_PART_SIZE;
enum Part { kUp, kDown, kTrack, kThumb };

RECT PartRect(Part part) {
    return RECT{part * kPart, 0, (part + 1) * kPart, kPart};
}

}  // namespace

bool SkinScrollBar::Create(HWND parent, int id, const RECT& rect) {
    parts_ = LoadSkinBitmap(IDB_SCROLL_PARTS);
    return CreateControl(kClassName, parent, id, rect);
}

void SkinScrollBar::SetState(const ScrollState& state) {
    state_ = state;
    state_.position = std::max(state_.minimum, std::min(state_.position, state_.MaxPosition()));
    InvalidateRect(hwnd(), nullptr, FALSE);
}

int SkinScrollBar::ArrowLength() const {
    RECT client;
    GetClientRect(hwnd(), &client);
    return std::min<int>(client.right, client.bottom / 2);
}

RECT SkinScrollBar::TrackRect() const {
    RECT client;
    GetClientRect(hwnd(), &client);
    return RECT{0, ArrowLength(), client.right, client.bottom - ArrowLength()};
}

RECT SkinScrollBar::ThumbRect() const {
    RECT track = TrackRect();
    int length = track.bottom - track.top;
    int top = track.top + ThumbOffset(state_, length);
    return RECT{0, top, track.right, top + ThumbLength(state_, length)};
}

void SkinScrollBar::Paint(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    int arrow = ArrowLength();
    DrawBitmapPart(dc, parts_.get(), PartRect(kUp), RECT{0, 0, client.right, arrow});
    DrawBitmapPart(dc, parts_.get(), PartRect(kDown),
                   RECT{0, client.bottom - arrow, client.right, client.bottom});
    DrawBitmapPart(dc, parts_.get(), PartRect(kTrack), TrackRect());
    RECT thumb = ThumbRect();
    if (thumb.bottom > thumb.top) DrawBitmapPart(dc, parts_.get(), PartRect(kThumb), thumb);
}

void SkinScrollBar::Scroll(int code, int position) {
    SendMessageA(GetParent(hwnd()), WM_VSCROLL, MAKEWPARAM(code, position),
                 reinterpret_cast<LPARAM>(hwnd()));
}

void SkinScrollBar::OnButtonDown(POINT p) {
    RECT thumb = ThumbRect();
    RECT track = TrackRect();
    if (p.y < track.top) return Scroll(SB_LINEUP);
    if (p.y >= track.bottom) return Scroll(SB_LINEDOWN);
    if (p.y < thumb.top) return Scroll(SB_PAGEUP);
    if (p.y >= thumb.bottom) return Scroll(SB_PAGEDOWN);
    dragging_ = true;
    grab_ = p.y - thumb.top;
    SetCapture(hwnd());
}

LRESULT SkinScrollBar::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            OnButtonDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_MOUSEMOVE:
            if (dragging_) {
                RECT track = TrackRect();
                int offset = GET_Y_LPARAM(lParam) - grab_ - track.top;
                int position = PositionAt(state_, track.bottom - track.top, offset);
                if (position != state_.position) {
                    state_.position = position;
                    InvalidateRect(hwnd(), nullptr, FALSE);
                    Scroll(SB_THUMBTRACK, position);
                }
            }
            return 0;
        case WM_LBUTTONUP:
            if (dragging_) {
                dragging_ = false;
                ReleaseCapture();
                Scroll(SB_THUMBPOSITION, state_.position);
                Scroll(SB_ENDSCROLL);
            }
            return 0;
        case WM_CAPTURECHANGED:
            dragging_ = false;
            return 0;
        default:
            return Default(message, wParam, lParam);
    }
}

}  // namespace tesh::skin
