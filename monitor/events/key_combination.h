// A key combination button: while it is held, the key repeats like a held key on a
// keyboard (first after a second, then ten times a second), driven by timer 102. The
// keys let go are always the ones pressed, so that none stays down.
#pragma once

#include <cstdint>

#include "monitor/device_ports.h"
#include "monitor/events/event_ports.h"
#include "monitor/host_ports.h"
#include "settings/keyboard_layout.h"

namespace tesh::monitor {

// Modifier bits of a combination; kNoModifier excludes the others.
constexpr uint8_t kNoModifier = 1;
constexpr uint8_t kShiftBit = 2;
constexpr uint8_t kControlBit = 4;
constexpr uint8_t kAltBit = 8;
constexpr uint8_t kWindowsBit = 16;
// Keys of a combination are this far apart.
constexpr uint32_t kKeyGapMs = 1;

class KeyCombination {
  public:
    KeyCombination(InputPort& input, const KeyboardLayout& layout, Clock& clock, LinkHost& host)
        : input_(input), layout_(layout), clock_(clock), host_(host) {}

    // `key` is a HID usage; `modifiers` the bits above. The combination of the button
    // in `slot` is held until that button's Release; one held before is let go first.
    void Press(int slot, uint8_t key, uint8_t modifiers);
    // Timer 102.
    void Repeat();
    // The button in `slot` was let go: the keys it pressed go up, whatever the button
    // does by now (another profile may be active). Nothing when it holds no keys.
    void Release(int slot);
    // Lets go of whatever is held and stops the repeat (the mouse went away, or the
    // monitor ends).
    void ReleaseAll();
    bool held() const { return heldSlot_ != kNoSlot; }

  private:
    // The modifier keys set in `modifiers`, in pressing order; returns their count.
    static int Modifiers(uint8_t modifiers, int (&keys)[4]);

    InputPort& input_;
    const KeyboardLayout& layout_;
    Clock& clock_;
    LinkHost& host_;
    static constexpr int kNoSlot = -1;
    int heldSlot_ = kNoSlot;
    uint8_t key_ = 0;
    uint8_t modifiers_ = 0;
    bool firstRepeat_ = false;
};

}  // namespace tesh::monitor
