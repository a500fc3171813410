// Loading a profile file into a slot and saving a slot to a profile file: the file
// the user chose is read and written itself; copies kept in the program directory
// never replace a slot's own file.
#pragma once

#include <string>
#include <string_view>

#include "settings/settings_set.h"
#include "settings/settings_store.h"

namespace tesh::option {

// The file's name without its folder and without its extension ("C:\a\My.qfm" -> "My").
std::string FileTitle(std::string_view path);
// "Default0".."Default4" in any case: the titles of the slot files.
bool IsSlotFileTitle(std::string_view title);

enum class LoadOutcome {
    kLoaded,
    kUnreadable,  // the file could not be read: the slot is unchanged
    kNoProfile,   // the file holds no profile settings: the slot is unchanged
};

// Reads the profile of the file at `path` over `profile`; on any failure `profile`
// is untouched. Keys the file lacks read as a missing key reads (-1, "").
LoadOutcome ReadProfileFile(const std::string& path, ProfileRecord& profile);

// Keeps a copy of a loaded file as "<program directory><title>.qfm", as the program
// always has; the copy is best effort and never replaces the chosen file itself.
void KeepLoadedCopy(const SettingsStore& store, const std::string& chosenPath);

enum class SaveOutcome { kSaved, kFailed };

// Writes the profile as a whole new file at `path` (atomically: an existing file is
// replaced only by a complete new one), records the title as the slot's file name in
// config.ini, and keeps a copy in the config folder unless the title is one of the
// slot files' own names.
SaveOutcome SaveProfileFile(SettingsStore& store, int slot, const ProfileRecord& profile,
                            const std::string& path);

// The path the save dialog starts from: "<program directory>config\<name>.qfm".
std::string SaveDialogStart(const SettingsStore& store, const ProfileRecord& profile);
// The path the load dialog starts from: "<program directory>config\.qfm".
std::string LoadDialogStart(const SettingsStore& store);

}  // namespace tesh::option
