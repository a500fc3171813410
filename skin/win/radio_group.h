// Radio-like skin buttons: push-mode SkinButtons of one window, each standing for a
// value, of which exactly one (or none) shows selected. Not a window: the parent hands
// its WM_COMMAND ids to OnCommand, which selects the clicked button.
#pragma once

#include <vector>

#include "skin/win/skin_button.h"

namespace tesh::skin {

class RadioGroup {
  public:
    static constexpr int kNone = -1;

    // The button (created already or later; it must outlive the group) stands for
    // `value`.
    void Add(SkinButton& button, int value);
    // The button of `value` shows selected, every other one not; a value of no button
    // leaves none selected.
    void Select(int value);
    // The selected value, or kNone.
    int selected() const { return selected_; }
    // When `controlId` is one of the group's buttons: selects it, stores its value in
    // `*value` (when not null) and returns true.
    bool OnCommand(int controlId, int* value);

  private:
    struct Member {
        SkinButton* button;
        int value;
    };
    std::vector<Member> members_;
    int selected_ = kNone;
};

}  // namespace tesh::skin
