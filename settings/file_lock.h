// The lock that every read-modify-write of a settings file holds: one for the whole
// user's session, so that the monitor counting usage and the configuration application
// applying never write back a file the other has changed since it was read (and so
// undo the other's keys). A port with one implementation per platform: a named mutex
// on Windows, an flock on a file of the program directory elsewhere.
#pragma once

#include <cstdint>
#include <memory>

namespace tesh {

class FileLock {
  public:
    virtual ~FileLock() = default;
    // Waits up to `timeoutMs`; true when the lock is held then. A holder that ended
    // without letting go leaves it free. Not re-entrant: never acquired twice at once.
    virtual bool Acquire(uint32_t timeoutMs) = 0;
    virtual void Release() = 0;
};

// The session's settings lock (not yet acquired); the same lock in every process.
std::unique_ptr<FileLock> OpenSettingsFileLock();

// Long enough for any write of another program (a rename it retries included).
constexpr uint32_t kSettingsLockWaitMs = 5000;

// Holds the settings lock for a scope. When it cannot be had in time the scope runs
// without it: a program hung while holding the lock must not stop every save.
class SettingsFileGuard {
  public:
    SettingsFileGuard();
    ~SettingsFileGuard();
    SettingsFileGuard(const SettingsFileGuard&) = delete;
    SettingsFileGuard& operator=(const SettingsFileGuard&) = delete;
    bool held() const { return held_; }

  private:
    std::unique_ptr<FileLock> lock_;
    bool held_ = false;
};

}  // namespace tesh
