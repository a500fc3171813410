// A ProfileRecord as one JSON object whose keys are the profile file's keys, in file
// order. Indexed keys become an array under their base name ("dpi": [6 entries],
// "LightInfo": [4 LightEntry objects], "MacroKeyInfo": [24 ButtonRecord objects]);
// GameFile0..2 stay three keys, as they have no common base. Both directions are
// driven by the field table of the profile file.
#pragma once

#include "settings/settings_set.h"
#include "tools/json_values.h"

namespace tesh {

Json ProfileToJson(const ProfileRecord& profile);
// Reads the keys present into the record, so absent keys keep what it held (the
// caller starts from the defaults it wants). Unknown keys, wrong types, arrays of the
// wrong length and numbers outside their field are refused; the record may then be
// half changed and must not be used.
Status ProfileFromJson(const Json& value, ProfileRecord& profile);

}  // namespace tesh
