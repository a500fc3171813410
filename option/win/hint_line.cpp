#include "option/win/hint_line.h"

#include "skin/win/control_window.h"
#include "skin/win/wide_text.h"

namespace tesh::option {
namespace {

constexpr COLORREF kTextColour = RGB(111, 177, 222);
constexpr COLORREF kBackground = RGB(16, 18, 21);
constexpr char kFace[] = "Arial";
constexpr int kHeight = 14;
constexpr int kLeftMargin = 4;

}  // namespace

HintLine::~HintLine() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool HintLine::Create(HWND parent, const RECT& rect) {
    HINSTANCE module = skin::SkinModule();
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(module, kClassName, &wc)) {
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = Proc;
        wc.hInstance = module;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = kClassName;
        if (!RegisterClassExW(&wc)) return false;
    }
    font_ = skin::MakeFont(kFace, kHeight);
    hwnd_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, rect.left, rect.top,
                            rect.right - rect.left, rect.bottom - rect.top, parent, nullptr, module,
                            this);
    return hwnd_ != nullptr;
}

void HintLine::SetText(const std::string& text) {
    std::wstring wide = skin::Widen(text);
    if (wide == text_) return;
    text_ = std::move(wide);
    SetWindowTextW(hwnd_, text_.c_str());
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void HintLine::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT client;
    GetClientRect(hwnd_, &client);
    skin::OwnedBrush background(CreateSolidBrush(kBackground));
    FillRect(dc, &client, background.get());
    HGDIOBJ old = SelectObject(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kTextColour);
    RECT text = client;
    text.left += kLeftMargin;
    DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &text,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    SelectObject(dc, old);
    EndPaint(hwnd_, &ps);
}

LRESULT CALLBACK HintLine::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<HintLine*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<HintLine*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    switch (message) {
        case WM_PAINT:
            if (self) {
                self->hwnd_ = hwnd;
                self->Paint();
                return 0;
            }
            break;
        case WM_ERASEBKGND:
            return 1;
        case WM_NCHITTEST:
            return HTTRANSPARENT;  // presses fall through to the window (it drags)
        case WM_NCDESTROY:
            if (self) self->hwnd_ = nullptr;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            break;
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace tesh::option
