#include "featlink/monitor_table.h"

namespace tesh::vmouse {

bool IsDeviceMessage(uint32_t message) {
    return message >= kFirstDeviceMessage && message <= kLastDeviceMessage;
}

bool MonitorEntryUsable(const MonitorEntry& entry) {
    return entry.window != 0 && IsDeviceMessage(entry.eventMessage) &&
           IsDeviceMessage(entry.plugMessage);
}

bool SetMonitor(MonitorTable& table, uint32_t processId, uint64_t window, uint32_t eventMessage,
                uint32_t plugMessage) {
    if (window == 0 || !IsDeviceMessage(eventMessage) || !IsDeviceMessage(plugMessage)) {
        return false;
    }
    RemoveMonitorOfProcess(table, processId);
    // A window registered by another process is taken over: it gets its messages once.
    RemoveMonitorWindow(table, window);
    for (MonitorEntry& entry : table.entries) {
        if (entry.window != 0) continue;
        entry = MonitorEntry{window, processId, eventMessage, plugMessage, 0};
        return true;
    }
    return false;
}

void RemoveMonitorOfProcess(MonitorTable& table, uint32_t processId) {
    for (MonitorEntry& entry : table.entries) {
        if (entry.window != 0 && entry.processId == processId) entry = MonitorEntry{};
    }
}

void RemoveMonitorWindow(MonitorTable& table, uint64_t window) {
    for (MonitorEntry& entry : table.entries) {
        if (entry.window == window) entry = MonitorEntry{};
    }
}

int MonitorCount(const MonitorTable& table) {
    int count = 0;
    for (const MonitorEntry& entry : table.entries) count += entry.window != 0 ? 1 : 0;
    return count;
}

}  // namespace tesh::vmouse
