// Our test firmware images. The upgrader sends an image byte for byte; the virtual
// mouse checks it when the upload finishes and then runs its version. An image is a
// 16-byte header followed by the payload:
//   0..3   "TUFW"
//   4      firmware version
//   5      header size (16)
//   6..7   0
//   8..11  payload length, little-endian
//   12..15 CRC-32 of the payload, little-endian
// The file may be longer than header and payload; the rest is not checked.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tesh::vmouse {

constexpr uint8_t kFirmwareMagic[4] = {'T', 'U', 'F', 'W'};
constexpr uint32_t kFirmwareHeaderSize = 16;

struct FirmwareHeader {
    uint8_t version;
    uint32_t payloadLength;
    uint32_t payloadCrc;
};

// CRC-32 (the common reflected polynomial 0xEDB88320) in steps: start with
// kCrc32Start, feed bytes with Crc32Update, finish with Crc32Final.
constexpr uint32_t kCrc32Start = 0xFFFFFFFFu;
uint32_t Crc32Update(uint32_t state, const uint8_t* bytes, std::size_t count);
constexpr uint32_t Crc32Final(uint32_t state) {
    return ~state;
}

// Reads the header from the first bytes; false when they are not one of ours.
bool ParseFirmwareHeader(const uint8_t* bytes, std::size_t size, FirmwareHeader& header);
// True when the whole image is well formed: header, length and payload CRC.
bool VerifyFirmwareImage(const uint8_t* bytes, std::size_t size, FirmwareHeader* header);
// A valid image of `size` bytes (at least the header) with a deterministic payload.
std::string BuildFirmwareImage(uint8_t version, uint32_t size);

}  // namespace tesh::vmouse
