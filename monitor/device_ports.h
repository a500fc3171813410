// What the device code needs from the platform: the feature device (the featlink
// transfers) and a clock that sleeps. Tests give fakes: the virtual mouse's model and
// a clock that only advances virtual time, so that every pause can be checked.
#pragma once

#include <cstdint>

namespace tesh::monitor {

class FeatureDevice {
  public:
    virtual ~FeatureDevice() = default;
    // Whole reports: byte 0 of the buffer is the report identifier, `length` the
    // report's full length. True when the report was written or the buffer filled.
    virtual bool SetFeature(const uint8_t* buffer, uint32_t length) = 0;
    virtual bool GetFeature(uint8_t* buffer, uint32_t length) = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual void SleepMs(uint32_t milliseconds) = 0;
    virtual uint64_t NowMs() const = 0;
};

// Real time: std::this_thread::sleep_for and the steady clock.
class SteadyClock : public Clock {
  public:
    void SleepMs(uint32_t milliseconds) override;
    uint64_t NowMs() const override;
};

}  // namespace tesh::monitor
