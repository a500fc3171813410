#include "tools/json_values.h"

#include "settings/profile_file.h"
#include "tools/text_codec.h"

namespace tesh {

namespace {

Status WrongType(const char* expected, const Json& value) {
    return Status::Error(std::string("expected ") + expected + ", got " + value.type_name());
}

}  // namespace

Status ParseJson(std::string_view text, Json& out) {
    try {
        out = Json::parse(text);
    } catch (const Json::exception& e) {
        // A syntax error, or a number too large for any field (1e450).
        // The library's message starts with its own tag in brackets; the rest says where.
        std::string what = e.what();
        std::size_t end = what.find("] ");
        return Status::Error("bad JSON: " +
                             (end == std::string::npos ? what : what.substr(end + 2)));
    }
    return Status::Ok();
}

Json TextToJson(const char* field, std::size_t size) {
    return AnsiToUtf8(FieldText(field, size));
}

Status ReadText(const Json& value, char* field, std::size_t size) {
    if (!value.is_string()) return WrongType("a string", value);
    std::string ansi;
    Status s = Utf8ToAnsi(value.get_ref<const std::string&>(), ansi);
    if (!s.ok()) return s;
    CopyToField(field, size, ansi);
    return Status::Ok();
}

Status ReadInteger(const Json& value, int64_t lo, int64_t hi, int64_t& out) {
    bool inRange = false;
    if (value.is_number_unsigned()) {
        auto u = value.get<uint64_t>();
        // Non-negative JSON numbers arrive as unsigned: the lower bound counts too.
        inRange = hi >= 0 && u <= static_cast<uint64_t>(hi) && static_cast<int64_t>(u) >= lo;
        if (inRange) out = static_cast<int64_t>(u);
    } else if (value.is_number_integer()) {
        auto v = value.get<int64_t>();
        inRange = v >= lo && v <= hi;
        if (inRange) out = v;
    } else {
        return WrongType("an integer", value);
    }
    if (inRange) return Status::Ok();
    return Status::Error(value.dump() + " is out of range " + std::to_string(lo) + ".." +
                         std::to_string(hi));
}

Status ReadInt32(const Json& value, int32_t& out) {
    int64_t v = 0;
    Status s = ReadInteger(value, kInt32Min, kInt32Max, v);
    if (s.ok()) out = static_cast<int32_t>(v);
    return s;
}

Status ReadByte(const Json& value, uint8_t& out) {
    int64_t v = 0;
    Status s = ReadInteger(value, 0, kByteMax, v);
    if (s.ok()) out = static_cast<uint8_t>(v);
    return s;
}

Status ExpectArray(const Json& value, std::size_t count) {
    if (!value.is_array()) return WrongType("an array", value);
    if (value.size() != count)
        return Status::Error("expected " + std::to_string(count) + " entries, got " +
                             std::to_string(value.size()));
    return Status::Ok();
}

Status ExpectObject(const Json& value) {
    return value.is_object() ? Status::Ok() : WrongType("an object", value);
}

Status UnknownKey(std::string_view key) {
    return Status::Error("unknown key \"" + std::string(key) + "\"");
}

std::string EntryName(std::string_view base, std::size_t index) {
    return std::string(base) + "[" + std::to_string(index) + "]";
}

}  // namespace tesh
