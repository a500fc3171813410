// Skinned popup menus: owner-drawn items in the skin's colours (dark background,
// light text, the highlighted item in the accent colour, a tick for checked items,
// disabled items greyed, separators as a thin line), wide texts in "Arial" 14 pixels,
// optional icons cut from a strip bitmap (such as a 32 x 17 flag out of a 544 x 17
// strip), inside CoolMenu's flat frame when CoolMenu is installed.
//
// Track shows the menu with a hidden helper window of its own as the menu's owner; the
// helper measures and draws the items, so the caller forwards nothing. A window that
// puts a SkinMenu's handle into a menu of its own passes its WM_MEASUREITEM and
// WM_DRAWITEM to HandleMeasure and HandleDraw (and WM_MENUCHAR to HandleMenuChar)
// instead.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/win/skin_bitmap.h"

namespace tesh::skin {

class SkinMenu {
  public:
    SkinMenu();
    ~SkinMenu();
    SkinMenu(const SkinMenu&) = delete;
    SkinMenu& operator=(const SkinMenu&) = delete;

    // `icon` (not owned, must outlive the menu) is drawn before the text: the part
    // `iconPart` of it, or all of it without one.
    void AddItem(int command, const std::wstring& text, HBITMAP icon = nullptr,
                 const RECT* iconPart = nullptr);
    void AddSeparator();
    // `sub` must live as long as this menu.
    void AddPopup(const std::wstring& text, SkinMenu& sub);
    void SetChecked(int command, bool checked);
    void SetEnabled(int command, bool enabled);
    // The items' "Arial" height in pixels (14 unless set before the menu is shown).
    void SetFontHeight(int pixels);
    // Items are at least this wide (pixels), whatever their texts.
    void SetMinimumWidth(int pixels) { minimumWidth_ = pixels; }

    // Shows the menu at the screen point (alignFlags: TPM_LEFTALIGN, TPM_TOPALIGN...)
    // over `owner` and returns the chosen command, or 0 when none was chosen.
    int Track(HWND owner, POINT screen, UINT alignFlags);

    HMENU handle() const { return menu_; }
    // After Track chose nothing: the window under the pointer when a mouse press closed
    // the menu (the press goes on to that window), null when a key closed it.
    static HWND ClosingClickWindow();

    // WM_MEASUREITEM / WM_DRAWITEM: true when the item was a SkinMenu's (and is done).
    static bool HandleMeasure(LPARAM lParam);
    static bool HandleDraw(LPARAM lParam);
    // WM_MENUCHAR: owner-drawn items have no underlined letter, so a typed letter
    // chooses the first enabled item whose text begins with it.
    static LRESULT HandleMenuChar(WPARAM wParam, LPARAM lParam);

    static constexpr int kItemHeight = 22;
    static constexpr int kSeparatorHeight = 7;

  private:
    struct Item;
    void Append(std::unique_ptr<Item> item, UINT type, UINT command, HMENU sub);
    int IconColumn() const;
    static Item* ItemOf(ULONG_PTR data);
    static void Measure(const Item& item, MEASUREITEMSTRUCT& measure);
    static void Draw(const Item& item, const DRAWITEMSTRUCT& draw);

    HMENU menu_ = nullptr;
    std::vector<std::unique_ptr<Item>> items_;
    OwnedFont font_;
    OwnedBrush background_;
    int minimumWidth_ = 0;
};

}  // namespace tesh::skin
