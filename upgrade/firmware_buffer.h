// The image as the upgrader sends it: read into a fixed 200-block buffer (a last
// partial block zero-padded) with the 16-bit sum of every block. Nothing is parsed.
#pragma once

#include <cstdint>
#include <string>

#include "upgrade/update_wire.h"

namespace tesh::upgrade {

enum class LoadResult { kOk, kUnreadable, kTooLarge };

struct FirmwareBuffer {
    uint8_t image[kMaxImageBytes];
    uint8_t checksums[kMaxBlocks * 2];  // entry n low byte first
    uint32_t size;

    uint32_t BlockCount() const { return (size + kBlockBytes - 1) / kBlockBytes; }
    const uint8_t* Block(uint32_t n) const { return image + n * kBlockBytes; }
    uint16_t Checksum(uint32_t n) const {
        return static_cast<uint16_t>(checksums[2 * n] | checksums[2 * n + 1] << 8);
    }
    // The progress bar's range: whole blocks only.
    uint32_t ProgressRange() const { return size / kBlockBytes; }
};

// Zeroes the buffer, then reads the bytes and sums the blocks. An image over 200
// blocks is refused before anything is kept, so it can never be half sent.
LoadResult LoadFirmware(FirmwareBuffer& buffer, const uint8_t* bytes, uint32_t size);
LoadResult LoadFirmwareFile(FirmwareBuffer& buffer, const std::string& path);

}  // namespace tesh::upgrade
