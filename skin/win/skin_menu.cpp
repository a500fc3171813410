#include "skin/win/skin_menu.h"

#include <algorithm>
#include <cwctype>

#include "skin/win/menu_owner_window.h"

namespace tesh::skin {
namespace {

constexpr char kFace[] = "Arial";
constexpr int kFontHeight = 14;
constexpr COLORREF kBackground = RGB(0x1a, 0x1e, 0x23);
constexpr COLORREF kText = RGB(0xdf, 0xe3, 0xe7);
constexpr COLORREF kHighlight = RGB(0x3c, 0x89, 0xbf);
constexpr COLORREF kHighlightText = RGB(0xff, 0xff, 0xff);
constexpr COLORREF kDisabledText = RGB(0x5c, 0x64, 0x6d);
constexpr COLORREF kDisabledHighlight = RGB(0x2a, 0x30, 0x37);
constexpr COLORREF kSeparatorLine = RGB(0x34, 0x3b, 0x43);
constexpr COLORREF kTick = RGB(0x6f, 0xb1, 0xde);
constexpr int kCheckColumn = 22;  // the tick's column at the left
constexpr int kIconGap = 6;       // between an icon and its text
constexpr int kRightPad = 12;
constexpr int kArrowColumn = 16;  // a submenu's arrow at the right
constexpr int kSeparatorInset = 6;
constexpr int kTickPen = 2;
// The tick's and the arrow's points in a 10 x 10 square.
constexpr POINT kTickShape[3] = {{1, 5}, {4, 8}, {9, 2}};
constexpr POINT kArrowShape[3] = {{3, 1}, {7, 5}, {3, 9}};
constexpr int kShapeSide = 10;
// Marks our items among whatever else a window's menus hold.
constexpr unsigned kItemTag = 0x54534D49;  // "TSMI"

enum class Kind { kItem, kSeparator, kPopup };

int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

void FillColour(HDC dc, const RECT& r, COLORREF colour) {
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

// One of the 10 x 10 shapes, its square's top-left corner at `at`.
void DrawShape(HDC dc, const POINT (&shape)[3], POINT at, COLORREF colour) {
    POINT points[3];
    for (int i = 0; i < 3; ++i) points[i] = {at.x + shape[i].x, at.y + shape[i].y};
    HPEN pen = CreatePen(PS_SOLID, kTickPen, colour);
    HGDIOBJ old = SelectObject(dc, pen);
    Polyline(dc, points, 3);
    SelectObject(dc, old);
    DeleteObject(pen);
}

}  // namespace

struct SkinMenu::Item {
    unsigned tag = kItemTag;
    Kind kind = Kind::kItem;
    const SkinMenu* menu = nullptr;
    std::wstring text;
    HBITMAP icon = nullptr;
    RECT part = {};
};

void SkinMenu::SetFontHeight(int pixels) {
    font_ = MakeFont(kFace, pixels);
}

SkinMenu::SkinMenu()
    : menu_(CreatePopupMenu()),
      font_(MakeFont(kFace, kFontHeight)),
      background_(CreateSolidBrush(kBackground)) {
    // The menu window's own margins in the items' colour.
    MENUINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = MIM_BACKGROUND;
    info.hbrBack = background_.get();
    SetMenuInfo(menu_, &info);
}

SkinMenu::~SkinMenu() {
    // Submenus belong to their own SkinMenus: taken out rather than destroyed with this.
    for (int i = GetMenuItemCount(menu_) - 1; i >= 0; --i) RemoveMenu(menu_, i, MF_BYPOSITION);
    DestroyMenu(menu_);
}

void SkinMenu::Append(std::unique_ptr<Item> item, UINT type, UINT command, HMENU sub) {
    item->menu = this;
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_ID | (sub ? MIIM_SUBMENU : 0u);
    info.fType = type | MFT_OWNERDRAW;
    info.wID = command;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(item.get());
    info.hSubMenu = sub;
    InsertMenuItemW(menu_, static_cast<UINT>(GetMenuItemCount(menu_)), TRUE, &info);
    items_.push_back(std::move(item));
}

void SkinMenu::AddItem(int command, const std::wstring& text, HBITMAP icon, const RECT* iconPart) {
    auto item = std::make_unique<Item>();
    item->text = text;
    item->icon = icon;
    if (icon) {
        const SIZE size = BitmapSize(icon);
        item->part = iconPart ? *iconPart : RECT{0, 0, size.cx, size.cy};
    }
    Append(std::move(item), MFT_STRING, static_cast<UINT>(command), nullptr);
}

void SkinMenu::AddSeparator() {
    auto item = std::make_unique<Item>();
    item->kind = Kind::kSeparator;
    Append(std::move(item), MFT_SEPARATOR, 0, nullptr);
}

void SkinMenu::AddPopup(const std::wstring& text, SkinMenu& sub) {
    auto item = std::make_unique<Item>();
    item->kind = Kind::kPopup;
    item->text = text;
    Append(std::move(item), MFT_STRING, 0, sub.menu_);
}

void SkinMenu::SetChecked(int command, bool checked) {
    CheckMenuItem(menu_, static_cast<UINT>(command),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void SkinMenu::SetEnabled(int command, bool enabled) {
    EnableMenuItem(menu_, static_cast<UINT>(command),
                   MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

int SkinMenu::Track(HWND owner, POINT screen, UINT alignFlags) {
    MenuOwnerWindow helper(owner);
    if (!helper.hwnd()) return 0;
    const BOOL chosen = TrackPopupMenuEx(menu_, alignFlags | TPM_RETURNCMD | TPM_LEFTBUTTON,
                                         screen.x, screen.y, helper.hwnd(), nullptr);
    return static_cast<int>(chosen);
}

HWND SkinMenu::ClosingClickWindow() {
    auto held = [](int key) { return (GetAsyncKeyState(key) & 0x8000) != 0; };
    MSG pending;
    const bool pressed =
        held(VK_LBUTTON) || held(VK_RBUTTON) ||
        PeekMessageA(&pending, nullptr, WM_LBUTTONDOWN, WM_MBUTTONDBLCLK, PM_NOREMOVE) ||
        PeekMessageA(&pending, nullptr, WM_NCLBUTTONDOWN, WM_NCMBUTTONDBLCLK, PM_NOREMOVE);
    if (!pressed) return nullptr;
    POINT cursor;
    GetCursorPos(&cursor);
    return WindowFromPoint(cursor);
}

int SkinMenu::IconColumn() const {
    int widest = 0;
    for (const auto& item : items_)
        if (item->icon) widest = std::max(widest, static_cast<int>(Width(item->part)));
    return widest ? widest + kIconGap : 0;
}

SkinMenu::Item* SkinMenu::ItemOf(ULONG_PTR data) {
    auto* item = reinterpret_cast<Item*>(data);
    return item && item->tag == kItemTag ? item : nullptr;
}

bool SkinMenu::HandleMeasure(LPARAM lParam) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (!measure || measure->CtlType != ODT_MENU) return false;
    const Item* item = ItemOf(measure->itemData);
    if (!item) return false;
    Measure(*item, *measure);
    return true;
}

bool SkinMenu::HandleDraw(LPARAM lParam) {
    auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    if (!draw || draw->CtlType != ODT_MENU) return false;
    const Item* item = ItemOf(draw->itemData);
    if (!item) return false;
    Draw(*item, *draw);
    return true;
}

LRESULT SkinMenu::HandleMenuChar(WPARAM wParam, LPARAM lParam) {
    const auto typed = static_cast<wchar_t>(std::towlower(LOWORD(wParam)));
    HMENU menu = reinterpret_cast<HMENU>(lParam);
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE | MIIM_DATA;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
        const Item* item = ItemOf(info.dwItemData);
        if (!item || item->kind == Kind::kSeparator || item->text.empty()) continue;
        if (info.fState & MFS_DISABLED) continue;
        if (std::towlower(item->text[0]) == typed) return MAKELRESULT(i, MNC_EXECUTE);
    }
    return MAKELRESULT(0, MNC_IGNORE);
}

void SkinMenu::Measure(const Item& item, MEASUREITEMSTRUCT& measure) {
    if (item.kind == Kind::kSeparator) {
        measure.itemWidth = 1;
        measure.itemHeight = kSeparatorHeight;
        return;
    }
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, item.menu->font_.get());
    RECT text = {};
    DrawTextW(dc, item.text.c_str(), static_cast<int>(item.text.size()), &text,
              DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    const int width = kCheckColumn + item.menu->IconColumn() + Width(text) + kRightPad +
                      (item.kind == Kind::kPopup ? kArrowColumn : 0);
    measure.itemWidth = static_cast<UINT>(std::max(width, item.menu->minimumWidth_));
    const int iconHeight = item.icon ? Height(item.part) + 4 : 0;
    measure.itemHeight = static_cast<UINT>(std::max(kItemHeight, iconHeight));
}

void SkinMenu::Draw(const Item& item, const DRAWITEMSTRUCT& draw) {
    HDC dc = draw.hDC;
    const RECT& r = draw.rcItem;
    const bool disabled = draw.itemState & (ODS_GRAYED | ODS_DISABLED);
    const bool selected = draw.itemState & ODS_SELECTED;
    const int saved = SaveDC(dc);
    if (item.kind == Kind::kSeparator) {
        FillColour(dc, r, kBackground);
        const int y = (r.top + r.bottom) / 2;
        FillColour(dc, RECT{r.left + kSeparatorInset, y, r.right - kSeparatorInset, y + 1},
                   kSeparatorLine);
        RestoreDC(dc, saved);
        return;
    }
    FillColour(dc, r, !selected ? kBackground : disabled ? kDisabledHighlight : kHighlight);
    const COLORREF text = disabled ? kDisabledText : selected ? kHighlightText : kText;
    const int middle = (r.top + r.bottom) / 2;
    if (draw.itemState & ODS_CHECKED) {
        const POINT at = {r.left + (kCheckColumn - kShapeSide) / 2, middle - kShapeSide / 2};
        DrawShape(dc, kTickShape, at, disabled ? kDisabledText : selected ? kHighlightText : kTick);
    }
    int x = r.left + kCheckColumn;
    if (item.icon) {
        const int top = middle - Height(item.part) / 2;
        DrawBitmapPart(dc, item.icon, item.part,
                       RECT{x, top, x + Width(item.part), top + Height(item.part)});
    }
    x += item.menu->IconColumn();
    const int arrow = item.kind == Kind::kPopup ? kArrowColumn : 0;
    RECT label = {x, r.top, r.right - kRightPad - arrow, r.bottom};
    SelectObject(dc, item.menu->font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, text);
    DrawTextW(dc, item.text.c_str(), static_cast<int>(item.text.size()), &label,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (item.kind == Kind::kPopup) {
        const POINT at = {r.right - kArrowColumn, middle - kShapeSide / 2};
        DrawShape(dc, kArrowShape, at, text);
    }
    RestoreDC(dc, saved);
    // The system draws its own submenu arrow after the item; it may not paint over ours.
    if (item.kind == Kind::kPopup) ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
}

}  // namespace tesh::skin
