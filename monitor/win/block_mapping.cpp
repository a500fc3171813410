#include "monitor/win/block_mapping.h"

#include "monitor/program_names.h"
#include "monitor/win/current_user_access.h"

namespace tesh::monitor {

BlockMapping::MutexResult BlockMapping::CreateMutexObject() {
    CurrentUserAccess access(MUTEX_ALL_ACCESS);
    if (!access.attributes()) return MutexResult::kUnusable;
    mutex_ = CreateMutexA(access.attributes(), FALSE, kBlockMutexName);
    if (!mutex_) return MutexResult::kUnusable;
    if (GetLastError() != ERROR_ALREADY_EXISTS) return MutexResult::kCreated;
    const bool ours = OwnedByCurrentUser(mutex_);
    CloseHandle(mutex_);
    mutex_ = nullptr;
    return ours ? MutexResult::kAnotherMonitor : MutexResult::kUnusable;
}

bool BlockMapping::CreateBlock() {
    CurrentUserAccess access(SECTION_ALL_ACCESS);
    if (!access.attributes()) return false;
    mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, access.attributes(), PAGE_READWRITE, 0,
                                  sizeof(SettingsSet), kBlockName);
    if (!mapping_) return false;
    if (GetLastError() == ERROR_ALREADY_EXISTS && !OwnedByCurrentUser(mapping_)) {
        CloseHandle(mapping_);
        mapping_ = nullptr;
        return false;
    }
    view_ = MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SettingsSet));
    return view_ != nullptr;
}

void BlockMapping::Close() {
    if (view_) UnmapViewOfFile(view_);
    if (mapping_) CloseHandle(mapping_);
    if (mutex_) CloseHandle(mutex_);
    view_ = nullptr;
    mapping_ = mutex_ = nullptr;
}

// A mutex left by a process that died is ours all the same.
bool BlockMapping::Lock() {
    if (!mutex_) return false;
    const DWORD result = WaitForSingleObject(mutex_, INFINITE);
    return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

void BlockMapping::Unlock() {
    ReleaseMutex(mutex_);
}

}  // namespace tesh::monitor
