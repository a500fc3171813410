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

// What the system is told for a profile.
struct PointerValues {
    int doubleClickTime = 0;
    int threshold1 = 0;
    int threshold2 = 0;
    int acceleration = 0;  // the registry's MouseSpeed
    int speed = 0;
    int wheelLines = 0;
    int wheelChars = 0;
    int trails = 0;
};

// The values of `profile`, read with the registry's acceleration. Without acceleration
// (AccelerationFlag not 1) the registry's acceleration values are set to 0 when any of
// them is not, and the profile's Acceleration with them; a value that cannot be read
// counts as 0. Done under the image's lock: it only touches the registry.
PointerValues PreparePointerValues(ProfileRecord& profile, RegistryPort& registry);
// Tells the system, which lets other programs' sent messages in: never under a lock.
void ApplyPointerValues(const PointerValues& values, PointerSystem& system);
// Both in one, for callers that hold no lock.
void ApplyPointerSettings(ProfileRecord& profile, RegistryPort& registry, PointerSystem& system);

// The active profile of `set`, or null when CurrentProfile is not 0..4.
ProfileRecord* ActiveProfile(SettingsSet& set);

}  // namespace tesh::monitor
