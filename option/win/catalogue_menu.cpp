#include "option/win/catalogue_menu.h"

#include <string>

namespace tesh::option {
namespace {

// Names of macros, sets, timers and devices are in the system's code page.
std::wstring MenuText(const std::string& text) {
    if (text.empty()) return {};
    const int size =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    if (size > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                            size);
    return wide;
}

}  // namespace

CatalogueMenu::CatalogueMenu(const std::vector<MenuItem>& items) {
    Build(items, kMenuWidth);
}

skin::SkinMenu& CatalogueMenu::Build(const std::vector<MenuItem>& items, int width) {
    menus_.push_back(std::make_unique<skin::SkinMenu>());
    skin::SkinMenu& menu = *menus_.back();
    menu.SetMinimumWidth(width);
    for (const MenuItem& item : items) {
        const int position = GetMenuItemCount(menu.handle());
        switch (item.kind) {
            case MenuItem::Kind::kSeparator:
                menu.AddSeparator();
                break;
            case MenuItem::Kind::kPopup:
                menu.AddPopup(MenuText(item.text),
                              Build(item.items, item.width ? item.width : kMenuWidth));
                break;
            case MenuItem::Kind::kCommand:
                menu.AddItem(item.command, MenuText(item.text));
                break;
        }
        // The slot's present choice (its macro set and macro) carries the mark.
        if (item.selected)
            CheckMenuItem(menu.handle(), static_cast<UINT>(position), MF_BYPOSITION | MF_CHECKED);
    }
    return menu;
}

int CatalogueMenu::Track(HWND owner, POINT screen) {
    if (menus_.empty()) return 0;
    return menus_.front()->Track(owner, screen, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON);
}

}  // namespace tesh::option
