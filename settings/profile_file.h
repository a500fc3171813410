// Profile files ("*.qfm"): one ProfileRecord in section [Setting].
#pragma once

#include <string>

#include "settings/ini_document.h"
#include "settings/settings_set.h"

namespace tesh {

inline constexpr char kSettingSection[] = "Setting";

// Writes every key of the record into [Setting] of the document, in file order.
void WriteProfileKeys(IniDocument& doc, const ProfileRecord& profile);
// Reads every key of [Setting] into the record. Missing integers read -1 (0 for
// UseColorForAll and LtChoseType), missing strings "". Text longer than its field is
// cut to the field. A struct entry that is missing or fails its checksum keeps the
// record's previous bytes, so a damaged line never turns a button into garbage.
void ReadProfileKeys(const IniDocument& doc, ProfileRecord& profile);

bool SaveProfile(const ProfileRecord& profile, const std::string& path);
// False (and the record untouched) when the file cannot be read or holds nothing but
// zero bytes (an empty file included).
bool LoadProfile(ProfileRecord& profile, const std::string& path);

// Copies NUL-terminated or plain text into a fixed field, cut to size - 1 bytes and
// terminated; bytes after the terminator are left as they were.
void CopyToField(char* field, std::size_t size, std::string_view text);
// The text of a fixed field, up to its first NUL or its end.
std::string FieldText(const char* field, std::size_t size);

}  // namespace tesh
