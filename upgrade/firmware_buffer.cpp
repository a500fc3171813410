#include "upgrade/firmware_buffer.h"

#include <cstdio>
#include <cstring>

namespace tesh::upgrade {

namespace {

void SumBlocks(FirmwareBuffer& buffer) {
    for (uint32_t n = 0; n < buffer.BlockCount(); ++n) {
        uint32_t sum = 0;
        const uint8_t* block = buffer.Block(n);
        for (uint32_t i = 0; i < kBlockBytes; ++i) sum += block[i];
        buffer.checksums[2 * n] = static_cast<uint8_t>(sum & 0xFF);
        buffer.checksums[2 * n + 1] = static_cast<uint8_t>(sum >> 8 & 0xFF);
    }
}

void Reset(FirmwareBuffer& buffer) {
    std::memset(buffer.image, 0, sizeof buffer.image);
    std::memset(buffer.checksums, 0, sizeof buffer.checksums);
    buffer.size = 0;
}

}  // namespace

LoadResult LoadFirmware(FirmwareBuffer& buffer, const uint8_t* bytes, uint32_t size) {
    Reset(buffer);
    if (size > kMaxImageBytes) return LoadResult::kTooLarge;
    if (size) std::memcpy(buffer.image, bytes, size);
    buffer.size = size;
    SumBlocks(buffer);
    return LoadResult::kOk;
}

LoadResult LoadFirmwareFile(FirmwareBuffer& buffer, const std::string& path) {
    Reset(buffer);
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return LoadResult::kUnreadable;
    // Read one byte past the limit to tell a full image from an oversize one.
    std::size_t n = std::fread(buffer.image, 1, kMaxImageBytes, f);
    uint8_t extra;
    bool tooLarge = n == kMaxImageBytes && std::fread(&extra, 1, 1, f) == 1;
    bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) {
        Reset(buffer);
        return LoadResult::kUnreadable;
    }
    if (tooLarge) {
        Reset(buffer);
        return LoadResult::kTooLarge;
    }
    buffer.size = static_cast<uint32_t>(n);
    SumBlocks(buffer);
    return LoadResult::kOk;
}

}  // namespace tesh::upgrade
