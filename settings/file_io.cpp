#include "settings/file_io.h"

#include <atomic>
#include <cerrno>
#include <cstdio>

#include "settings/platform.h"

namespace tesh {

std::optional<std::string> ReadWholeFile(const std::string& path, bool* missing) {
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

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    // A name of our own per process and write, so that the monitor and the
    // configuration application never share a temporary file.
    static std::atomic<unsigned> counter{0};
    std::string temp = path + ".tmp" + std::to_string(platform::ProcessId()) + "_" +
                       std::to_string(counter.fetch_add(1));
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fflush(f) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (ok) ok = platform::RenameOver(temp, path);
    if (!ok) std::remove(temp.c_str());
    return ok;
}

bool FileExists(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    std::fclose(f);
    return true;
}

bool EmptyOrZeroed(std::string_view bytes) {
    return bytes.find_first_not_of('\0') == std::string_view::npos;
}

std::string JoinPath(std::string_view directory, std::string_view relative) {
    std::string out(directory);
    for (char c : relative) out += (c == '\\' || c == '/') ? platform::kSeparator : c;
    return out;
}

std::string WithTrailingSeparator(std::string directory) {
    if (!directory.empty() && directory.back() != '/' && directory.back() != '\\')
        directory += platform::kSeparator;
    return directory;
}

std::string ProgramDirectory() {
    std::string exe = platform::ExecutablePath();
    std::size_t slash = exe.find_last_of("\\/");
    if (slash == std::string::npos) return "";
    return exe.substr(0, slash + 1);
}

}  // namespace tesh
