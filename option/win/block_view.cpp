#include "option/win/block_view.h"

#include "monitor/program_names.h"
#include "monitor/win/current_user_access.h"
#include "settings/settings_set.h"

namespace tesh::option {

SharedBlockPort::Attach BlockView::Open() {
    if (view_) return Attach::kAttached;
    if (!mutex_) {
        mutex_ = OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE | READ_CONTROL, FALSE,
                            monitor::kBlockMutexName);
    }
    if (!mapping_) mapping_ = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, monitor::kBlockName);
    // A block without its mutex cannot be copied safely: as good as none.
    if (!mapping_ || !mutex_ || !monitor::OwnedByCurrentUser(mapping_) ||
        !monitor::OwnedByCurrentUser(mutex_)) {
        Close();
        return Attach::kAbsent;
    }
    view_ = MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SettingsSet));
    if (!view_) {
        Close();
        return Attach::kUnmappable;
    }
    return Attach::kAttached;
}

bool BlockView::Lock() {
    if (!mutex_) return false;
    const DWORD wait = WaitForSingleObject(mutex_, INFINITE);
    // An abandoned mutex is ours now; the monitor that left it died between two copies.
    return wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
}

void BlockView::Unlock() {
    if (mutex_) ReleaseMutex(mutex_);
}

void BlockView::Close() {
    if (view_) UnmapViewOfFile(view_);
    view_ = nullptr;
    if (mapping_) CloseHandle(mapping_);
    mapping_ = nullptr;
    if (mutex_) CloseHandle(mutex_);
    mutex_ = nullptr;
}

}  // namespace tesh::option
