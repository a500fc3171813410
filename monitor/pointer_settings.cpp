#include "monitor/pointer_settings.h"

#include "settings/ini_file.h"
#include "settings/registry_mirror.h"

namespace tesh::monitor {

namespace {

constexpr char kSpeedValue[] = "MouseSpeed";
constexpr char kThreshold1Value[] = "MouseThreshold1";
constexpr char kThreshold2Value[] = "MouseThreshold2";
constexpr char kZero[] = "0";

int ReadValue(RegistryPort& registry, const char* name) {
    return ParseIniInt(registry.Read(kMouseKey, name), 0);
}

}  // namespace

void ApplyPointerSettings(ProfileRecord& profile, RegistryPort& registry, PointerSystem& system) {
    system.SetDoubleClickTime(profile.DbleClickSpeed);
    int speed = ReadValue(registry, kSpeedValue);
    int threshold2 = ReadValue(registry, kThreshold2Value);
    int threshold1 = ReadValue(registry, kThreshold1Value);
    if (profile.AccelerationFlag != 1 && (speed != 0 || threshold2 != 0 || threshold1 != 0)) {
        profile.Acceleration = 0;
        speed = threshold2 = threshold1 = 0;
        registry.Write(kMouseKey, kSpeedValue, kZero);
        registry.Write(kMouseKey, kThreshold2Value, kZero);
        registry.Write(kMouseKey, kThreshold1Value, kZero);
    }
    system.SetMouse(threshold1, threshold2, speed);
    system.SetMouseSpeed(profile.MouseSpeed);
    system.SetWheelScrollLines(profile.ScrollWheelFlag != 0 ? kWheelScrollPage
                                                            : profile.ScrollWheelSpeed);
    system.SetWheelScrollChars(profile.TiltSpeed);
    system.SetMouseTrails(profile.MouseTrails);
}

ProfileRecord* ActiveProfile(SettingsSet& set) {
    if (set.CurrentProfile < 0 || set.CurrentProfile >= kProfileCount) return nullptr;
    return &set.Profiles[set.CurrentProfile];
}

}  // namespace tesh::monitor
