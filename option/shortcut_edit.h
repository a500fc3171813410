// The shortcut dialog's rules: one key, taken from every key message the dialog's
// keyboard hook passes on (presses and releases alike), and the five modifier flags
// None, Shift, Ctrl, Alt and Win, which the button keeps as the bits 1, 2, 4, 8, 16.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "option/button_commands.h"
#include "settings/keyboard_layout.h"

namespace tesh::option {

enum ShortcutFlag { kFlagNone, kFlagShift, kFlagCtrl, kFlagAlt, kFlagWin, kShortcutFlags };

class ShortcutEdit {
  public:
    explicit ShortcutEdit(ShortcutChoice start);

    // A key message: true when the virtual key has a usage and became the key.
    bool OnKey(int virtualKey, const KeyboardLayout& layout);
    void SetFlag(int flag, bool on);
    bool flag(int flag) const;
    // With "None" set the four modifiers cannot be clicked.
    bool FlagEnabled(int flag) const;
    int usage() const { return usage_; }
    // The key's name for the read-only field; empty without a key.
    std::string KeyName(const KeyboardLayout& layout) const;
    // What OK stores: nothing without a key (OK then does nothing). "None" stands alone:
    // the modifiers it greys out do not count.
    std::optional<ShortcutChoice> Result() const;

  private:
    int usage_ = 0;
    bool flags_[kShortcutFlags] = {};
};

}  // namespace tesh::option
