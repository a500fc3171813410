#include "monitor/events/key_combination.h"

#include "monitor/events/event_names.h"
#include "monitor/events/input_keys.h"

namespace tesh::monitor {

int KeyCombination::Modifiers(uint8_t modifiers, int (&keys)[4]) {
    if (modifiers & kNoModifier) return 0;
    int count = 0;
    if (modifiers & kControlBit) keys[count++] = kVkControl;
    if (modifiers & kShiftBit) keys[count++] = kVkShift;
    if (modifiers & kAltBit) keys[count++] = kVkAlt;
    if (modifiers & kWindowsBit) keys[count++] = kVkLeftWindows;
    return count;
}

void KeyCombination::Press(int slot, uint8_t key, uint8_t modifiers) {
    ReleaseAll();
    heldSlot_ = slot;
    key_ = key;
    modifiers_ = modifiers;
    int keys[4];
    const int count = Modifiers(modifiers, keys);
    for (int i = 0; i < count; ++i) {
        SendKey(input_, layout_, keys[i], false);
        clock_.SleepMs(kKeyGapMs);
    }
    if (const int vk = SendableVirtualKey(key, layout_)) SendKey(input_, layout_, vk, false);
    firstRepeat_ = true;
    host_.StartTimer(kKeyRepeatTimer, kKeyFirstRepeatMs);
}

void KeyCombination::Repeat() {
    if (!held()) {
        host_.KillTimer(kKeyRepeatTimer);
        return;
    }
    if (firstRepeat_) {
        firstRepeat_ = false;
        host_.StartTimer(kKeyRepeatTimer, kKeyRepeatMs);
    }
    const int vk = SendableVirtualKey(key_, layout_);
    if (vk == 0 || IsModifierKey(vk)) return;
    SendKey(input_, layout_, vk, true);
    clock_.SleepMs(kKeyGapMs);
    SendKey(input_, layout_, vk, false);
}

void KeyCombination::Release(int slot) {
    if (held() && slot == heldSlot_) ReleaseAll();
}

// The key first, then the modifiers in the reverse order of their pressing.
void KeyCombination::ReleaseAll() {
    if (!held()) return;
    heldSlot_ = kNoSlot;
    host_.KillTimer(kKeyRepeatTimer);
    if (const int vk = SendableVirtualKey(key_, layout_)) SendKey(input_, layout_, vk, true);
    int keys[4];
    const int count = Modifiers(modifiers_, keys);
    for (int i = count - 1; i >= 0; --i) {
        clock_.SleepMs(kKeyGapMs);
        SendKey(input_, layout_, keys[i], true);
    }
}

}  // namespace tesh::monitor
