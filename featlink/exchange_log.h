// The record of every exchange with the mouse and every event it reported, kept in a
// fixed ring inside the device state: the newest kLogEntries entries survive.
#pragma once

#include <cstdint>
#include <string>

#include "featlink/device_state.h"

namespace tesh::vmouse {

// Keeps the first kLogBytes bytes of an exchange and its full length; returns the entry.
LogEntry& AppendLog(ExchangeLog& log, uint64_t timeMs, LogDirection direction, const uint8_t* bytes,
                    uint32_t length, bool ok);
void AppendEventLog(ExchangeLog& log, uint64_t timeMs, uint16_t eventClass, uint16_t value);
void ClearLog(ExchangeLog& log);
// Entries kept, and entry i of them, oldest first.
uint32_t LogSize(const ExchangeLog& log);
const LogEntry& LogEntryAt(const ExchangeLog& log, uint32_t index);

// One line per entry: "SET 04 02 90", "GET 04 01 00" (the bytes the mouse returned),
// "EVT 9000 0101" (class and value). Bytes are two lower-case hex digits separated by
// single spaces; a longer exchange ends in " ... (2082 bytes)", a failed one in
// " failed" (a failed read shows only the identifier asked for).
std::string FormatLogEntry(const LogEntry& entry);

}  // namespace tesh::vmouse
