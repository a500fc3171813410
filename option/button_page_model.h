// The button page without its window: where its controls sit, which slot a label's
// command stands for, the menu opened for a slot (with the profile and slot it will
// write to, taken at that moment), and the rule that a click on a label whose menu
// has just been closed by that click does not open it again.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "option/button_catalogue.h"
#include "option/button_commands.h"
#include "settings/settings_set.h"

namespace tesh::option {

// Layout strings of the slot labels, "B1".."B24"; absent slots have no size.
const char* ButtonLabelLayout(int slot);
constexpr char kRightHandedLayout[] = "right,166,278,100,0,";
constexpr char kLeftHandedLayout[] = "Left,270,278,100,0,";
constexpr char kMacroManagerLayout[] = "Macro Manager,324,286,126,24,";

struct PageRect {
    int left, top, right, bottom;
};
constexpr int kHighlightPictures = 60;
// Where highlight picture 0..59 is shown.
PageRect HighlightPictureRect(int picture);
// The two mouse pictures redrawn when the orientation changes.
constexpr PageRect kMousePictureRects[2] = {{215, 28, 355, 150}, {610, 28, 750, 150}};

// The slot of a label's command identifier (200..223); -1 for another identifier.
int SlotOfLabel(int commandId);
constexpr int LabelOfSlot(int slot) {
    return kFirstLabelId + slot;
}

// A menu being shown: the slot it writes to and a copy of its area when it opened.
struct MenuSession {
    ButtonTarget target;
    ButtonRecord button;
    std::vector<MenuItem> items;
};
// The session for a slot of a profile; nothing when the slot opens no menu.
std::optional<MenuSession> OpenButtonMenu(const SettingsSet& working, ButtonTarget target,
                                          bool windowsXp, const CatalogueLists& lists);

// Remembers the label that showed the last menu and the window under the cursor when
// a menu closed.
class MenuToggle {
  public:
    // A click on a label: false (and both memories cleared) when the click closed this
    // label's own menu.
    bool ShouldOpen(uintptr_t label);
    void Shown(uintptr_t label) { lastShown_ = label; }
    void Closed(uintptr_t windowUnderCursor) { underCursor_ = windowUnderCursor; }

  private:
    uintptr_t lastShown_ = 0;
    uintptr_t underCursor_ = 0;
};

}  // namespace tesh::option
