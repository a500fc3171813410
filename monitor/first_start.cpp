#include "monitor/first_start.h"

#include <cstdio>

#include "settings/file_io.h"
#include "settings/ini_file.h"

namespace tesh::monitor {

bool RecordFirstStart(const std::string& programDirectory, const WallTime& now) {
    const std::string path = JoinPath(programDirectory, kRunsStartIni);
    if (FileExists(path)) return false;
    char year[8];
    std::snprintf(year, sizeof year, "%04d", now.year);
    return IniFile(path).Update([&](IniDocument& doc) {
        IniWriteString(doc, kStartTimeSection, "Year", year);
        IniWriteInt(doc, kStartTimeSection, "Month", now.month);
        IniWriteInt(doc, kStartTimeSection, "Day", now.day);
        IniWriteInt(doc, kStartTimeSection, "Hour", now.hour);
        IniWriteInt(doc, kStartTimeSection, "Minute", now.minute);
    });
}

}  // namespace tesh::monitor
