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

PointerValues PreparePointerValues(ProfileRecord& profile, RegistryPort& registry) {
    PointerValues values;
    values.doubleClickTime = profile.DbleClickSpeed;
    values.acceleration = ReadValue(registry, kSpeedValue);
    values.threshold2 = ReadValue(registry, kThreshold2Value);
    values.threshold1 = ReadValue(registry, kThreshold1Value);
    if (profile.AccelerationFlag != 1 &&
        (values.acceleration != 0 || values.threshold2 != 0 || values.threshold1 != 0)) {
        profile.Acceleration = 0;
        values.acceleration = values.threshold2 = values.threshold1 = 0;
        registry.Write(kMouseKey, kSpeedValue, kZero);
        registry.Write(kMouseKey, kThreshold2Value, kZero);
        registry.Write(kMouseKey, kThreshold1Value, kZero);
    }
    values.speed = profile.MouseSpeed;
    values.wheelLines = profile.ScrollWheelFlag != 0 ? kWheelScrollPage : profile.ScrollWheelSpeed;
    values.wheelChars = profile.TiltSpeed;
    values.trails = profile.MouseTrails;
    return values;
}

void ApplyPointerValues(const PointerValues& values, PointerSystem& system) {
    system.SetDoubleClickTime(values.doubleClickTime);
    system.SetMouse(values.threshold1, values.threshold2, values.acceleration);
    system.SetMouseSpeed(values.speed);
    system.SetWheelScrollLines(values.wheelLines);
    system.SetWheelScrollChars(values.wheelChars);
    system.SetMouseTrails(values.trails);
}

void ApplyPointerSettings(ProfileRecord& profile, RegistryPort& registry, PointerSystem& system) {
    ApplyPointerValues(PreparePointerValues(profile, registry), system);
}

ProfileRecord* ActiveProfile(SettingsSet& set) {
    if (set.CurrentProfile < 0 || set.CurrentProfile >= kProfileCount) return nullptr;
    return &set.Profiles[set.CurrentProfile];
}

}  // namespace tesh::monitor
