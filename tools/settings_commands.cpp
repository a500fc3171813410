#include <cstring>
#include <filesystem>
#include <memory>

#include "settings/file_io.h"
#include "settings/settings_store.h"
#include "tools/json_print.h"
#include "tools/settings_view.h"
#include "tools/tool_commands.h"

namespace tesh {

Status SettingsShow(const CommandArgs& args, RegistryPort& registry, std::string& output) {
    const std::string& dir = args.positionals[0];
    std::error_code ec;
    if (!std::filesystem::is_directory(dir, ec)) return Status::Error("not a directory").About(dir);
    // As the programs start: a cleared set, then everything the files hold.
    auto set = std::make_unique<SettingsSet>();
    std::memset(set.get(), 0, sizeof(SettingsSet));
    Clear(*set);
    SettingsStore(WithTrailingSeparator(dir), registry).LoadAll(*set);
    output = args.json ? PrettyJson(SettingsToJson(*set)) : SettingsText(*set);
    return Status::Ok();
}

}  // namespace tesh
