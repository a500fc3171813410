#include "settings/platform.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>

namespace tesh::platform {

namespace {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool WriteFlushedAndClose(int fd, std::string_view bytes) {
    bool ok = WriteAll(fd, bytes);
    ok = fsync(fd) == 0 && ok;
    return close(fd) == 0 && ok;
}

}  // namespace

// POSIX lets a file be renamed over while others have it open: there is no "in use".
RenameResult RenameOver(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0 ? RenameResult::kRenamed
                                                      : RenameResult::kFailed;
}

bool WriteFileFlushed(const std::string& path, std::string_view bytes) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    return fd >= 0 && WriteFlushedAndClose(fd, bytes);
}

bool OverwriteFile(const std::string& path, std::string_view bytes) {
    int fd = open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    return fd >= 0 && WriteFlushedAndClose(fd, bytes);
}

std::optional<std::string> ReadFileShared(const std::string& path, bool* missing) {
    if (missing) *missing = false;
    errno = 0;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        if (missing) *missing = errno == ENOENT;
        return std::nullopt;
    }
    // Read straight into the string (never a large buffer on the stack: the monitor's
    // device worker runs on a small one).
    std::string data;
    constexpr std::size_t kChunk = 65536;
    std::size_t n;
    do {
        std::size_t at = data.size();
        data.resize(at + kChunk);
        n = std::fread(data.data() + at, 1, kChunk, f);
        data.resize(at + n);
    } while (n == kChunk);
    bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) return std::nullopt;
    return data;
}

bool CanOpenForReading(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    std::fclose(f);
    return true;
}

bool RemoveFile(const std::string& path) {
    return unlink(path.c_str()) == 0;
}

std::vector<std::string> DirectoryEntries(const std::string& directory) {
    std::vector<std::string> names;
    DIR* dir = opendir(directory.empty() ? "." : directory.c_str());
    if (!dir) return names;
    while (const dirent* entry = readdir(dir)) names.emplace_back(entry->d_name);
    closedir(dir);
    return names;
}

bool MakeDirectory(const std::string& path) {
    return mkdir(path.c_str(), 0777) == 0 || errno == EEXIST;
}

unsigned long ProcessId() {
    return static_cast<unsigned long>(getpid());
}

bool ProcessRunning(unsigned long processId) {
    // 0 and the negative ids would name process groups, not a process.
    if (processId == 0 || processId > static_cast<unsigned long>(INT_MAX)) return false;
    return kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM;
}

void SleepMs(unsigned milliseconds) {
    timespec wait{static_cast<time_t>(milliseconds / 1000),
                  static_cast<long>(milliseconds % 1000) * 1000000L};
    while (nanosleep(&wait, &wait) != 0 && errno == EINTR) {
    }
}

std::string ExecutablePath() {
    char buffer[4096];
    ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return "";
    return std::string(buffer, static_cast<std::size_t>(n));
}

}  // namespace tesh::platform
