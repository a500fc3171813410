// What the virtual mouse needs from its host: a clock for the exchange log and a sink
// for the events it reports. The featlink library posts the events as window messages
// (kDeviceEventMessage, kPlugMessage); tests record them.
#pragma once

#include <cstdint>

namespace tesh::vmouse {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual uint64_t NowMs() const = 0;
};

class EventSink {
  public:
    virtual ~EventSink() = default;
    virtual void DeviceEvent(uint16_t eventClass, uint16_t value) = 0;
    virtual void Plug(bool arrived) = 0;
};

}  // namespace tesh::vmouse
