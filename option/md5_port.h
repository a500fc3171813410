// The MD5 digest that the share request's check field is made of. Each build gives it
// from a maintained library: OpenSSL natively, the system's BCrypt on Windows.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tesh::option {

using Md5Digest = std::array<uint8_t, 16>;

class Md5Port {
  public:
    virtual ~Md5Port() = default;
    // False when the library cannot make the digest.
    virtual bool Digest(std::string_view bytes, Md5Digest& digest) const = 0;
};

// Two lower-case hexadecimal digits per byte.
inline std::string HexDigits(const Md5Digest& digest) {
    constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (uint8_t byte : digest) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

}  // namespace tesh::option
