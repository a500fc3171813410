// The windows that asked for the mouse's messages with Open_DevMonitor, one per
// process, kept inside the shared state so that whichever process acts on the mouse
// (the monitor, the upgrader, vmouse) posts to all of them. Window handles are kept as
// 64-bit numbers so that the table is plain data.
#pragma once

#include <cstdint>

namespace tesh::vmouse {

constexpr int kMaxMonitors = 16;

struct MonitorEntry {
    uint64_t window;  // 0 = free entry
    uint32_t processId;
    uint32_t eventMessage;
    uint32_t plugMessage;
    uint32_t reserved;
};

struct MonitorTable {
    MonitorEntry entries[kMaxMonitors];
};

// The messages a window may ask for: private window messages, from WM_USER (0x0400) to
// the end of the application range (0xBFFF). The table lives in memory that every
// process of the user may write; an entry asking for another message, such as a
// system one that would make the window close, is never posted.
constexpr uint32_t kFirstDeviceMessage = 0x0400;
constexpr uint32_t kLastDeviceMessage = 0xBFFF;
bool IsDeviceMessage(uint32_t message);
// True when the entry names a window and asks for two device messages.
bool MonitorEntryUsable(const MonitorEntry& entry);

// Registers the window of a process, replacing that process's earlier one. False when
// the window is 0, a message is not a device message or the table is full.
bool SetMonitor(MonitorTable& table, uint32_t processId, uint64_t window, uint32_t eventMessage,
                uint32_t plugMessage);
// Forgets the window of a process (Close_DevMonitor, or the process has ended).
void RemoveMonitorOfProcess(MonitorTable& table, uint32_t processId);
// Forgets a window that no longer exists.
void RemoveMonitorWindow(MonitorTable& table, uint64_t window);
int MonitorCount(const MonitorTable& table);

}  // namespace tesh::vmouse
