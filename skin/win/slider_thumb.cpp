#include "skin/win/slider_thumb.h"

#include "skin/win/click_slider.h"
#include "skin/win/window_shape.h"

namespace tesh::skin {
namespace {

constexpr char kClassName[] = "TeshSliderThumb";

}  // namespace

bool CPHSlider::Create(CclickHSlider& slider, OwnedBitmap picture) {
    slider_ = &slider;
    picture_ = std::move(picture);
    size_ = BitmapSize(picture_.get());
    RECT client;
    GetClientRect(slider.hwnd(), &client);
    SliderTrack track = slider.Track();
    int left = track.left - size_.cx / 2;
    int top = (client.bottom - size_.cy) / 2;
    return CreateControl(kClassName, slider.hwnd(), slider.id(),
                         RECT{left, top, left + size_.cx, top + size_.cy});
}

void CPHSlider::ShapeFromBitmap() {
    OwnedRegion region = RegionWithoutCornerColour(picture_.get());
    if (region) SetWindowRgn(hwnd(), region.release(), TRUE);
}

int CPHSlider::Left() const {
    RECT r;
    GetWindowRect(hwnd(), &r);
    MapWindowPoints(nullptr, GetParent(hwnd()), reinterpret_cast<POINT*>(&r), 2);
    return r.left;
}

void CPHSlider::MoveLeft(int left) {
    RECT client;
    GetClientRect(GetParent(hwnd()), &client);
    SetWindowPos(hwnd(), nullptr, left, (client.bottom - size_.cy) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The track under the old place shows again at once.
    RedrawWindow(GetParent(hwnd()), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CPHSlider::MoveTo(int value) {
    MoveLeft(ThumbLeft(slider_->range(), slider_->Track(), value));
}

// The pointer's x in the track's coordinates.
int CPHSlider::PointerX() const {
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(GetParent(hwnd()), &p);
    return p.x;
}

LRESULT CPHSlider::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd(), &ps);
            DrawBitmap(dc, picture_.get(), RECT{0, 0, size_.cx, size_.cy}, false);
            EndPaint(hwnd(), &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONDOWN:
            SetCapture(hwnd());
            dragging_ = true;
            grab_ = PointerX() - Left();
            return 0;
        case WM_MOUSEMOVE:
            if (dragging_) {
                SliderTrack track = slider_->Track();
                int left = track.ClampThumb(PointerX() - grab_);
                MoveLeft(left);
                slider_->UserChanged(DragValue(slider_->range(), track, left));
            }
            return 0;
        case WM_LBUTTONUP:
            if (dragging_) {
                dragging_ = false;
                ReleaseCapture();
                SliderTrack track = slider_->Track();
                int value = ReleaseValue(slider_->range(), track, Left());
                slider_->UserChanged(value);
                if (slider_->range().snap) MoveTo(value);
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
