#include "settings/file_io.h"

#include <atomic>

#include "settings/platform.h"
#include "settings/temporary_files.h"

namespace tesh {

namespace {

// A rename refused because another program has the file open is tried again for about
// a second, in short steps; the file is then written in place.
constexpr unsigned kRenameRetryStepMs = 50;
constexpr unsigned kRenameRetryMs = 1000;

platform::RenameResult RenameWithRetries(const std::string& from, const std::string& to) {
    platform::RenameResult result = platform::RenameOver(from, to);
    for (unsigned waited = 0; result == platform::RenameResult::kInUse && waited < kRenameRetryMs;
         waited += kRenameRetryStepMs) {
        platform::SleepMs(kRenameRetryStepMs);
        result = platform::RenameOver(from, to);
    }
    return result;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, bool* missing) {
    return platform::ReadFileShared(path, missing);
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    RemoveStaleTemporaries(path);
    static std::atomic<unsigned> counter{0};
    const std::string temp = TemporaryFileName(path, platform::ProcessId(), counter.fetch_add(1));
    if (!platform::WriteFileFlushed(temp, bytes)) {
        platform::RemoveFile(temp);
        return false;
    }
    const platform::RenameResult renamed = RenameWithRetries(temp, path);
    if (renamed == platform::RenameResult::kRenamed) return true;
    platform::RemoveFile(temp);
    // Still held open by another program: its bytes are replaced in place rather than the
    // change being lost.
    return renamed == platform::RenameResult::kInUse && platform::OverwriteFile(path, bytes);
}

bool FileExists(const std::string& path) {
    return platform::CanOpenForReading(path);
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
