// The sound player's Windows side: locked pages from the memory manager and playback
// of a WAV file in memory.
#pragma once

#include "monitor/events/sound_buffer.h"
#include "monitor/events/sound_player.h"

namespace tesh::monitor {

// VirtualAlloc'd read/write pages, locked with VirtualLock (when the working set
// allows; unlocked pages still serve).
class LockedPages : public PageMemory {
  public:
    std::size_t PageSize() override;
    void* Allocate(std::size_t bytes) override;
    void Release(void* pages, std::size_t bytes) override;
};

// PlaySoundA from memory, asynchronous, not waiting for a busy device.
class SystemSoundOutput : public SoundOutput {
  public:
    void Stop() override;
    void PlayFromMemory(const uint8_t* file, std::size_t length) override;
};

}  // namespace tesh::monitor
