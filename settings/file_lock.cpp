#include "settings/file_lock.h"

namespace tesh {

SettingsFileGuard::SettingsFileGuard() : lock_(OpenSettingsFileLock()) {
    held_ = lock_ && lock_->Acquire(kSettingsLockWaitMs);
}

SettingsFileGuard::~SettingsFileGuard() {
    if (held_) lock_->Release();
}

}  // namespace tesh
