// Skinned popup menus of the configuration application as a user works them: the
// items lie one below the other in each menu window, a popup opens when its entry is
// clicked, and the pointer goes across into a popup before it goes down, so that it
// never rests on another entry of the menu behind.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "option/button_catalogue.h"
#include "tests/wine/user_input.h"

namespace tesh::test {

inline constexpr char kMenuClass[] = "#32768";

// The visible popup menu windows, in no particular order.
std::vector<HWND> VisibleMenus();
// The screen point of item `index` of a skinned menu window showing `items`.
POINT MenuItemPoint(HWND menu, const std::vector<option::MenuItem>& items, std::size_t index);
// The index of the entry with the text, or the count when there is none.
std::size_t IndexOf(const std::vector<option::MenuItem>& items, const std::string& text);
// With the menu of `items` open: opens the popups named by the texts of `path` but its
// last, then clicks the last. False (with the reason in `why`) when an entry or a menu
// window is missing.
bool ChooseFromMenu(UserInput& input, const std::vector<option::MenuItem>& items,
                    const std::vector<std::string>& path, std::string* why);
// The items of a plain list menu (a drop-down button's), for MenuItemPoint.
std::vector<option::MenuItem> ListItems(const std::vector<std::string>& texts);

// A screen point of a top-level window's client area, from a layout string.
POINT InWindow(HWND window, const char* layout);

}  // namespace tesh::test
