#include "settings/profile_file.h"

#include <cstring>

#include "settings/file_io.h"
#include "settings/ini_file.h"
#include "settings/profile_fields.h"
#include "settings/struct_codec.h"

namespace tesh {

void CopyToField(char* field, std::size_t size, std::string_view text) {
    if (size == 0) return;
    std::size_t n = text.find('\0');
    if (n == std::string_view::npos) n = text.size();
    if (n > size - 1) n = size - 1;
    std::memcpy(field, text.data(), n);
    field[n] = '\0';
}

std::string FieldText(const char* field, std::size_t size) {
    const void* nul = std::memchr(field, 0, size);
    return std::string(
        field, nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - field) : size);
}

void WriteProfileKeys(IniDocument& doc, const ProfileRecord& profile) {
    const auto* base = reinterpret_cast<const uint8_t*>(&profile);
    for (const ProfileField& f : ProfileFields()) {
        const uint8_t* at = base + f.offset;
        switch (f.kind) {
            case FieldKind::kString:
                IniWriteString(doc, kSettingSection, f.key,
                               FieldText(reinterpret_cast<const char*>(at), f.size));
                break;
            case FieldKind::kInt: {
                int32_t v;
                std::memcpy(&v, at, sizeof v);
                IniWriteInt(doc, kSettingSection, f.key, v);
                break;
            }
            case FieldKind::kByte:
                IniWriteInt(doc, kSettingSection, f.key, *at);
                break;
            case FieldKind::kStruct:
                IniWriteStruct(doc, kSettingSection, f.key, at, f.size);
                break;
        }
    }
}

void ReadProfileKeys(const IniDocument& doc, ProfileRecord& profile) {
    auto* base = reinterpret_cast<uint8_t*>(&profile);
    for (const ProfileField& f : ProfileFields()) {
        uint8_t* at = base + f.offset;
        switch (f.kind) {
            case FieldKind::kString:
                CopyToField(reinterpret_cast<char*>(at), f.size,
                            IniReadString(doc, kSettingSection, f.key, ""));
                break;
            case FieldKind::kInt: {
                int32_t v = IniReadInt(doc, kSettingSection, f.key, f.readDefault);
                std::memcpy(at, &v, sizeof v);
                break;
            }
            case FieldKind::kByte:
                *at = static_cast<uint8_t>(IniReadInt(doc, kSettingSection, f.key, f.readDefault));
                break;
            case FieldKind::kStruct:
                IniReadStruct(doc, kSettingSection, f.key, at, f.size);
                break;
        }
    }
}

bool SaveProfile(const ProfileRecord& profile, const std::string& path) {
    return IniFile(path).Update([&](IniDocument& doc) { WriteProfileKeys(doc, profile); });
}

bool LoadProfile(ProfileRecord& profile, const std::string& path) {
    std::optional<std::string> text = ReadWholeFile(path);
    // A file left empty or zeroed by a crash holds no settings: as good as missing,
    // rather than -1 in every field, which would reach the registry and the mouse.
    if (!text || EmptyOrZeroed(*text)) return false;
    ReadProfileKeys(IniDocument::Parse(*text), profile);
    return true;
}

}  // namespace tesh
