// A skinned button that names the current choice and opens a skinned popup menu of
// the choices under itself, as the timer chooser and the media-player button do. A
// click that closes the button's own menu does not open it again.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "option/button_catalogue.h"
#include "option/button_page_model.h"
#include "skin/win/skin_button.h"

namespace tesh::option {

// Posted to the parent by a click (wParam the button's id), so that the menu runs
// after the button has finished with its own button-up.
constexpr UINT kDropDownMessage = WM_APP + 21;

struct DropDownChoice {
    int command;
    std::string text;  // UTF-8
};

class DropDownButton {
  public:
    bool Create(HWND parent, int id, const char* layout, const skin::SkinSources& pictures);
    void SetCaption(const std::string& caption) { button_.SetCaption(caption); }
    void Enable(bool enable) { button_.Enable(enable); }
    HWND hwnd() const { return button_.hwnd(); }
    // The parent's WM_COMMAND: true when it was this button's click.
    bool OnCommand(int id);
    // The parent's kDropDownMessage for this button: shows the menu of the choices
    // (the `checked` one ticked) and returns the command chosen, or 0.
    int ShowMenu(const std::vector<DropDownChoice>& choices, int checked, int fontHeight,
                 int width);
    // The same with a menu of the catalogue's kind (entries, separators, popups).
    int ShowMenu(const std::vector<MenuItem>& items);

  private:
    // Runs `track(owner, screen point under the button)` as the button's menu.
    template <typename Track>
    int Run(Track track);

    HWND parent_ = nullptr;
    int id_ = 0;
    skin::SkinButton button_;
    MenuToggle toggle_;
};

}  // namespace tesh::option
