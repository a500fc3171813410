#include "monitor/store_settings_files.h"

#include "monitor/monitor_names.h"
#include "settings/file_io.h"
#include "settings/ini_file.h"

namespace tesh::monitor {

namespace {
constexpr int kNoImageVersion = -1;
}

int StoreSettingsFiles::ReadImageVersion() {
    return IniFile(JoinPath(dir_, kUpgraderConfig))
        .ReadInt(kUpgraderSection, kUpgraderVersionKey, kNoImageVersion);
}

}  // namespace tesh::monitor
