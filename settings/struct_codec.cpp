#include "settings/struct_codec.h"

#include <array>

namespace tesh {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr uint8_t kNotHex = 0x10;  // above any digit's value

// The value of every character as a hexadecimal digit, either case; kNotHex for others.
constexpr std::array<uint8_t, 256> kHexValues = [] {
    std::array<uint8_t, 256> t{};
    t.fill(kNotHex);
    for (int i = 0; i < 10; ++i) t['0' + i] = static_cast<uint8_t>(i);
    for (int i = 0; i < 6; ++i) {
        t['A' + i] = static_cast<uint8_t>(10 + i);
        t['a' + i] = static_cast<uint8_t>(10 + i);
    }
    return t;
}();

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
    const auto* digits = reinterpret_cast<const unsigned char*>(text.data());
    auto byteAt = [&](std::size_t i, unsigned& flags) {
        unsigned hi = kHexValues[digits[2 * i]], lo = kHexValues[digits[2 * i + 1]];
        flags |= hi | lo;
        return (hi << 4 | lo) & 0xFF;
    };
    // Every digit and the checksum are checked before the first byte is stored, so that
    // a damaged entry leaves `out` as it was.
    unsigned flags = 0, sum = 0;
    for (std::size_t i = 0; i < size; ++i) sum += byteAt(i, flags);
    unsigned checksum = byteAt(size, flags);
    if ((flags & kNotHex) != 0 || checksum != (sum & 0xFF)) return false;
    auto* bytes = static_cast<uint8_t*>(out);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(byteAt(i, flags));
    return true;
}

}  // namespace tesh
