#include "option/win/drop_down_button.h"

#include "option/win/catalogue_menu.h"
#include "skin/layout_record.h"
#include "skin/win/layout_rect.h"
#include "skin/win/skin_menu.h"
#include "skin/win/wide_text.h"

namespace tesh::option {

bool DropDownButton::Create(HWND parent, int id, const char* layout,
                            const skin::SkinSources& pictures) {
    parent_ = parent;
    id_ = id;
    if (!button_.Create(parent, id, Layout(layout))) return false;
    button_.SetSkin(skin::LayoutRect(layout), pictures);
    return true;
}

bool DropDownButton::OnCommand(int id) {
    if (id != id_) return false;
    if (toggle_.ShouldOpen(reinterpret_cast<uintptr_t>(button_.hwnd())))
        PostMessageA(parent_, kDropDownMessage, static_cast<WPARAM>(id_), 0);
    return true;
}

template <typename Track>
int DropDownButton::Run(Track track) {
    RECT r;
    GetWindowRect(button_.hwnd(), &r);
    button_.SetSelected(true);
    toggle_.Shown(reinterpret_cast<uintptr_t>(button_.hwnd()));
    const int chosen = track(parent_, POINT{r.left, r.bottom});
    // A click outside the menu closes it and then reaches the window under the pointer.
    toggle_.Closed(chosen ? 0 : reinterpret_cast<uintptr_t>(skin::SkinMenu::ClosingClickWindow()));
    button_.SetSelected(false);
    return chosen;
}

int DropDownButton::ShowMenu(const std::vector<DropDownChoice>& choices, int checked,
                             int fontHeight, int width) {
    skin::SkinMenu menu;
    menu.SetFontHeight(fontHeight);
    menu.SetMinimumWidth(width);
    for (const DropDownChoice& choice : choices) {
        menu.AddItem(choice.command, skin::Widen(choice.text));
        if (choice.command == checked) menu.SetChecked(choice.command, true);
    }
    return Run(
        [&](HWND owner, POINT at) { return menu.Track(owner, at, TPM_LEFTALIGN | TPM_TOPALIGN); });
}

int DropDownButton::ShowMenu(const std::vector<MenuItem>& items) {
    CatalogueMenu menu(items);
    return Run([&](HWND owner, POINT at) { return menu.Track(owner, at); });
}

}  // namespace tesh::option
