// The upload's ports on Windows: feature reports through the bound featlink functions,
// and a clock whose waits end at once when the upgrade window closes.
#pragma once

#include <windows.h>

#include "upgrade/update_ports.h"
#include "upgrade/win/featlink_entry_points.h"

namespace tesh::upgrade {

class FeatlinkUpdateDevice : public UpdateDevice {
  public:
    explicit FeatlinkUpdateDevice(const FeatlinkEntryPoints& featlink) : featlink_(featlink) {}
    bool SetFeature(const uint8_t* buffer, uint32_t length) override;
    bool GetFeature(uint8_t* buffer, uint32_t length) override;

  private:
    const FeatlinkEntryPoints& featlink_;
};

// Sleeps until the time is up or `wake` is signalled; a signalled (manual-reset) event
// makes every later wait return at once.
class InterruptibleClock : public UpdateClock {
  public:
    explicit InterruptibleClock(HANDLE wake) : wake_(wake) {}
    void SleepMs(uint32_t milliseconds) override { WaitForSingleObject(wake_, milliseconds); }

  private:
    HANDLE wake_;
};

}  // namespace tesh::upgrade
