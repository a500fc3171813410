// What the virtual mouse's fuzz targets check of every reply, event and description:
// whatever its memory or flash holds, a selected reply names a real profile and button,
// a button event a real button, the state is JSON, a log line no more bytes than an
// entry keeps. (The active profile report answers the byte kept, for the host to judge.)
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "featlink/device_ports.h"
#include "featlink/event_codes.h"
#include "featlink/exchange_log.h"
#include "featlink/shared_mouse.h"
#include "featlink/vmouse_state.h"
#include "featlink/wire.h"
#include "fuzz/fuzz_check.h"

namespace tesh::vmouse::fuzz {

class FixedClock : public Clock {
  public:
    uint64_t NowMs() const override { return 1000; }
};

class RecordedEvents : public EventSink {
  public:
    struct Event {
        uint16_t eventClass;
        uint16_t value;
    };
    void DeviceEvent(uint16_t eventClass, uint16_t value) override {
        events.push_back({eventClass, value});
    }
    void Plug(bool) override {}
    std::vector<Event> events;
};

// A reply that the mouse gave (byte 0 its identifier).
inline void CheckReply(const uint8_t* reply) {
    const uint8_t id = reply[0];
    if (id == kReportProfileSettings || id == kReportButtons) {
        TESH_FUZZ_CHECK(reply[2] < kDeviceProfiles);
    }
    if (id == kReportMacro) {
        TESH_FUZZ_CHECK(reply[3] < kDeviceProfiles && reply[4] < kDeviceButtons);
    }
}

// The events of presses and releases.
inline void CheckButtonEvents(const RecordedEvents& sink) {
    for (const RecordedEvents::Event& event : sink.events) {
        if (event.eventClass == kEventHostButton || event.eventClass == kEventQuib ||
            event.eventClass == kEventRunProgram) {
            const int a = event.value & 0xFF;
            TESH_FUZZ_CHECK(a >= 1 && a <= kDeviceButtons);
        }
        if (event.eventClass == kEventProfile) {
            TESH_FUZZ_CHECK(event.value >= 1 && event.value <= kDeviceProfiles);
        }
    }
}

// A mouse fresh from InitSharedMouse, made once: copied over the one under test for
// each input, which is much quicker than setting it up anew.
inline const SharedMouse& FreshMouse() {
    static const SharedMouse* fresh = [] {
        auto* mouse = new SharedMouse;
        InitSharedMouse(*mouse);
        return mouse;
    }();
    return *fresh;
}

inline void CheckDescription(const SharedMouse& mouse) {
    constexpr std::size_t kLongestSuffix = 32;  // " ... (N bytes) failed"
    const auto state = nlohmann::json::parse(DescribeMouse(mouse, true, "flash.bin"));
    TESH_FUZZ_CHECK(state["dpiLevel"].is_number());
    (void)DescribeMouse(mouse, false, "");
    const ExchangeLog& log = mouse.device.log;
    for (uint32_t i = 0; i < LogSize(log); ++i) {
        const std::string line = FormatLogEntry(LogEntryAt(log, i));
        TESH_FUZZ_CHECK(line.size() <= 3 + 3 * kLogBytes + kLongestSuffix);
    }
}

}  // namespace tesh::vmouse::fuzz
