#include "featlink/firmware_image.h"

#include <cstring>

namespace tesh::vmouse {

namespace {

constexpr uint32_t kCrcPolynomial = 0xEDB88320u;

uint32_t ReadLe32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

void WriteLe32(char* p, uint32_t value) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

uint32_t Crc32Update(uint32_t state, const uint8_t* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        state ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit)
            state = (state >> 1) ^ (kCrcPolynomial & (0u - (state & 1u)));
    }
    return state;
}

bool ParseFirmwareHeader(const uint8_t* bytes, std::size_t size, FirmwareHeader& header) {
    if (size < kFirmwareHeaderSize || std::memcmp(bytes, kFirmwareMagic, 4) != 0 ||
        bytes[5] != kFirmwareHeaderSize) {
        return false;
    }
    header.version = bytes[4];
    header.payloadLength = ReadLe32(bytes + 8);
    header.payloadCrc = ReadLe32(bytes + 12);
    return true;
}

bool VerifyFirmwareImage(const uint8_t* bytes, std::size_t size, FirmwareHeader* header) {
    FirmwareHeader h;
    if (!ParseFirmwareHeader(bytes, size, h)) return false;
    if (h.payloadLength > size - kFirmwareHeaderSize) return false;
    const uint32_t crc =
        Crc32Final(Crc32Update(kCrc32Start, bytes + kFirmwareHeaderSize, h.payloadLength));
    if (crc != h.payloadCrc) return false;
    if (header) *header = h;
    return true;
}

std::string BuildFirmwareImage(uint8_t version, uint32_t size) {
    if (size < kFirmwareHeaderSize) size = kFirmwareHeaderSize;
    std::string image(size, '\0');
    const uint32_t payloadLength = size - kFirmwareHeaderSize;
    for (uint32_t i = 0; i < payloadLength; ++i) {
        // Varies with the version so that two images never look alike.
        image[kFirmwareHeaderSize + i] =
            static_cast<char>((i * 31 + version * 7 + (i >> 8)) & 0xFF);
    }
    std::memcpy(image.data(), kFirmwareMagic, 4);
    image[4] = static_cast<char>(version);
    image[5] = static_cast<char>(kFirmwareHeaderSize);
    WriteLe32(image.data() + 8, payloadLength);
    const auto* payload = reinterpret_cast<const uint8_t*>(image.data()) + kFirmwareHeaderSize;
    WriteLe32(image.data() + 12, Crc32Final(Crc32Update(kCrc32Start, payload, payloadLength)));
    return image;
}

}  // namespace tesh::vmouse
