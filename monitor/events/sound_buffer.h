// The one buffer that sounds are played from: whole pages, locked in memory so that a
// sound starts without paging, and kept from sound to sound. It only grows: a longer
// file gets a new buffer, the old one is let go.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tesh::monitor {

// Read/write pages locked in memory, as the platform gives them.
class PageMemory {
  public:
    virtual ~PageMemory() = default;
    virtual std::size_t PageSize() = 0;
    // `bytes` is a whole number of pages; null when they cannot be had.
    virtual void* Allocate(std::size_t bytes) = 0;
    virtual void Release(void* pages, std::size_t bytes) = 0;
};

class SoundBuffer {
  public:
    explicit SoundBuffer(PageMemory& memory) : memory_(memory) {}
    ~SoundBuffer() { Release(); }
    SoundBuffer(const SoundBuffer&) = delete;
    SoundBuffer& operator=(const SoundBuffer&) = delete;

    // Makes the buffer hold at least `bytes`; false when it cannot (the buffer is
    // then empty).
    bool Reserve(std::size_t bytes);
    // Lets the pages go (at shutdown).
    void Release();

    uint8_t* data() { return static_cast<uint8_t*>(pages_); }
    std::size_t size() const { return size_; }

  private:
    PageMemory& memory_;
    void* pages_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace tesh::monitor
