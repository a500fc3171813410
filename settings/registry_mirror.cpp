#include "settings/registry_mirror.h"

#include <optional>
#include <string>

namespace tesh {

namespace {

// The decimal parse of the Windows settings: optional sign, digits up to the first
// other character.
std::optional<int> ReadNumber(RegistryPort& registry, const char* key, const char* name) {
    std::optional<std::string> text = registry.Read(key, name);
    if (!text) return std::nullopt;
    const std::string& s = *text;
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    long long value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
        if (value < 1000000000LL) value = value * 10 + (s[i] - '0');
    return static_cast<int>(negative ? -value : value);
}

}  // namespace

bool WriteRegistry(RegistryPort& r, const ProfileRecord& p) {
    AccelerationRow row = AccelerationToRegistry(p.Acceleration, p.AccelerationFlag);
    const std::string wheel = p.ScrollWheelFlag == 1 ? "-1" : std::to_string(p.ScrollWheelSpeed);
    return r.Write(kMouseKey, "DoubleClickSpeed", std::to_string(p.DbleClickSpeed)) &&
           r.Write(kMouseKey, "MouseSensitivity", std::to_string(p.MouseSpeed)) &&
           r.Write(kMouseKey, "MouseTrails", std::to_string(p.MouseTrails)) &&
           r.Write(kMouseKey, "MouseSpeed", std::to_string(row.speed)) &&
           r.Write(kMouseKey, "MouseThreshold1", std::to_string(row.threshold1)) &&
           r.Write(kMouseKey, "MouseThreshold2", std::to_string(row.threshold2)) &&
           r.Write(kDesktopKey, "WheelScrollLines", wheel) &&
           r.Write(kDesktopKey, "WheelScrollChars", std::to_string(p.TiltSpeed));
}

bool ReadRegistry(RegistryPort& r, ProfileRecord& p) {
    bool complete = true;
    auto into = [&](const char* key, const char* name, int32_t& field) {
        std::optional<int> v = ReadNumber(r, key, name);
        if (v) field = *v;
        complete = complete && v.has_value();
    };
    into(kMouseKey, "DoubleClickSpeed", p.DbleClickSpeed);
    into(kMouseKey, "MouseSensitivity", p.MouseSpeed);
    into(kMouseKey, "MouseTrails", p.MouseTrails);

    std::optional<int> speed = ReadNumber(r, kMouseKey, "MouseSpeed");
    std::optional<int> t1 = ReadNumber(r, kMouseKey, "MouseThreshold1");
    std::optional<int> t2 = ReadNumber(r, kMouseKey, "MouseThreshold2");
    if (speed && t1 && t2) {
        int row = AccelerationFromRegistry({*speed, *t1, *t2});
        if (row >= 0) {
            p.Acceleration = row;
            p.AccelerationFlag = row != 0 ? 1 : 0;
        }
    } else {
        complete = false;
    }

    std::optional<int> lines = ReadNumber(r, kDesktopKey, "WheelScrollLines");
    if (lines) {
        if (*lines == -1) {
            p.ScrollWheelFlag = 1;
            if (p.ScrollWheelSpeed < 1 || p.ScrollWheelSpeed > 10) p.ScrollWheelSpeed = 3;
        } else {
            p.ScrollWheelSpeed = *lines;
            p.ScrollWheelFlag = 0;
        }
    } else {
        complete = false;
    }
    if (std::optional<int> chars = ReadNumber(r, kDesktopKey, "WheelScrollChars"))
        p.TiltSpeed = *chars;
    return complete;
}

}  // namespace tesh
