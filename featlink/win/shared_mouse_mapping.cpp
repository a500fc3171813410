#include "featlink/win/shared_mouse_mapping.h"

#include "featlink/win/flash_file.h"

namespace tesh::vmouse {

namespace {

std::string ObjectName(const char* base) {
    char instance[MAX_PATH];
    const DWORD n = GetEnvironmentVariableA(kInstanceVariable, instance, sizeof instance);
    if (n == 0 || n >= sizeof instance) return base;
    return std::string(base) + "_" + std::string(instance, n);
}

}  // namespace

// A new mouse: plugged in, with the flash the file kept.
void SharedMouseMapping::SetUp(SharedMouse& mouse) const {
    InitSharedMouse(mouse);
    if (!flashPath_.empty() && LoadFlash(flashPath_, mouse.device.flash)) MarkFlashSaved(mouse);
}

bool SharedMouseMapping::CreateObjects() {
    mutex_ = CreateMutexA(nullptr, FALSE, ObjectName(kMutexName).c_str());
    // New memory is all zero: the first process to take the mutex sets it up.
    mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                  sizeof(SharedMouse), ObjectName(kMappingName).c_str());
    if (mutex_ == nullptr || mapping_ == nullptr) return false;
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
