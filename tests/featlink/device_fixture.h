// A virtual mouse on a test clock with its events recorded, and helpers that speak
// the reports as the monitor does.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "featlink/device.h"
#include "featlink/device_state.h"

namespace tesh::vmouse::test {

using Bytes = std::vector<uint8_t>;

class TestClock : public Clock {
  public:
    uint64_t NowMs() const override { return now; }
    uint64_t now = 5000;
};

struct Event {
    uint16_t eventClass;
    uint16_t value;
    bool operator==(const Event&) const = default;
};
void PrintTo(const Event& event, std::ostream* os);

class RecordingSink : public EventSink {
  public:
    void DeviceEvent(uint16_t eventClass, uint16_t value) override {
        events.push_back({eventClass, value});
    }
    void Plug(bool arrived) override { plugs.push_back(arrived); }
    std::vector<Event> events;
    std::vector<bool> plugs;
};

class DeviceTest : public ::testing::Test {
  protected:
    DeviceTest();

    DeviceState& state() { return *state_; }
    Device& device() { return device_; }
    DeviceFlash& flash() { return state_->flash; }

    // One transfer; Set sends the bytes as they are, Get asks for `length` bytes of
    // report `id` and returns them (empty when the call failed).
    bool Set(const Bytes& report);
    Bytes Get(uint8_t id, uint32_t length);
    // Byte 1 of a status read (report 4 or 0x1C); 0 when the read failed.
    uint8_t Status();
    uint8_t UpdateStatus();
    // Status write 4, profile, selector, and its status.
    uint8_t Select(uint8_t profile, uint8_t selector);
    // Write a report and return the status that follows it (polling past busy).
    uint8_t SetAndWait(const Bytes& report);

    // Reports as the host builds them, with their checksums.
    static Bytes ProfileSettingsReport(uint8_t profile, const ProfileSettings& settings);
    static Bytes ButtonsReport(uint8_t profile, const ButtonEntry (&buttons)[kDeviceButtons]);
    static Bytes MacroReport(uint8_t profile, uint8_t button, const MacroEntry& macro);
    // Selected reads: select, then read; empty when either failed.
    Bytes ReadProfileSettings(uint8_t profile);
    Bytes ReadButtons(uint8_t profile);
    Bytes ReadMacro(uint8_t profile, uint8_t button);
    // Function code of each device button of a profile, written with a button report.
    void AssignCode(uint8_t profile, int button, uint8_t code);

    TestClock clock_;
    RecordingSink sink_;
    std::unique_ptr<DeviceState> state_;
    Device device_;
};

// A macro of `count` events whose bytes are all distinct from their neighbours.
MacroEntry SampleMacro(uint16_t count);

}  // namespace tesh::vmouse::test
