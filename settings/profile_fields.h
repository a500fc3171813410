// The keys of a profile file in the order they are written, with where each lives in
// the ProfileRecord. The table drives reading, writing and showing a profile.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tesh {

enum class FieldKind {
    kString,  // NUL-terminated text in a fixed array of `size` bytes
    kInt,     // int32
    kByte,    // one byte stored as an integer (the dpi entries)
    kStruct,  // `size` bytes in the struct encoding
};

struct ProfileField {
    std::string key;       // INI key, e.g. "CpiLevel_X3"
    std::string base;      // key without its index, e.g. "CpiLevel_X"
    int index;             // -1 for keys without an index
    FieldKind kind;
    std::size_t offset;    // in the ProfileRecord
    std::size_t size;
    int readDefault;       // integer read default (-1, or 0 for two keys)
};

const std::vector<ProfileField>& ProfileFields();

}  // namespace tesh
