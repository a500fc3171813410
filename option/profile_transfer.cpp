#include "option/profile_transfer.h"

#include "settings/file_io.h"
#include "settings/ini_document.h"
#include "settings/platform.h"
#include "settings/profile_fields.h"
#include "settings/profile_file.h"

namespace tesh::option {
namespace {

constexpr std::string_view kSlotTitlePrefix = "Default";
constexpr char kProfileSuffix[] = ".qfm";

// A profile file has a [Setting] section with at least one key of a profile.
bool HoldsProfile(const IniDocument& doc) {
    for (const ProfileField& f : ProfileFields())
        if (doc.Get(kSettingSection, f.key)) return true;
    return false;
}

bool SamePath(const std::string& a, const std::string& b) {
    return EqualsIgnoreCase(a, b);
}

}  // namespace

std::string FileTitle(std::string_view path) {
    std::size_t slash = path.find_last_of("\\/");
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    std::size_t dot = name.find_last_of('.');
    if (dot != std::string_view::npos) name = name.substr(0, dot);
    return std::string(name);
}

bool IsSlotFileTitle(std::string_view title) {
    if (title.size() != kSlotTitlePrefix.size() + 1) return false;
    if (!EqualsIgnoreCase(title.substr(0, kSlotTitlePrefix.size()), kSlotTitlePrefix)) return false;
    char digit = title.back();
    return digit >= '0' && digit < '0' + kProfileCount;
}

LoadOutcome ReadProfileFile(const std::string& path, ProfileRecord& profile) {
    std::optional<std::string> text = ReadWholeFile(path);
    if (!text) return LoadOutcome::kUnreadable;
    IniDocument doc = IniDocument::Parse(*text);
    if (!HoldsProfile(doc)) return LoadOutcome::kNoProfile;
    ReadProfileKeys(doc, profile);
    return LoadOutcome::kLoaded;
}

void KeepLoadedCopy(const SettingsStore& store, const std::string& chosenPath) {
    std::string copy = store.PathOf(FileTitle(chosenPath) + kProfileSuffix);
    if (SamePath(copy, chosenPath)) return;
    if (std::optional<std::string> bytes = ReadWholeFile(chosenPath))
        WriteFileAtomically(copy, *bytes);
}

SaveOutcome SaveProfileFile(SettingsStore& store, int slot, const ProfileRecord& profile,
                            const std::string& path) {
    IniDocument doc;
    WriteProfileKeys(doc, profile);
    const std::string bytes = doc.Serialize();
    if (!WriteFileAtomically(path, bytes)) return SaveOutcome::kFailed;
    const std::string title = FileTitle(path);
    store.SaveFileTitle(slot + 1, title);
    // A copy named like a slot file would replace that slot's settings.
    if (!IsSlotFileTitle(title)) {
        std::string copy = store.PathOf(std::string(kConfigDir) + "\\" + title + kProfileSuffix);
        platform::MakeDirectory(store.PathOf(kConfigDir));
        if (!SamePath(copy, path)) WriteFileAtomically(copy, bytes);
    }
    return SaveOutcome::kSaved;
}

std::string SaveDialogStart(const SettingsStore& store, const ProfileRecord& profile) {
    return store.PathOf(std::string(kConfigDir) + "\\" +
                        FieldText(profile.ProFileName, sizeof profile.ProFileName) +
                        kProfileSuffix);
}

std::string LoadDialogStart(const SettingsStore& store) {
    return store.PathOf(std::string(kConfigDir) + "\\" + kProfileSuffix);
}

}  // namespace tesh::option
