#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "settings/file_io.h"
#include "settings/file_lock.h"
#include "settings/platform.h"

namespace tesh {

namespace {

constexpr char kLockFileName[] = "TeshUlmaOpticalSettingsFiles.lock";
// flock has no time-out of its own: it is tried in short steps.
constexpr uint32_t kLockStepMs = 1;

// Each lock opens the file anew, so that two threads of one process exclude each other
// as two processes do (an flock belongs to the open file, not to the process). The
// system lets go of it when its holder ends, however it ends.
class FlockLock : public FileLock {
  public:
    FlockLock() {
        const std::string path = JoinPath(ProgramDirectory(), kLockFileName);
        fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd_ < 0) fd_ = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    }
    ~FlockLock() override {
        if (fd_ >= 0) close(fd_);
    }
    FlockLock(const FlockLock&) = delete;
    FlockLock& operator=(const FlockLock&) = delete;

    bool Acquire(uint32_t timeoutMs) override {
        if (fd_ < 0) return false;
        for (uint32_t waited = 0;; waited += kLockStepMs) {
            if (flock(fd_, LOCK_EX | LOCK_NB) == 0) return true;
            if ((errno != EWOULDBLOCK && errno != EINTR) || waited >= timeoutMs) return false;
            platform::SleepMs(kLockStepMs);
        }
    }
    void Release() override { flock(fd_, LOCK_UN); }

  private:
    int fd_ = -1;
};

}  // namespace

std::unique_ptr<FileLock> OpenSettingsFileLock() {
    return std::make_unique<FlockLock>();
}

}  // namespace tesh
