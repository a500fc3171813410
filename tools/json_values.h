// Reading single JSON values into the fixed fields of the settings records, with the
// range of each field checked: a value that does not fit is refused, never wrapped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "tools/status.h"

namespace tesh {

// Objects keep their keys in the order of the record.
using Json = nlohmann::ordered_json;

inline constexpr int64_t kInt32Min = std::numeric_limits<int32_t>::min();
inline constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();
inline constexpr int64_t kByteMax = 255;
inline constexpr int64_t kWordMax = 65535;
// Indentation of the JSON the tool prints.
inline constexpr int kJsonIndent = 2;

Status ParseJson(std::string_view text, Json& out);

// The text of a fixed ANSI field as a JSON string.
Json TextToJson(const char* field, std::size_t size);
// A JSON string into a fixed field, cut to the field.
Status ReadText(const Json& value, char* field, std::size_t size);
Status ReadInteger(const Json& value, int64_t lo, int64_t hi, int64_t& out);
Status ReadInt32(const Json& value, int32_t& out);
Status ReadByte(const Json& value, uint8_t& out);
// `value` is an array of exactly `count` entries.
Status ExpectArray(const Json& value, std::size_t count);
Status ExpectObject(const Json& value);
Status UnknownKey(std::string_view key);

// "base[index]", the name of an array entry in messages.
std::string EntryName(std::string_view base, std::size_t index);

}  // namespace tesh
