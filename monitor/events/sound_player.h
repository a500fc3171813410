// Plays the spoken sounds: the file of a sound number read into the sound buffer, its
// samples scaled for the volume step, and played from memory without waiting. A new
// sound stops the one that plays; a missing file plays nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "monitor/events/event_ports.h"
#include "monitor/events/sound_buffer.h"

namespace tesh::monitor {

// The system's sound output.
class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    virtual void Stop() = 0;
    // A whole WAV file in memory, played asynchronously; the bytes stay untouched
    // until the next Stop.
    virtual void PlayFromMemory(const uint8_t* file, std::size_t length) = 0;
};

class SoundPlayer : public SoundPort {
  public:
    // `programDirectory` ends with a separator.
    SoundPlayer(std::string programDirectory, PageMemory& memory, SoundOutput& output)
        : dir_(std::move(programDirectory)), buffer_(memory), output_(output) {}

    void Play(int number, int soundVolume) override;
    // Stops the sound and lets the buffer go (at shutdown).
    void Release();

  private:
    // Reads the whole file into the buffer; its length, or 0 when it cannot be read.
    std::size_t Load(const std::string& path);

    std::string dir_;
    SoundBuffer buffer_;
    SoundOutput& output_;
};

}  // namespace tesh::monitor
