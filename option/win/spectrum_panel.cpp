#include "option/win/spectrum_panel.h"

#include "option/advanced_page_model.h"
#include "option/colour_spectrum.h"

namespace tesh::option {
namespace {

constexpr char kClassName[] = "TeshSpectrumPanel";
constexpr int kBorder = 1;
constexpr int kInnerWidth = SpectrumPanel::kWidth - 2 * kBorder;
constexpr int kInnerHeight = SpectrumPanel::kHeight - 2 * kBorder;
constexpr COLORREF kFrame = RGB(60, 137, 191);

// The spectrum drawn once into a bitmap of the panel's inside.
skin::OwnedBitmap DrawSpectrum(HDC reference) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kInnerWidth;
    info.bmiHeader.biHeight = -kInnerHeight;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    skin::OwnedBitmap bitmap(CreateDIBSection(reference, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return bitmap;
    auto* pixels = static_cast<uint32_t*>(bits);
    for (int y = 0; y < kInnerHeight; ++y)
        for (int x = 0; x < kInnerWidth; ++x) {
            const Rgb c = SpectrumColour(x, y, kInnerWidth, kInnerHeight);
            pixels[y * kInnerWidth + x] =
                static_cast<uint32_t>(c.red) << 16 | static_cast<uint32_t>(c.green) << 8 | c.blue;
        }
    return bitmap;
}

}  // namespace

bool SpectrumPanel::Open(HWND owner, POINT origin, int pickerId) {
    if (open()) return true;
    owner_ = owner;
    pickerId_ = pickerId;
    picking_ = false;
    const RECT rect = {origin.x, origin.y, origin.x + kWidth, origin.y + kHeight};
    if (!CreateControl(kClassName, owner, 0, rect)) return false;
    SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetCapture(hwnd());
    return true;
}

void SpectrumPanel::Close() {
    if (!open() || closing_) return;
    closing_ = true;  // releasing the capture comes back here through WM_CAPTURECHANGED
    HWND window = hwnd();
    if (GetCapture() == window) ReleaseCapture();
    DestroyWindow(window);
    closing_ = false;
}

// The owner gets the colour as a COLORREF (0x00BBGGRR) in wParam.
void SpectrumPanel::Pick(LPARAM point) {
    const int x = static_cast<short>(LOWORD(point)) - kBorder;
    const int y = static_cast<short>(HIWORD(point)) - kBorder;
    const Rgb c = SpectrumColour(x, y, kInnerWidth, kInnerHeight);
    PostMessageA(owner_, kColourPickedMessage, RGB(c.red, c.green, c.blue), pickerId_);
}

void SpectrumPanel::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd(), &ps);
    if (!spectrum_) spectrum_ = DrawSpectrum(dc);
    RECT client;
    GetClientRect(hwnd(), &client);
    skin::OwnedBrush frame(CreateSolidBrush(kFrame));
    FrameRect(dc, &client, frame.get());
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, spectrum_.get());
    BitBlt(dc, kBorder, kBorder, kInnerWidth, kInnerHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    EndPaint(hwnd(), &ps);
}

LRESULT SpectrumPanel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_LBUTTONDOWN: {
            RECT client;
            GetClientRect(hwnd(), &client);
            const POINT p = {static_cast<short>(LOWORD(lParam)),
                             static_cast<short>(HIWORD(lParam))};
            if (!PtInRect(&client, p)) {  // a click outside closes the panel
                Close();
                return 0;
            }
            picking_ = true;
            Pick(lParam);
            return 0;
        }
        case WM_MOUSEMOVE:
            if (picking_) Pick(lParam);
            return 0;
        case WM_LBUTTONUP:
            if (picking_) Close();
            return 0;
        case WM_RBUTTONDOWN:
        case WM_CAPTURECHANGED:
            Close();
            return 0;
        default:
            return ControlWindow::OnMessage(message, wParam, lParam);
    }
}

}  // namespace tesh::option
