#include "option/shortcut_edit.h"

#include "option/button_labels.h"
#include "settings/key_tables.h"

namespace tesh::option {
namespace {

constexpr int kLastUsage = 255;
constexpr uint8_t kFlagBits[kShortcutFlags] = {modifier::kNone, modifier::kShift, modifier::kCtrl,
                                               modifier::kAlt, modifier::kWin};

bool ValidFlag(int flag) {
    return flag >= 0 && flag < kShortcutFlags;
}

}  // namespace

ShortcutEdit::ShortcutEdit(ShortcutChoice start) : usage_(start.usage) {
    for (int f = 0; f < kShortcutFlags; ++f) flags_[f] = (start.modifiers & kFlagBits[f]) != 0;
}

bool ShortcutEdit::OnKey(int virtualKey, const KeyboardLayout& layout) {
    const KeyCode key = VkToUsage(virtualKey, layout);
    if (!key.found || key.code <= 0 || key.code > kLastUsage) return false;
    usage_ = key.code;
    return true;
}

void ShortcutEdit::SetFlag(int flag, bool on) {
    if (ValidFlag(flag) && FlagEnabled(flag)) flags_[flag] = on;
}

bool ShortcutEdit::flag(int flag) const {
    return ValidFlag(flag) && flags_[flag];
}

bool ShortcutEdit::FlagEnabled(int flag) const {
    return flag == kFlagNone || !flags_[kFlagNone];
}

std::string ShortcutEdit::KeyName(const KeyboardLayout& layout) const {
    return usage_ ? UsageName(usage_, layout) : std::string();
}

std::optional<ShortcutChoice> ShortcutEdit::Result() const {
    if (!usage_) return std::nullopt;
    ShortcutChoice choice;
    choice.usage = static_cast<uint8_t>(usage_);
    if (flags_[kFlagNone]) {
        choice.modifiers = modifier::kNone;
        return choice;
    }
    choice.modifiers = 0;
    for (int f = 0; f < kShortcutFlags; ++f)
        if (flags_[f]) choice.modifiers = static_cast<uint8_t>(choice.modifiers | kFlagBits[f]);
    return choice;
}

}  // namespace tesh::option
