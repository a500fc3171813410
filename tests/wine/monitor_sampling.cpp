#include "tests/wine/monitor_sampling.h"

// psapi.h needs windows.h first.
#include <psapi.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include "settings/file_io.h"
#include "tests/wine/child_process.h"

namespace tesh::test {

namespace {

// The system's handle table, as Wine gives it (its GetProcessHandleCount of another
// process answers 0).
struct HandleEntry {
    USHORT processId;
    USHORT creatorBackTraceIndex;
    UCHAR objectType;
    UCHAR attributes;
    USHORT handle;
    PVOID object;
    ULONG access;
};
constexpr ULONG kSystemHandleInformation = 16;
using QuerySystemInformation = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);

DWORD HandlesOf(DWORD processId) {
    static const auto query = reinterpret_cast<QuerySystemInformation>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    if (!query) return 0;
    std::vector<uint8_t> buffer(1 << 20);
    ULONG needed = 0;
    while (query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()),
                 &needed) != 0) {
        if (buffer.size() >= (64u << 20)) return 0;
        buffer.resize(buffer.size() * 2);
    }
    const ULONG count = *reinterpret_cast<const ULONG*>(buffer.data());
    const auto* entries = reinterpret_cast<const HandleEntry*>(buffer.data() + sizeof(void*));
    DWORD handles = 0;
    for (ULONG i = 0; i < count; ++i) {
        if (entries[i].processId == static_cast<USHORT>(processId)) ++handles;
    }
    return handles;
}

}  // namespace

// Committed memory of the process's own (not mapped, not image): what Windows counts as
// private bytes. Wine reports no PrivateUsage for another process, so it is summed here.
// With `show`, the regions of 256 KB and more are listed.
SIZE_T CommittedPrivate(HANDLE process, bool show) {
    SIZE_T total = 0;
    MEMORY_BASIC_INFORMATION info{};
    const char* address = nullptr;
    while (VirtualQueryEx(process, address, &info, sizeof info) == sizeof info) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) {
            total += info.RegionSize;
            if (show && info.RegionSize >= (256u << 10)) {
                std::printf("  private region %p (allocation %p): %8.1f KB\n", info.BaseAddress,
                            info.AllocationBase, static_cast<double>(info.RegionSize) / 1024.0);
            }
        }
        const char* next = static_cast<const char*>(info.BaseAddress) + info.RegionSize;
        if (next <= address) break;
        address = next;
    }
    return total;
}

Sample Measure(HANDLE process) {
    Sample sample;
    PROCESS_MEMORY_COUNTERS memory{};
    if (GetProcessMemoryInfo(process, &memory, sizeof memory)) {
        sample.workingSet = memory.WorkingSetSize;
    }
    sample.privateBytes = CommittedPrivate(process);
    GetProcessHandleCount(process, &sample.handles);
    if (sample.handles == 0) sample.handles = HandlesOf(GetProcessId(process));
    FILETIME created, ended, kernel, user;
    if (GetProcessTimes(process, &created, &ended, &kernel, &user)) {
        const auto ticks = [](const FILETIME& t) {
            return static_cast<double>(static_cast<ULONGLONG>(t.dwHighDateTime) << 32 |
                                       t.dwLowDateTime);
        };
        sample.cpuSeconds = (ticks(kernel) + ticks(user)) / 1e7;
    }
    return sample;
}

void Print(const char* when, const Sample& sample) {
    std::printf("%-28s private %8.2f MB  working set %8.2f MB  handles %5lu  cpu %.3f s\n", when,
                static_cast<double>(sample.privateBytes) / 1048576.0,
                static_cast<double>(sample.workingSet) / 1048576.0, sample.handles,
                sample.cpuSeconds);
}

std::string Beside(const std::string& name) {
    return ProgramDirectory() + name;
}

int Vmouse(const std::string& arguments, std::string* output) {
    const ChildResult result = RunChild(Quoted(Beside("vmouse.exe")) + " " + arguments);
    if (output) *output = result.output;
    return result.exitCode;
}

}  // namespace tesh::test
