#include "skin/win/skin_button.h"

#include <commctrl.h>
#include <windowsx.h>

#include "skin/win/hand_cursor.h"
#include "skin/win/hint.h"
#include "skin/win/skin_messages.h"
#include "skin/win/wide_text.h"

namespace tesh::skin {
namespace {

constexpr char kClassName[] = "TeshSkinButton";
constexpr char kCaptionFace[] = "Arial";
constexpr int kCaptionHeight = 14;
constexpr int kCaptionWidth = 5;
constexpr int kTrademarkHeight = 8;
constexpr int kCaptionLeft = 5;
constexpr COLORREF kCaptionColour = RGB(224, 224, 224);
constexpr char kTrademark[] = "TM";

RECT ClientOf(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    return r;
}

}  // namespace

bool SkinButton::Create(HWND parent, int id, const LayoutRecord& layout) {
    if (!Create(parent, id, RECT{layout.left, layout.top, layout.right, layout.bottom}))
        return false;
    if (layout.tooltip[0]) SetTooltip(layout.tooltip);
    return true;
}

bool SkinButton::Create(HWND parent, int id, const RECT& rect) {
    return CreateControl(kClassName, parent, id, rect, WS_TABSTOP);
}

void SkinButton::SetSkin(const RECT& rect, const SkinSources& sources) {
    const HBITMAP from[4] = {sources.normal, sources.hover, sources.pressed, sources.disabled};
    for (int i = 0; i < 4; ++i) images_[i] = CutSubImage(hwnd(), from[i], rect);
    LONG_PTR style = GetWindowLongPtrA(hwnd(), GWL_STYLE);
    SetWindowLongPtrA(hwnd(), GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_BORDER | WS_TABSTOP));
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void SkinButton::SetSelected(bool selected) {
    if (selected == selected_) return;
    selected_ = selected;
    if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void SkinButton::SetCaption(const std::string& caption, bool trademark) {
    caption_ = caption;
    trademark_ = trademark;
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void SkinButton::SetTooltip(const std::string& text) {
    tooltip_ = text;
    if (tooltipWindow_) RegisterTooltip();
}

// The tooltip control is made when the pointer first comes over the button: a window
// has tens of buttons, and a tooltip window each costs its start-up time.
void SkinButton::RegisterTooltip() {
    if (tooltip_.empty() && !tooltipWindow_) return;
    if (!tooltipWindow_) {
        tooltipWindow_ =
            CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr, SkinModule(), nullptr);
        if (!tooltipWindow_) return;
    }
    // Tooltips are UTF-8 and shown wide, so that every language shows in its script.
    tooltipWide_ = Widen(tooltip_);
    TOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = hwnd();
    tool.uId = 1;
    tool.rect = ClientOf(hwnd());
    tool.lpszText = tooltipWide_.data();
    SendMessageW(tooltipWindow_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tooltipWindow_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

SkinButton::Look SkinButton::CurrentLook() const {
    bool disabled = !IsWindowEnabled(hwnd());
    if (toggle_) {
        if (disabled) return Look::kDisabled;
        if (selected_) return Look::kPressed;
        return hover_ ? Look::kHover : Look::kNormal;
    }
    if (selected_ && !disabled) return Look::kPressed;
    if (held_ && PointerOver()) return Look::kPressed;
    if (hover_) return Look::kHover;
    return disabled ? Look::kDisabled : Look::kNormal;
}

bool SkinButton::PointerOver() const {
    POINT p;
    GetCursorPos(&p);
    return WindowFromPoint(p) == hwnd();
}

void SkinButton::Paint() {
    // Drawn off screen first, so that the caption and marks never flicker over the
    // picture.
    PaintOffScreen(hwnd(), [this](HDC dc, const RECT& client) {
        if (HBITMAP image = images_[static_cast<int>(CurrentLook())].get())
            DrawBitmap(dc, image, client, false);
        if (!caption_.empty()) DrawCaption(dc, client);
        PaintOver(dc, client);
    });
}

void SkinButton::DrawCaption(HDC dc, const RECT& client) {
    OwnedFont font = MakeFont(kCaptionFace, kCaptionHeight, kCaptionWidth);
    HGDIOBJ old = SelectObject(dc, font.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kCaptionColour);
    RECT text = client;
    text.left += kCaptionLeft;
    DrawTextA(dc, caption_.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (trademark_) {
        SIZE size;
        GetTextExtentPoint32A(dc, caption_.c_str(), static_cast<int>(caption_.size()), &size);
        OwnedFont small = MakeFont(kCaptionFace, kTrademarkHeight);
        SelectObject(dc, small.get());
        RECT mark = client;
        mark.left += kCaptionLeft + size.cx + 1;
        mark.top = (client.bottom - size.cy) / 2;
        DrawTextA(dc, kTrademark, -1, &mark, DT_LEFT | DT_TOP | DT_SINGLELINE);
        SelectObject(dc, font.get());
    }
    SelectObject(dc, old);
}

void SkinButton::Notify(bool hoverBegins) {
    PostMessageA(GetParent(hwnd()), kMsgHover, hoverBegins ? 1 : 0, hoverId_);
    ShowHint(hoverBegins ? tooltip_ : std::string());
}

void SkinButton::BeginHover() {
    hover_ = true;
    if (!tooltipWindow_) RegisterTooltip();
    SetCapture(hwnd());
    Notify(true);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void SkinButton::EndHover() {
    if (!hover_) return;
    hover_ = false;
    Notify(false);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void SkinButton::OnButtonDown() {
    HWND top = GetAncestor(hwnd(), GA_ROOT);
    if (top && GetActiveWindow() != top) SetActiveWindow(top);
    held_ = true;
    if (GetCapture() != hwnd()) SetCapture(hwnd());
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void SkinButton::OnButtonUp() {
    if (!held_) return;
    held_ = false;
    bool inside = PointerOver();
    if (!inside) {
        EndHover();
        if (GetCapture() == hwnd()) ReleaseCapture();
    }
    InvalidateRect(hwnd(), nullptr, FALSE);
    if (!inside) return;
    HWND parent = GetParent(hwnd());
    if (toggle_) {
        selected_ = !selected_;
        UpdateWindow(hwnd());
        SendMessageA(parent, WM_COMMAND, static_cast<WPARAM>(id()),
                     reinterpret_cast<LPARAM>(hwnd()));
    } else {
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id(), BN_CLICKED),
                     reinterpret_cast<LPARAM>(hwnd()));
    }
}

LRESULT SkinButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEMOVE:
            if (!hover_) {
                BeginHover();
            } else if (!PointerOver()) {
                EndHover();
                if (!(wParam & MK_LBUTTON) && GetCapture() == hwnd()) ReleaseCapture();
            }
            if (held_) InvalidateRect(hwnd(), nullptr, FALSE);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            OnButtonDown();
            return 0;
        case WM_LBUTTONUP:
            OnButtonUp();
            return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != hwnd()) {
                EndHover();
                if (held_) {
                    held_ = false;
                    InvalidateRect(hwnd(), nullptr, FALSE);
                }
            }
            return 0;
        case WM_KILLFOCUS:
            EndHover();
            return Default(message, wParam, lParam);
        case WM_ENABLE:
            InvalidateRect(hwnd(), nullptr, FALSE);
            return 0;
        case WM_SETCURSOR:
            if (link_) {
                SetCursor(HandCursor());
                return TRUE;
            }
            break;
        case WM_GETDLGCODE:
            return DLGC_BUTTON;
        default:
            break;
    }
    return Default(message, wParam, lParam);
}

}  // namespace tesh::skin
