#include "skin/win/click_slider.h"

#include <windowsx.h>

#include "skin/win/hint.h"
#include "skin/win/skin_messages.h"

namespace tesh::skin {
namespace {

constexpr char kClassName[] = "TeshClickSlider";

}  // namespace

bool CclickHSlider::Create(int trackBitmapId, int thumbBitmapId, const RECT& rect, HWND owner,
                           int id) {
    owner_ = owner;
    track_ = LoadSkinBitmap(trackBitmapId);
    if (!CreateControl(kClassName, owner, id, rect, WS_CLIPCHILDREN)) return false;
    return thumb_.Create(*this, LoadSkinBitmap(thumbBitmapId));
}

SliderTrack CclickHSlider::Track() const {
    RECT client;
    GetClientRect(hwnd(), &client);
    // The track's ends are its first and last pixel columns, so that a click on the
    // last one gives the maximum.
    return SliderTrack{client.left, client.right - 1, thumb_.Width()};
}

void CclickHSlider::SetRange(int minimum, int maximum) {
    range_.minimum = minimum;
    range_.maximum = maximum;
    SetPos(value_);
}

void CclickHSlider::SetPos(int value) {
    value_ = range_.Clamp(value);
    if (thumb_.hwnd() && !thumb_.dragging()) thumb_.MoveTo(value_);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void CclickHSlider::UserChanged(int value) {
    value_ = range_.Clamp(value);
    PostMessageA(owner_, kMsgSliderChanged, static_cast<WPARAM>(value_), id());
}

LRESULT CclickHSlider::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd(), &ps);
            RECT client;
            GetClientRect(hwnd(), &client);
            DrawBitmap(dc, track_.get(), client, false);
            EndPaint(hwnd(), &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONDOWN: {
            int value = ClickValue(range_, Track(), GET_X_LPARAM(lParam));
            SetPos(value);
            UserChanged(value);
            return 0;
        }
        case WM_MOUSEMOVE:
            if (!tracking_) {
                tracking_ = true;
                TrackHover(hwnd());
            }
            return 0;
        case WM_MOUSEHOVER:
            ShowHint(hint_);
            return 0;
        case WM_MOUSELEAVE:
            tracking_ = false;
            ShowHint("");
            return 0;
        default:
            return Default(message, wParam, lParam);
    }
}

}  // namespace tesh::skin
