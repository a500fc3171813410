#include <cstring>
#include <memory>

#include "settings/file_io.h"
#include "settings/ini_document.h"
#include "settings/profile_file.h"
#include "tools/json_print.h"
#include "tools/profile_json.h"
#include "tools/profile_text.h"
#include "tools/tool_commands.h"

namespace tesh {

namespace {

std::unique_ptr<ProfileRecord> ClearedProfile() {
    auto p = std::make_unique<ProfileRecord>();
    std::memset(p.get(), 0, sizeof(ProfileRecord));
    return p;
}

std::unique_ptr<ProfileRecord> DefaultProfile(int slot) {
    auto p = ClearedProfile();
    ProfileDefaults(*p, slot);
    return p;
}

Status ReadFile(const std::string& path, std::string& text) {
    bool missing = false;
    std::optional<std::string> bytes = ReadWholeFile(path, &missing);
    if (!bytes) return Status::Error(missing ? "no such file" : "cannot read the file");
    text = std::move(*bytes);
    return Status::Ok();
}

}  // namespace

Status ReadProfileFile(const std::string& path, ProfileRecord& profile) {
    std::string text;
    Status s = ReadFile(path, text);
    if (!s.ok()) return s.About(path);
    IniDocument doc = IniDocument::Parse(text);
    bool hasSetting = false;
    for (const std::string& name : doc.SectionNames())
        hasSetting = hasSetting || EqualsIgnoreCase(name, kSettingSection);
    if (!hasSetting)
        return Status::Error(std::string("not a profile file (no [") + kSettingSection +
                             "] section)")
            .About(path);
    std::memset(&profile, 0, sizeof profile);
    ReadProfileKeys(doc, profile);
    return Status::Ok();
}

Status WriteProfileFile(const ProfileRecord& profile, const std::string& path) {
    IniDocument doc;
    WriteProfileKeys(doc, profile);
    if (!WriteFileAtomically(path, doc.Serialize()))
        return Status::Error("cannot write the file").About(path);
    return Status::Ok();
}

Status ProfileShow(const CommandArgs& args, RegistryPort&, std::string& output) {
    auto profile = ClearedProfile();
    Status s = ReadProfileFile(args.positionals[0], *profile);
    if (!s.ok()) return s;
    output = args.json ? PrettyJson(ProfileToJson(*profile)) : ProfileText(*profile);
    return Status::Ok();
}

Status ProfileImport(const CommandArgs& args, RegistryPort&, std::string&) {
    const std::string& in = args.positionals[0];
    std::string text;
    Status s = ReadFile(in, text);
    Json json;
    if (s.ok()) s = ParseJson(text, json);
    auto profile = DefaultProfile(args.slot);
    if (s.ok()) s = ProfileFromJson(json, *profile);
    if (!s.ok()) return s.About(in);
    return WriteProfileFile(*profile, args.positionals[1]);
}

Status ProfileNew(const CommandArgs& args, RegistryPort&, std::string&) {
    return WriteProfileFile(*DefaultProfile(args.slot), args.positionals[0]);
}

}  // namespace tesh
