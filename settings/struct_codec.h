// The struct encoding of the settings files: a block of n bytes is written as 2n
// upper-case hexadecimal digits followed by a checksum byte (the sum of the n bytes
// modulo 256) in the same form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tesh {

std::string EncodeStruct(const void* data, std::size_t size);
void AppendEncodedStruct(std::string& out, const void* data, std::size_t size);
// Fills `out` only when the text is exactly 2n + 2 hexadecimal digits (either case)
// and the checksum matches; otherwise returns false and leaves `out` untouched.
bool DecodeStruct(std::string_view text, void* out, std::size_t size);

}  // namespace tesh
