#include "tests/wine/menu_driver.h"

#include <algorithm>

#include "skin/layout_record.h"
#include "skin/win/skin_menu.h"
#include "tests/wine/monitor_program.h"

namespace tesh::test {
namespace {

int ItemHeight(const option::MenuItem& item) {
    return item.kind == option::MenuItem::Kind::kSeparator ? skin::SkinMenu::kSeparatorHeight
                                                           : skin::SkinMenu::kItemHeight;
}

// A menu window shown after `known` were, or null.
HWND NewMenu(const std::vector<HWND>& known) {
    for (HWND w : VisibleMenus())
        if (std::find(known.begin(), known.end(), w) == known.end()) return w;
    return nullptr;
}

}  // namespace

std::vector<HWND> VisibleMenus() {
    std::vector<HWND> menus;
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            char name[16] = {};
            GetClassNameA(window, name, sizeof name);
            if (IsWindowVisible(window) && std::string(name) == kMenuClass)
                reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&menus));
    return menus;
}

POINT MenuItemPoint(HWND menu, const std::vector<option::MenuItem>& items, std::size_t index) {
    int total = 0, above = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i < index) above += ItemHeight(items[i]);
        total += ItemHeight(items[i]);
    }
    RECT client;
    GetClientRect(menu, &client);
    const int top = (client.bottom - total) / 2 + above;
    return ClientToScreenPoint(menu, POINT{client.right / 2, top + ItemHeight(items[index]) / 2});
}

std::size_t IndexOf(const std::vector<option::MenuItem>& items, const std::string& text) {
    std::size_t i = 0;
    while (i < items.size() && items[i].text != text) ++i;
    return i;
}

bool ChooseFromMenu(UserInput& input, const std::vector<option::MenuItem>& items,
                    const std::vector<std::string>& path, std::string* why) {
    std::vector<HWND> known;
    HWND menu = nullptr;
    if (!WaitUntil([&] { return (menu = NewMenu(known)) != nullptr; })) {
        *why = "no menu is open";
        return false;
    }
    const std::vector<option::MenuItem>* level = &items;
    for (std::size_t step = 0; step < path.size(); ++step) {
        known.push_back(menu);
        const std::size_t index = IndexOf(*level, path[step]);
        if (index == level->size()) {
            *why = "no entry \"" + path[step] + "\"";
            return false;
        }
        const POINT entry = MenuItemPoint(menu, *level, index);
        RECT r;
        GetWindowRect(menu, &r);
        input.MoveTo(POINT{entry.x, r.top + 2});
        input.Click(entry);
        if (step + 1 == path.size()) return true;
        if (!WaitUntil([&] { return (menu = NewMenu(known)) != nullptr; })) {
            *why = "\"" + path[step] + "\" opened no popup";
            return false;
        }
        level = &(*level)[index].items;
    }
    *why = "an empty path";
    return false;
}

std::vector<option::MenuItem> ListItems(const std::vector<std::string>& texts) {
    std::vector<option::MenuItem> items;
    for (const std::string& text : texts) {
        option::MenuItem item;
        item.text = text;
        items.push_back(item);
    }
    return items;
}

POINT InWindow(HWND window, const char* layout) {
    const LayoutRecord r = Layout(layout);
    return ClientToScreenPoint(window, POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

}  // namespace tesh::test
