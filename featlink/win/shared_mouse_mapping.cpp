#include "featlink/win/shared_mouse_mapping.h"

#include "featlink/win/flash_file.h"
#include "monitor/win/current_user_access.h"

namespace tesh::vmouse {

namespace {

std::string ObjectName(const char* base) {
    char instance[MAX_PATH];
    const DWORD n = GetEnvironmentVariableA(kInstanceVariable, instance, sizeof instance);
    if (n == 0 || n >= sizeof instance) return base;
    return std::string(base) + "_" + std::string(instance, n);
}

// A handle just returned by a create function, and whether the object existed before:
// a new object is ours, an existing one only when the current user owns it.
bool Usable(HANDLE object, bool existed) {
    return object != nullptr && (!existed || monitor::OwnedByCurrentUser(object));
}

}  // namespace

// A new mouse: plugged in, with the flash the file kept.
void SharedMouseMapping::SetUp(SharedMouse& mouse) const {
    InitSharedMouse(mouse);
    if (!flashPath_.empty() && LoadFlash(flashPath_, mouse.device.flash)) MarkFlashSaved(mouse);
}

bool SharedMouseMapping::CreateObjects() {
    monitor::CurrentUserAccess mutexAccess(MUTEX_ALL_ACCESS);
    monitor::CurrentUserAccess mappingAccess(SECTION_ALL_ACCESS);
    if (!mutexAccess.attributes() || !mappingAccess.attributes()) return false;
    mutex_ = CreateMutexA(mutexAccess.attributes(), FALSE, ObjectName(kMutexName).c_str());
    if (!Usable(mutex_, GetLastError() == ERROR_ALREADY_EXISTS)) return false;
    // New memory is all zero: the first process to take the mutex sets it up.
    mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, mappingAccess.attributes(), PAGE_READWRITE,
                                  0, sizeof(SharedMouse), ObjectName(kMappingName).c_str());
    if (!Usable(mapping_, GetLastError() == ERROR_ALREADY_EXISTS)) return false;
    view_ = static_cast<SharedMouse*>(
        MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SharedMouse)));
    return view_ != nullptr;
}

bool SharedMouseMapping::Open() {
    AcquireSRWLockExclusive(&openLock_);
    if (view_ == nullptr && !CreateObjects()) {
        if (mapping_) CloseHandle(mapping_);
        if (mutex_) CloseHandle(mutex_);
        mapping_ = mutex_ = nullptr;
        view_ = nullptr;
    }
    // Found once: other threads read it while they hold the mouse.
    if (view_ != nullptr && !flashPathKnown_) {
        flashPath_ = FlashFilePath();
        flashPathKnown_ = true;
    }
    const bool open = view_ != nullptr;
    ReleaseSRWLockExclusive(&openLock_);
    return open;
}

SharedMouse* SharedMouseMapping::Lock() {
    if (!Open()) return nullptr;
    const DWORD waited = WaitForSingleObject(mutex_, kLockTimeoutMs);
    // An abandoned mutex is ours too: its owner ended, the mouse is still there.
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) return nullptr;
    if (!IsSharedMouse(*view_)) SetUp(*view_);
    return view_;
}

void SharedMouseMapping::Unlock() {
    SharedMouse& mouse = *view_;
    if (!flashPath_.empty() && FlashNeedsSaving(mouse) &&
        SaveFlash(flashPath_, mouse.device.flash)) {
        MarkFlashSaved(mouse);
    }
    ReleaseMutex(mutex_);
}

void SharedMouseMapping::Close() {
    AcquireSRWLockExclusive(&openLock_);
    if (view_) UnmapViewOfFile(view_);
    if (mapping_) CloseHandle(mapping_);
    if (mutex_) CloseHandle(mutex_);
    view_ = nullptr;
    mapping_ = mutex_ = nullptr;
    ReleaseSRWLockExclusive(&openLock_);
}

}  // namespace tesh::vmouse
