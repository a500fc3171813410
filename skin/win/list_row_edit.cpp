#include "skin/win/list_row_edit.h"

#include <commctrl.h>

#include "skin/win/control_window.h"

namespace tesh::skin {
namespace {

constexpr UINT_PTR kSubclassId = 0x7E01;

}  // namespace

bool ListRowEdit::Begin(HWND parent, HWND host, const RECT& rect, const std::string& text,
                        int limit, bool digits, HFONT font) {
    End();
    host_ = host;
    digits_ = digits;
    finishing_ = false;
    edit_ = CreateWindowExA(
        0, "EDIT", text.c_str(),
        WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | (digits ? ES_NUMBER : 0), rect.left,
        rect.top, rect.right - rect.left, rect.bottom - rect.top, parent, nullptr, SkinModule(),
        nullptr);
    if (!edit_) return false;
    SendMessageA(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageA(edit_, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
    SetWindowSubclass(edit_, Proc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    SetFocus(edit_);
    SendMessageA(edit_, EM_SETSEL, 0, -1);
    return true;
}

std::string ListRowEdit::Text() const {
    if (!edit_) return {};
    const int length = GetWindowTextLengthA(edit_);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(edit_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void ListRowEdit::End() {
    if (!edit_) return;
    HWND edit = edit_;
    edit_ = nullptr;  // a focus loss on the way out finishes nothing
    RemoveWindowSubclass(edit, Proc, kSubclassId);
    DestroyWindow(edit);
}

void ListRowEdit::Finish(bool commit) {
    if (finishing_) return;
    finishing_ = true;
    PostMessageA(host_, kFinishMessage, commit ? 1 : 0, 0);
}

LRESULT CALLBACK ListRowEdit::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                   DWORD_PTR self) {
    auto* edit = reinterpret_cast<ListRowEdit*>(self);
    switch (message) {
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS | DefSubclassProc(hwnd, message, wParam, lParam);
        case WM_KEYDOWN:
            if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
                edit->Finish(wParam == VK_RETURN);
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == '\r' || wParam == 27) return 0;  // no beep
            break;
        case WM_KILLFOCUS:
            edit->Finish(true);
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace tesh::skin
