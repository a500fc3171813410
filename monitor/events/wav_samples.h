// Canonical WAV files as the sound files are made: a 44-byte header of RIFF, WAVE,
// a 16-byte "fmt " chunk of 16-bit PCM and the "data" chunk, samples from byte 44.
// Their samples are scaled in place for the volume step.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace tesh::monitor {

constexpr std::size_t kCanonicalWavHeader = 44;

// The bytes of whole 16-bit samples in a canonical file of `length` bytes: as many
// as the data chunk says, but none past the end of the file. nullopt when the file
// is not a canonical 16-bit PCM file.
std::optional<std::size_t> CanonicalSampleBytes(const uint8_t* file, std::size_t length);

// Each little-endian 16-bit sample times gain / 10, truncated toward zero and limited
// to -32767..32767.
void ScaleSamples(uint8_t* samples, std::size_t bytes, int gainTenths);

}  // namespace tesh::monitor
