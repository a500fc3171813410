#include <windows.h>

#include "settings/file_lock.h"

namespace tesh {

namespace {

// In the session's own namespace: every program of the user's logon shares it.
constexpr char kSettingsLockName[] = "Local\\TeshUlmaOpticalSettingsFiles";

class NamedMutexLock : public FileLock {
  public:
    NamedMutexLock() : mutex_(CreateMutexA(nullptr, FALSE, kSettingsLockName)) {}
    ~NamedMutexLock() override {
        if (mutex_) CloseHandle(mutex_);
    }
    NamedMutexLock(const NamedMutexLock&) = delete;
    NamedMutexLock& operator=(const NamedMutexLock&) = delete;

    // An abandoned mutex (its holder ended in the middle of a write) is ours all the
    // same: the file it wrote is whole, as every write replaces a file atomically.
    bool Acquire(uint32_t timeoutMs) override {
        if (!mutex_) return false;
        const DWORD result = WaitForSingleObject(mutex_, timeoutMs);
        return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
    }
    void Release() override { ReleaseMutex(mutex_); }

  private:
    HANDLE mutex_;
};

}  // namespace

std::unique_ptr<FileLock> OpenSettingsFileLock() {
    return std::make_unique<NamedMutexLock>();
}

}  // namespace tesh
