// The Windows pointer settings of the active profile: double-click time, pointer
// acceleration and speed, wheel lines and characters, pointer trails. Applied at
// start-up, on Apply and on every profile change.
#pragma once

#include "settings/registry_port.h"
#include "settings/settings_set.h"

namespace tesh::monitor {

// The system's pointer and wheel settings; each call also tells the windows that
// need to know, as the system expects.
class PointerSystem {
  public:
    virtual ~PointerSystem() = default;
    virtual void SetDoubleClickTime(int milliseconds) = 0;
    // Acceleration thresholds and speed, in this order.
    virtual void SetMouse(int threshold1, int threshold2, int speed) = 0;
    virtual void SetMouseSpeed(int speed) = 0;
    // kWheelScrollPage scrolls a page at a time.
    virtual void SetWheelScrollLines(int lines) = 0;
    virtual void SetWheelScrollChars(int characters) = 0;
    virtual void SetMouseTrails(int trails) = 0;
};

constexpr int kWheelScrollPage = -1;

// Applies `profile`'s settings. Without acceleration (AccelerationFlag not 1) the
// registry's acceleration values are set to 0 when any of them is not, and the
// profile's Acceleration with them; a value that cannot be read counts as 0.
void ApplyPointerSettings(ProfileRecord& profile, RegistryPort& registry, PointerSystem& system);

// The active profile of `set`, or null when CurrentProfile is not 0..4.
ProfileRecord* ActiveProfile(SettingsSet& set);

}  // namespace tesh::monitor
