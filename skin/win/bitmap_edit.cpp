#include "skin/win/bitmap_edit.h"

#include <commctrl.h>

#include "skin/win/control_window.h"
#include "skin/win/hint.h"
#include "skin/win/reflect.h"
#include "skin/win/skin_messages.h"

namespace tesh::skin {
namespace {

constexpr UINT_PTR kSubclassId = 0xB17E;
constexpr char kFontFace[] = "Arial";
constexpr int kFontHeight = 14;
constexpr int kFontWidth = 6;
constexpr char kDigits[] = "0123456789";
constexpr char kDigitsAndSigns[] = "0123456789-+";

}  // namespace

BitmapEdit::~BitmapEdit() {
    if (hwnd_) {
        RemoveWindowSubclass(hwnd_, Proc, kSubclassId);
        DestroyWindow(hwnd_);
    }
}

bool BitmapEdit::Create(HWND parent, int id, const LayoutRecord& layout, HWND owner) {
    if (!Create(parent, id, RECT{layout.left, layout.top, layout.right, layout.bottom}, 0, owner))
        return false;
    if (layout.tooltip[0]) hint_ = layout.tooltip;
    return true;
}

bool BitmapEdit::Create(HWND parent, int id, const RECT& rect, DWORD extraStyle, HWND owner) {
    hwnd_ =
        CreateWindowExA(0, WC_EDITA, "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | extraStyle,
                        rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), SkinModule(), nullptr);
    if (!hwnd_) return false;
    owner_ = owner ? owner : parent;
    font_ = MakeFont(kFontFace, kFontHeight, kFontWidth);
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    SendMessageA(hwnd_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(2, 2));
    brush_.reset(CreateSolidBrush(background_));
    SetWindowSubclass(hwnd_, Proc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    ReflectNotifications(hwnd_);
    return true;
}

void BitmapEdit::SetNumeric(bool numeric, bool allowSigns) {
    numeric_ = numeric;
    signs_ = allowSigns;
}

void BitmapEdit::SetColours(COLORREF text, COLORREF background) {
    text_ = text;
    background_ = background;
    brush_.reset(CreateSolidBrush(background_));
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

std::string BitmapEdit::Text() const {
    int length = GetWindowTextLengthA(hwnd_);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(hwnd_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void BitmapEdit::SetText(const std::string& text) {
    quiet_ = true;
    SetWindowTextA(hwnd_, text.c_str());
    quiet_ = false;
}

bool BitmapEdit::SwallowKey(WPARAM key) const {
    if (!numeric_) return false;
    if ((key >= '0' && key <= '9') || (key >= VK_NUMPAD0 && key <= VK_NUMPAD9)) return false;
    switch (key) {
        case VK_BACK:
        case VK_RETURN:
        case VK_END:
        case VK_HOME:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_DELETE:
        case VK_ADD:
        case VK_SUBTRACT:
        case VK_OEM_PLUS:
        case VK_OEM_MINUS:
        case VK_SHIFT:
        case VK_TAB:
            return false;
        default:
            return true;
    }
}

bool BitmapEdit::SwallowChar(WPARAM ch) const {
    if (!numeric_ || ch < ' ') return false;  // control characters pass
    return (ch < '0' || ch > '9') && ch != '+' && ch != '-';
}

// Keeps the allowed characters only, then tells the owner.
void BitmapEdit::OnChange() {
    if (quiet_) return;
    if (numeric_) {
        std::string text = Text();
        std::string kept;
        const char* allowed = signs_ ? kDigitsAndSigns : kDigits;
        for (char c : text)
            if (std::string_view(allowed).find(c) != std::string_view::npos) kept += c;
        if (kept != text) {
            SetText(kept);
            SendMessageA(hwnd_, EM_SETSEL, kept.size(), kept.size());
        }
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
    PostMessageA(owner_, kMsgEditChanged, 0, 0);
}

LRESULT BitmapEdit::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
            if (SwallowKey(wParam)) return 0;
            break;
        case WM_CHAR:
            if (SwallowChar(wParam)) return 0;
            if (wParam == '\r') return 0;  // no beep on Enter in a single-line edit
            break;
        case WM_KEYUP:
            if (wParam == VK_RETURN) PostMessageA(owner_, kMsgEditChanged, kEnterReleased, 0);
            break;
        case WM_GETDLGCODE:
            return DefSubclassProc(hwnd_, message, wParam, lParam) | DLGC_WANTALLKEYS;
        case WM_KILLFOCUS:
            PostMessageA(owner_, EditKillFocusMessage(), 0, 0);
            break;
        case WM_MOUSEMOVE:
            if (!tracking_) {
                tracking_ = true;
                TrackHover(hwnd_);
            }
            break;
        case WM_MOUSEHOVER:
            ShowHint(hint_);
            return 0;
        case WM_MOUSELEAVE:
            tracking_ = false;
            ShowHint("");
            return 0;
        case kReflectBase + WM_CTLCOLOREDIT:
        case kReflectBase + WM_CTLCOLORSTATIC: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, text_);
            SetBkColor(dc, background_);
            return reinterpret_cast<LRESULT>(brush_.get());
        }
        case kReflectBase + WM_COMMAND:
            if (HIWORD(wParam) == EN_CHANGE) OnChange();
            return 0;
        default:
            break;
    }
    return DefSubclassProc(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK BitmapEdit::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR self) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, Proc, kSubclassId);
        reinterpret_cast<BitmapEdit*>(self)->hwnd_ = nullptr;
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
    return reinterpret_cast<BitmapEdit*>(self)->OnMessage(message, wParam, lParam);
}

}  // namespace tesh::skin
