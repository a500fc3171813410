// The Quib light commands that the peers' messages ask for, on their way to the mouse.
#pragma once

#include <cstdint>

#include "monitor/peripheral_reports.h"

namespace tesh::monitor {

class QuibLights {
  public:
    virtual ~QuibLights() = default;
    virtual void SendQuibLight(uint8_t a, uint8_t b, uint8_t c) = 0;
    virtual void SendAmbientLight(const AmbientRecord& record) = 0;
};

}  // namespace tesh::monitor
