#include "settings/ini_file.h"

#include <cstdint>

#include "settings/file_io.h"
#include "settings/struct_codec.h"

namespace tesh {

std::string IniReadString(const IniDocument& doc, std::string_view section, std::string_view key,
                          std::string_view fallback) {
    std::optional<std::string> value = doc.Get(section, key);
    std::string text = value ? std::move(*value) : std::string(fallback);
    if (text.size() > kMaxIniString) text.resize(kMaxIniString);
    return text;
}

int ParseIniInt(const std::optional<std::string>& value, int fallback) {
    if (!value || value->empty()) return fallback;
    const std::string& s = *value;
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    uint32_t magnitude = 0;  // wraps like the Windows conversion instead of overflowing
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
        magnitude = magnitude * 10u + static_cast<uint32_t>(s[i] - '0');
    if (negative) magnitude = 0u - magnitude;
    return static_cast<int32_t>(magnitude);
}

int IniReadInt(const IniDocument& doc, std::string_view section, std::string_view key,
               int fallback) {
    return ParseIniInt(doc.Get(section, key), fallback);
}

bool IniReadStruct(const IniDocument& doc, std::string_view section, std::string_view key,
                   void* buffer, std::size_t size) {
    std::optional<std::string> value = doc.Get(section, key);
    return value && DecodeStruct(*value, buffer, size);
}

namespace {

// The reader strips the spaces around a value and then one pair of enclosing quotes:
// a value that either would change is written inside a pair of quotes, so that it
// reads back as it was (a profile named "  Sniper" or "\"Sniper\"" stays so).
bool NeedsQuotes(std::string_view value) {
    if (value.empty()) return false;
    if (IsIniSpace(value.front()) || IsIniSpace(value.back())) return true;
    return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
           value.back() == value.front();
}

}  // namespace

std::string IniStringText(std::string_view value) {
    std::size_t cut = value.find_first_of("\r\n");
    if (cut != std::string_view::npos) value = value.substr(0, cut);
    if (!NeedsQuotes(value)) return std::string(value);
    std::string quoted;
    quoted.reserve(value.size() + 2);
    quoted.append("\"").append(value).append("\"");
    return quoted;
}

void IniWriteString(IniDocument& doc, std::string_view section, std::string_view key,
                    std::string_view value) {
    doc.Set(section, key, IniStringText(value));
}

void IniWriteInt(IniDocument& doc, std::string_view section, std::string_view key, int value) {
    doc.Set(section, key, std::to_string(value));
}

void IniWriteStruct(IniDocument& doc, std::string_view section, std::string_view key,
                    const void* buffer, std::size_t size) {
    doc.Set(section, key, EncodeStruct(buffer, size));
}

IniDocument IniFile::Load() const {
    std::optional<std::string> text = ReadWholeFile(path_);
    return text && !EmptyOrZeroed(*text) ? IniDocument::Parse(*text) : IniDocument();
}

// A file that a crash left zeroed starts over as a new one: its zero bytes would
// otherwise stay in front of every key written from now on.
bool IniFile::LoadForUpdate(IniDocument& doc) const {
    bool missing = false;
    std::optional<std::string> text = ReadWholeFile(path_, &missing);
    if (!text && !missing) return false;
    doc = text && !EmptyOrZeroed(*text) ? IniDocument::Parse(*text) : IniDocument();
    return true;
}

bool IniFile::Exists() const {
    return FileExists(path_);
}

bool IniFile::Store(const IniDocument& doc) {
    return WriteFileAtomically(path_, doc.Serialize());
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    return IniReadString(Load(), section, key, fallback);
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    return Update([&](IniDocument& doc) { IniWriteString(doc, section, key, value); });
}

int IniFile::ReadInt(std::string_view section, std::string_view key, int fallback) const {
    return IniReadInt(Load(), section, key, fallback);
}

bool IniFile::WriteInt(std::string_view section, std::string_view key, int value) {
    return Update([&](IniDocument& doc) { IniWriteInt(doc, section, key, value); });
}

bool IniFile::ReadStruct(std::string_view section, std::string_view key, void* buffer,
                         std::size_t size) const {
    return IniReadStruct(Load(), section, key, buffer, size);
}

bool IniFile::WriteStruct(std::string_view section, std::string_view key, const void* buffer,
                          std::size_t size) {
    return Update([&](IniDocument& doc) { IniWriteStruct(doc, section, key, buffer, size); });
}

}  // namespace tesh
