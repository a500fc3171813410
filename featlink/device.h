// The virtual mouse: the featlink entry points and the mouse's own actions (cable,
// buttons, events), working on a DeviceState that may be shared between processes.
// The Device object itself holds only references; callers that share the state
// between threads or processes serialize the calls.
#pragma once

#include <cstdint>

#include "featlink/device_ports.h"
#include "featlink/device_state.h"

namespace tesh::vmouse {

class Device {
  public:
    // `events` may be null: events are then only logged.
    Device(DeviceState& state, const Clock& clock, EventSink* events);

    // The featlink transfers: byte 0 of the buffer is the report identifier and the
    // length must be the report's exact length. Nonzero when the report was written
    // (SetFeature) or the buffer filled (GetFeature). Every call is logged.
    int SetFeature(const uint8_t* buffer, uint32_t length);
    int GetFeature(uint8_t* buffer, uint32_t length);

    // The cable. An unplugged mouse fails every transfer, reports nothing and, when it
    // comes back, has lost everything but its flash.
    void Plug();
    void Unplug();
    bool plugged() const { return state_.plugged != 0; }

    // Buttons 0..17 as the firmware handles them (buttons.h); false when ignored, as
    // they are while unplugged or updating the firmware.
    bool Press(int button);
    bool Release(int button);

    // A raw event (false while unplugged).
    bool Emit(uint16_t eventClass, uint16_t value);
    // Usage counter events of class 0xE100..0xEF00; a count above 65535 goes out as
    // several events. False for another class.
    bool Usage(uint16_t eventClass, uint32_t count);
    // The mouse asking for the macro of a profile's button 2..17, and for the colour
    // database.
    bool RequestMacro(int profile, int button);
    bool RequestColourDatabase();

    Faults& faults() { return state_.faults; }
    DeviceState& state() { return state_; }

  private:
    class LoggedEvents;
    bool Write(const uint8_t* buffer, uint32_t length);
    bool Read(uint8_t* buffer, uint32_t length);
    void ApplyReplyFaults(uint8_t* buffer, uint32_t length);

    DeviceState& state_;
    const Clock& clock_;
    EventSink* events_;
};

}  // namespace tesh::vmouse
