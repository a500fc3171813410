// The shared settings block as the monitor uses it: the whole settings image copied
// into it (publish) or out of it (refresh), always all of it and always under the
// block mutex. Without a block (it could not be created) publish and refresh copy
// nothing and the monitor runs on its image alone.
#pragma once

#include "monitor/host_ports.h"
#include "settings/settings_set.h"

namespace tesh::monitor {

// The block's memory and mutex as the platform provides them.
class BlockMemory {
  public:
    virtual ~BlockMemory() = default;
    // The mapped block, sizeof(SettingsSet) bytes; null when there is none.
    virtual void* view() = 0;
    // Waits for the block mutex without a time limit; false when the wait failed.
    virtual bool Lock() = 0;
    virtual void Unlock() = 0;
};

class SharedSettingsBlock : public SettingsBlock {
  public:
    explicit SharedSettingsBlock(BlockMemory& memory) : memory_(memory) {}
    // Image into the block.
    void Publish(const SettingsSet& image) override;
    // Block into the image; false when nothing was copied.
    bool Refresh(SettingsSet& image);

  private:
    BlockMemory& memory_;
};

}  // namespace tesh::monitor
