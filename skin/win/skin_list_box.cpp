#include "skin/win/skin_list_box.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/win/skin_messages.h"

namespace tesh::skin {
namespace {

constexpr char kClassName[] = "TeshListBox";
constexpr int kListId = 1;
constexpr int kScrollId = 2;
constexpr int kScrollWidth = 14;
constexpr int kRowHeight = 20;
constexpr int kTextIndent = 6;
constexpr UINT_PTR kSubclassId = 0x715B;
constexpr COLORREF kRowColour = RGB(16, 18, 21);
constexpr COLORREF kAltRowColour = RGB(22, 25, 29);
constexpr COLORREF kSelectedColour = RGB(60, 137, 191);
constexpr COLORREF kTextColour = RGB(201, 206, 212);
constexpr COLORREF kSelectedTextColour = RGB(255, 255, 255);

}  // namespace

bool SkinListBox::Create(HWND parent, int id, const RECT& rect) {
    if (!CreateControl(kClassName, parent, id, rect, WS_CLIPCHILDREN)) return false;
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    list_ = CreateWindowExA(0, WC_LISTBOXA, "",
                            WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | LBS_OWNERDRAWFIXED |
                                LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                            0, 0, width - kScrollWidth, height, hwnd(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), SkinModule(),
                            nullptr);
    if (!list_) return false;
    font_ = MakeFont("Arial", 14);
    SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    SendMessageA(list_, LB_SETITEMHEIGHT, 0, kRowHeight);
    SetWindowSubclass(list_, ListProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    if (!scrollBar_.Create(hwnd(), kScrollId, RECT{width - kScrollWidth, 0, width, height}))
        return false;
    SyncScrollBar();
    return true;
}

int SkinListBox::Add(const std::string& text, uintptr_t tag) {
    int index = static_cast<int>(
        SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    if (index >= 0) SendMessageA(list_, LB_SETITEMDATA, static_cast<WPARAM>(index), tag);
    SyncScrollBar();
    return index;
}

uintptr_t SkinListBox::Tag(int index) const {
    const LRESULT tag = SendMessageA(list_, LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    return tag == LB_ERR ? 0 : static_cast<uintptr_t>(tag);
}

void SkinListBox::Clear() {
    rowEdit_.End();
    SendMessageA(list_, LB_RESETCONTENT, 0, 0);
    SyncScrollBar();
}

int SkinListBox::Count() const {
    return static_cast<int>(SendMessageA(list_, LB_GETCOUNT, 0, 0));
}

int SkinListBox::Selection() const {
    return static_cast<int>(SendMessageA(list_, LB_GETCURSEL, 0, 0));
}

void SkinListBox::Select(int index) {
    SendMessageA(list_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SyncScrollBar();
}

std::string SkinListBox::Text(int index) const {
    LRESULT length = SendMessageA(list_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(list_, LB_GETTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

int SkinListBox::TopIndex() const {
    return static_cast<int>(SendMessageA(list_, LB_GETTOPINDEX, 0, 0));
}

void SkinListBox::SetTopIndex(int index) {
    SendMessageA(list_, LB_SETTOPINDEX, static_cast<WPARAM>(std::max(0, index)), 0);
    SyncScrollBar();
}

bool SkinListBox::BeginEdit(int index, const std::string& text, int limit, bool digits) {
    RECT row;
    if (SendMessageA(list_, LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&row)) == LB_ERR)
        return false;
    editedRow_ = index;
    return rowEdit_.Begin(list_, hwnd(), row, text, limit, digits, font_.get());
}

void SkinListBox::FinishEdit(bool commit) {
    if (!rowEdit_.active()) return;
    edited_ = rowEdit_.Text();
    rowEdit_.End();
    SendMessageA(GetParent(hwnd()), kMsgListEditDone, commit ? 1 : 0, editedRow_);
}

void SkinListBox::OnRightClick(POINT client) {
    const LRESULT hit = SendMessageA(list_, LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
    const bool onRow = HIWORD(hit) == 0 && LOWORD(hit) < Count();
    const int before = Selection();
    SendMessageA(list_, LB_SETCURSEL, onRow ? LOWORD(hit) : static_cast<WPARAM>(-1), 0);
    // The owner learns of the new selection as it does of a click's.
    if (Selection() != before)
        SendMessageA(GetParent(hwnd()), WM_COMMAND, MAKEWPARAM(id(), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(hwnd()));
    POINT screen = client;
    ClientToScreen(list_, &screen);
    SendMessageA(GetParent(hwnd()), kMsgListRightClick, static_cast<WPARAM>(id()),
                 MAKELPARAM(screen.x, screen.y));
}

int SkinListBox::VisibleRows() const {
    RECT r;
    GetClientRect(list_, &r);
    return std::max(1, static_cast<int>(r.bottom / kRowHeight));
}

void SkinListBox::SyncScrollBar() {
    if (!scrollBar_.hwnd()) return;
    scrollBar_.SetState(ScrollState{0, Count() - 1, VisibleRows(), TopIndex()});
}

void SkinListBox::OnScroll(int code, int position) {
    int top = TopIndex();
    switch (code) {
        case SB_LINEUP:
            --top;
            break;
        case SB_LINEDOWN:
            ++top;
            break;
        case SB_PAGEUP:
            top -= VisibleRows();
            break;
        case SB_PAGEDOWN:
            top += VisibleRows();
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            top = position;
            break;
        default:
            return;
    }
    top = std::clamp(top, 0, std::max(0, Count() - VisibleRows()));
    SendMessageA(list_, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    if (code != SB_THUMBTRACK) SyncScrollBar();
}

void SkinListBox::DrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT row = item.rcItem;
    bool selected = (item.itemState & ODS_SELECTED) != 0;
    int index = static_cast<int>(item.itemID);
    COLORREF back = selected ? kSelectedColour : (index % 2 ? kAltRowColour : kRowColour);
    OwnedBrush brush(CreateSolidBrush(back));
    FillRect(dc, &row, brush.get());
    if (index < 0) return;
    std::string text = Text(index);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, selected ? kSelectedTextColour : kTextColour);
    HGDIOBJ old = SelectObject(dc, font_.get());
    row.left += kTextIndent;
    row.left += DrawRowIcon(dc, row, index, selected);
    DrawTextA(dc, text.c_str(), -1, &row, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    SelectObject(dc, old);
}

LRESULT SkinListBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DRAWITEM:
            DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_VSCROLL:
            OnScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
            return 0;
        case ListRowEdit::kFinishMessage:
            FinishEdit(wParam == 1);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == kListId) {
                SyncScrollBar();
                SendMessageA(GetParent(hwnd()), WM_COMMAND, MAKEWPARAM(id(), HIWORD(wParam)),
                             reinterpret_cast<LPARAM>(hwnd()));
            }
            return 0;
        case WM_CTLCOLORLISTBOX: {
            static OwnedBrush background(CreateSolidBrush(kRowColour));
            return reinterpret_cast<LRESULT>(background.get());
        }
        default:
            return Default(message, wParam, lParam);
    }
}

// The list scrolls itself on keys and the wheel; the bar follows.
LRESULT CALLBACK SkinListBox::ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR self) {
    if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, ListProc, kSubclassId);
    if (message == WM_RBUTTONUP) {
        reinterpret_cast<SkinListBox*>(self)->OnRightClick(
            POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return 0;
    }
    LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
    if (message == WM_MOUSEWHEEL || message == WM_KEYDOWN || message == WM_VSCROLL)
        reinterpret_cast<SkinListBox*>(self)->SyncScrollBar();
    return result;
}

}  // namespace tesh::skin
