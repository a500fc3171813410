#include "skin/win/radio_group.h"

#include <algorithm>

namespace tesh::skin {

void RadioGroup::Add(SkinButton& button, int value) {
    members_.push_back({&button, value});
    button.SetSelected(value == selected_);
}

void RadioGroup::Select(int value) {
    const bool known = std::any_of(members_.begin(), members_.end(),
                                   [value](const Member& m) { return m.value == value; });
    selected_ = known ? value : kNone;
    for (const Member& m : members_) m.button->SetSelected(m.value == selected_);
}

bool RadioGroup::OnCommand(int controlId, int* value) {
    for (const Member& m : members_) {
        if (m.button->hwnd() && m.button->id() == controlId) {
            Select(m.value);
            if (value) *value = m.value;
            return true;
        }
    }
    return false;
}

}  // namespace tesh::skin
