// The function catalogue of a button slot as a skinned popup menu: the model's items
// turned into owner-drawn menus and their popups, made for one opening and destroyed
// with this object.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "option/button_catalogue.h"
#include "skin/win/skin_menu.h"

namespace tesh::option {

class CatalogueMenu {
  public:
    explicit CatalogueMenu(const std::vector<MenuItem>& items);
    // Shows the menu with its top-left corner at the screen point (either mouse button
    // picks) and returns the chosen command, or 0.
    int Track(HWND owner, POINT screen);

  private:
    skin::SkinMenu& Build(const std::vector<MenuItem>& items, int width);

    std::vector<std::unique_ptr<skin::SkinMenu>> menus_;  // the top menu first
};

}  // namespace tesh::option
