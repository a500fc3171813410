#include "tools/profile_json.h"

#include <cstring>
#include <vector>

#include "settings/profile_fields.h"
#include "tools/record_json.h"

namespace tesh {

namespace {

static_assert(sizeof(LightEntry) != sizeof(ButtonRecord), "struct fields are told by size");

Json FieldToJson(const ProfileField& f, const uint8_t* at) {
    switch (f.kind) {
        case FieldKind::kString:
            return TextToJson(reinterpret_cast<const char*>(at), f.size);
        case FieldKind::kInt: {
            int32_t v;
            std::memcpy(&v, at, sizeof v);
            return v;
        }
        case FieldKind::kByte:
            return *at;
        case FieldKind::kStruct:
            if (f.size == sizeof(LightEntry)) {
                LightEntry light;
                std::memcpy(&light, at, sizeof light);
                return LightToJson(light);
            }
            return ButtonToJson(*reinterpret_cast<const ButtonRecord*>(at));
    }
    return nullptr;
}

Status FieldFromJson(const ProfileField& f, const Json& value, uint8_t* at) {
    switch (f.kind) {
        case FieldKind::kString:
            // The profile file keeps these on one line each: a line break would cut them.
            if (value.is_string() &&
                value.get_ref<const std::string&>().find_first_of("\r\n") != std::string::npos)
                return Status::Error("a line break cannot be stored in this key");
            return ReadText(value, reinterpret_cast<char*>(at), f.size);
        case FieldKind::kInt: {
            int32_t v = 0;
            Status s = ReadInt32(value, v);
            if (s.ok()) std::memcpy(at, &v, sizeof v);
            return s;
        }
        case FieldKind::kByte:
            return ReadByte(value, *at);
        case FieldKind::kStruct:
            if (f.size == sizeof(LightEntry)) {
                LightEntry light;
                std::memcpy(&light, at, sizeof light);
                Status s = LightFromJson(value, light);
                if (s.ok()) std::memcpy(at, &light, sizeof light);
                return s;
            }
            return ButtonFromJson(value, *reinterpret_cast<ButtonRecord*>(at));
    }
    return Status::Error("unsupported field");
}

// The fields stored under one JSON key: one field, or the entries of an array.
std::vector<const ProfileField*> FieldsOf(const std::string& key) {
    std::vector<const ProfileField*> out;
    for (const ProfileField& f : ProfileFields())
        if (f.base == key) out.push_back(&f);
    return out;
}

}  // namespace

Json ProfileToJson(const ProfileRecord& profile) {
    const auto* base = reinterpret_cast<const uint8_t*>(&profile);
    Json j = Json::object();
    for (const ProfileField& f : ProfileFields()) {
        Json value = FieldToJson(f, base + f.offset);
        if (f.index < 0)
            j[f.key] = std::move(value);
        else
            j[f.base].push_back(std::move(value));
    }
    return j;
}

Status ProfileFromJson(const Json& value, ProfileRecord& profile) {
    Status s = ExpectObject(value);
    if (!s.ok()) return s;
    auto* base = reinterpret_cast<uint8_t*>(&profile);
    for (const auto& [key, member] : value.items()) {
        std::vector<const ProfileField*> fields = FieldsOf(key);
        if (fields.empty()) return UnknownKey(key);
        if (fields.front()->index < 0) {
            s = FieldFromJson(*fields.front(), member, base + fields.front()->offset);
            if (!s.ok()) return s.In(key);
            continue;
        }
        if (!(s = ExpectArray(member, fields.size())).ok()) return s.In(key);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            s = FieldFromJson(*fields[i], member[i], base + fields[i]->offset);
            if (!s.ok()) return s.In(EntryName(key, i));
        }
    }
    return Status::Ok();
}

}  // namespace tesh
