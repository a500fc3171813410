#include "featlink/exchange_log.h"

#include <cstdio>
#include <cstring>

namespace tesh::vmouse {

LogEntry& AppendLog(ExchangeLog& log, uint64_t timeMs, LogDirection direction, const uint8_t* bytes,
                    uint32_t length, bool ok) {
    LogEntry& entry = log.entries[log.total % kLogEntries];
    ++log.total;
    entry = LogEntry{};
    entry.timeMs = timeMs;
    entry.length = length;
    entry.direction = direction;
    entry.ok = ok ? 1 : 0;
    const uint32_t copied = length < kLogBytes ? length : kLogBytes;
    entry.copied = static_cast<uint16_t>(copied);
    if (bytes != nullptr && copied > 0) std::memcpy(entry.bytes, bytes, copied);
    return entry;
}

void AppendEventLog(ExchangeLog& log, uint64_t timeMs, uint16_t eventClass, uint16_t value) {
    const uint8_t bytes[4] = {static_cast<uint8_t>(eventClass & 0xFF),
                              static_cast<uint8_t>(eventClass >> 8),
                              static_cast<uint8_t>(value & 0xFF), static_cast<uint8_t>(value >> 8)};
    AppendLog(log, timeMs, kLogEvent, bytes, sizeof bytes, true);
}

void ClearLog(ExchangeLog& log) {
    std::memset(&log, 0, sizeof log);
}

uint32_t LogSize(const ExchangeLog& log) {
    return log.total < kLogEntries ? static_cast<uint32_t>(log.total) : kLogEntries;
}

const LogEntry& LogEntryAt(const ExchangeLog& log, uint32_t index) {
    const uint64_t first = log.total - LogSize(log);
    return log.entries[(first + index) % kLogEntries];
}

std::string FormatLogEntry(const LogEntry& entry) {
    char text[16];
    if (entry.direction == kLogEvent) {
        std::snprintf(text, sizeof text, "%04x %04x", entry.bytes[0] | (entry.bytes[1] << 8),
                      entry.bytes[2] | (entry.bytes[3] << 8));
        return std::string("EVT ") + text;
    }
    std::string line = entry.direction == kLogSet ? "SET" : "GET";
    // The count comes from shared memory: never more than the entry holds.
    const uint32_t copied = entry.copied < kLogBytes ? entry.copied : kLogBytes;
    for (uint32_t i = 0; i < copied; ++i) {
        std::snprintf(text, sizeof text, " %02x", entry.bytes[i]);
        line += text;
    }
    if (copied < entry.length) {
        line += " ... (" + std::to_string(entry.length) + " bytes)";
    }
    if (!entry.ok) line += " failed";
    return line;
}

}  // namespace tesh::vmouse
