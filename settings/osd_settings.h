// The on-screen display's settings block, kept in config.ini [OSDSetting] `config`.
// The store only carries it; the monitor reads the 16-bit values at bytes 28 and 32.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tesh {

struct OsdSettings {
    uint8_t head[28];
    int32_t value28;
    int32_t value32;
    char text36[100];
    int32_t value136;
    char text140[100];
    char text240[100];
    int32_t value340;
};
static_assert(sizeof(OsdSettings) == 344);
static_assert(offsetof(OsdSettings, value28) == 28);
static_assert(offsetof(OsdSettings, value32) == 32);
static_assert(offsetof(OsdSettings, value136) == 136);
static_assert(offsetof(OsdSettings, value340) == 340);

// 28 bytes 0, two int32 0, "", 110, "", "", 5.
inline OsdSettings DefaultOsdSettings() {
    OsdSettings s{};
    s.value136 = 110;
    s.value340 = 5;
    return s;
}

}  // namespace tesh
