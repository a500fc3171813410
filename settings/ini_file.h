// INI access by string, integer and fixed-size struct, bound to one file. Every
// operation reads the file as it is on disk and a write replaces the file atomically;
// nothing is cached between operations. For many keys at once, Load the document,
// change it and Store it: the bytes are the same as key-by-key writes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "settings/file_lock.h"
#include "settings/ini_document.h"

namespace tesh {

// Strings read back are cut to this many characters, as the Windows functions do
// with their 2048-byte buffers.
constexpr std::size_t kMaxIniString = 2047;

// Reading helpers over a document held in memory.
std::string IniReadString(const IniDocument& doc, std::string_view section, std::string_view key,
                          std::string_view fallback);
int IniReadInt(const IniDocument& doc, std::string_view section, std::string_view key,
               int fallback);
bool IniReadStruct(const IniDocument& doc, std::string_view section, std::string_view key,
                   void* buffer, std::size_t size);
// Writing helpers. A value is cut at its first line break, so that text from a
// user or a file can never add lines (keys or sections) to the file. A string with
// spaces around it or in enclosing quotes is written quoted, so that it reads back
// unchanged.
void IniWriteString(IniDocument& doc, std::string_view section, std::string_view key,
                    std::string_view value);
// The text that IniWriteString stores for `value`.
std::string IniStringText(std::string_view value);
void IniWriteInt(IniDocument& doc, std::string_view section, std::string_view key, int value);
void IniWriteStruct(IniDocument& doc, std::string_view section, std::string_view key,
                    const void* buffer, std::size_t size);

// The integer read of the private-profile functions: a missing or empty value gives
// the fallback; otherwise a leading decimal number (0 when there are no digits).
int ParseIniInt(const std::optional<std::string>& value, int fallback);

class IniFile {
  public:
    explicit IniFile(std::string path) : path_(std::move(path)) {}
    const std::string& path() const { return path_; }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    int ReadInt(std::string_view section, std::string_view key, int fallback) const;
    bool WriteInt(std::string_view section, std::string_view key, int value);
    bool ReadStruct(std::string_view section, std::string_view key, void* buffer,
                    std::size_t size) const;
    bool WriteStruct(std::string_view section, std::string_view key, const void* buffer,
                     std::size_t size);

    // The file as a document; empty when the file is missing or unreadable.
    IniDocument Load() const;
    bool Exists() const;
    bool Store(const IniDocument& doc);
    // Applies `change` to the document on disk and stores it; one read and one write,
    // under the session's settings lock. A `change` that returns false leaves the file
    // as it is (true then).
    template <typename Change>
    bool Update(Change&& change) {
        SettingsFileGuard lock;
        IniDocument doc;
        if (!LoadForUpdate(doc)) return false;
        if constexpr (std::is_same_v<std::invoke_result_t<Change&, IniDocument&>, bool>) {
            if (!change(doc)) return true;
        } else {
            change(doc);
        }
        return Store(doc);
    }

  private:
    // The document to change: false when the file exists but cannot be read, so that
    // a write never replaces a file it could not see.
    bool LoadForUpdate(IniDocument& doc) const;
    std::string path_;
};

}  // namespace tesh
