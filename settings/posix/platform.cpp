#include "settings/platform.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <cstdio>

namespace tesh::platform {

bool RenameOver(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool MakeDirectory(const std::string& path) {
    return mkdir(path.c_str(), 0777) == 0 || errno == EEXIST;
}

unsigned long ProcessId() { return static_cast<unsigned long>(getpid()); }

std::string ExecutablePath() {
    char buffer[4096];
    ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return "";
    return std::string(buffer, static_cast<std::size_t>(n));
}

}  // namespace tesh::platform
