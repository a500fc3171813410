#include "monitor/events/wav_samples.h"

#include <cstring>

namespace tesh::monitor {

namespace {

constexpr uint16_t kPcmFormat = 1;
constexpr uint16_t kSampleBits = 16;
constexpr uint32_t kFmtChunkSize = 16;
constexpr int32_t kLoudest = 32767;

uint32_t U32(const uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}
uint16_t U16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}
bool Tag(const uint8_t* p, const char (&tag)[5]) {
    return std::memcmp(p, tag, 4) == 0;
}

}  // namespace

std::optional<std::size_t> CanonicalSampleBytes(const uint8_t* file, std::size_t length) {
    if (length < kCanonicalWavHeader) return std::nullopt;
    if (!Tag(file, "RIFF") || !Tag(file + 8, "WAVE") || !Tag(file + 12, "fmt ") ||
        U32(file + 16) != kFmtChunkSize || U16(file + 20) != kPcmFormat ||
        U16(file + 34) != kSampleBits || !Tag(file + 36, "data")) {
        return std::nullopt;
    }
    const std::size_t declared = U32(file + 40) / 2 * 2;
    const std::size_t present = (length - kCanonicalWavHeader) / 2 * 2;
    return declared < present ? declared : present;
}

void ScaleSamples(uint8_t* samples, std::size_t bytes, int gainTenths) {
    for (std::size_t i = 0; i + 1 < bytes; i += 2) {
        const int32_t sample = static_cast<int16_t>(U16(samples + i));
        int32_t scaled = sample * gainTenths / 10;
        if (scaled > kLoudest) scaled = kLoudest;
        if (scaled < -kLoudest) scaled = -kLoudest;
        const auto bits = static_cast<uint16_t>(static_cast<int16_t>(scaled));
        samples[i] = static_cast<uint8_t>(bits & 0xFF);
        samples[i + 1] = static_cast<uint8_t>(bits >> 8);
    }
}

}  // namespace tesh::monitor
