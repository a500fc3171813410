// RunsStart.ini: the time of the monitor's very first start, kept for the statistics.
#pragma once

#include <string>

namespace tesh::monitor {

constexpr char kRunsStartIni[] = "RunsStart.ini";
constexpr char kStartTimeSection[] = "StartTime";

// Local wall-clock time to the minute.
struct WallTime {
    int year = 0;   // four digits
    int month = 0;  // 1..12
    int day = 0;
    int hour = 0;
    int minute = 0;
};

// Writes RunsStart.ini in `programDirectory` when it does not exist; an existing file
// is never changed. True when the file was written now.
bool RecordFirstStart(const std::string& programDirectory, const WallTime& now);

}  // namespace tesh::monitor
