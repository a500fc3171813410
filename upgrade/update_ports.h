// What the upload needs from the platform: the feature reports of the featlink library
// and a clock that sleeps. Tests use the virtual mouse's model and a virtual clock.
#pragma once

#include <cstdint>

namespace tesh::upgrade {

class UpdateDevice {
  public:
    virtual ~UpdateDevice() = default;
    // Whole reports, byte 0 the report id; true when written / filled.
    virtual bool SetFeature(const uint8_t* buffer, uint32_t length) = 0;
    virtual bool GetFeature(uint8_t* buffer, uint32_t length) = 0;
};

class UpdateClock {
  public:
    virtual ~UpdateClock() = default;
    virtual void SleepMs(uint32_t milliseconds) = 0;
};

}  // namespace tesh::upgrade
