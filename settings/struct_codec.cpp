#include "settings/struct_codec.h"

#include <cstring>
#include <vector>

namespace tesh {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

void AppendEncodedStruct(std::string& out, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    std::size_t start = out.size();
    out.resize(start + 2 * size + 2);
    char* p = out.data() + start;
    unsigned sum = 0;
    for (std::size_t i = 0; i < size; ++i) {
        sum += bytes[i];
        *p++ = kHexDigits[bytes[i] >> 4];
        *p++ = kHexDigits[bytes[i] & 15];
    }
    *p++ = kHexDigits[(sum >> 4) & 15];
    *p = kHexDigits[sum & 15];
}

std::string EncodeStruct(const void* data, std::size_t size) {
    std::string out;
    AppendEncodedStruct(out, data, size);
    return out;
}

bool DecodeStruct(std::string_view text, void* out, std::size_t size) {
    if (text.size() != 2 * size + 2) return false;
    std::vector<uint8_t> buffer(size);
    unsigned sum = 0;
    for (std::size_t i = 0; i <= size; ++i) {
        int hi = HexValue(text[2 * i]), lo = HexValue(text[2 * i + 1]);
        if (hi < 0 || lo < 0) return false;
        uint8_t byte = static_cast<uint8_t>(hi << 4 | lo);
        if (i == size) {
            if (byte != (sum & 0xFF)) return false;
        } else {
            buffer[i] = byte;
            sum += byte;
        }
    }
    if (size) std::memcpy(out, buffer.data(), size);
    return true;
}

}  // namespace tesh
