// The few file-system and process calls that differ between Windows and POSIX;
// implemented in win/platform.cpp and posix/platform.cpp.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tesh::platform {

constexpr char kSeparator =
#ifdef _WIN32
    '\\';
#else
    '/';
#endif

enum class RenameResult {
    kRenamed,
    // Another program has the target open without letting it be deleted (on Windows the
    // monitor or the configuration application reading it, a virus scanner, an
    // indexer): worth another try in a moment.
    kInUse,
    kFailed,
};
// Renames `from` over `to`, replacing `to` when it exists.
RenameResult RenameOver(const std::string& from, const std::string& to);
// Creates `path` (or empties it), writes `bytes` and flushes them to the disk before it
// closes the file, so that a rename of it never makes a file whose data is not there.
bool WriteFileFlushed(const std::string& path, std::string_view bytes);
// Empties the existing file `path` and writes `bytes` into it, flushed, through a handle
// that lets others read, write and delete meanwhile. A crash in the middle leaves a torn
// file: only for a file that cannot be renamed over.
bool OverwriteFile(const std::string& path, std::string_view bytes);
// The bytes of a file, opened so that others may read, write, delete and rename it
// meanwhile (a read of ours never makes another program's replacement fail). nullopt
// when it cannot be read; `missing` tells whether that is because it does not exist.
std::optional<std::string> ReadFileShared(const std::string& path, bool* missing);
// True when the file can be opened for reading (opened as ReadFileShared does).
bool CanOpenForReading(const std::string& path);
bool RemoveFile(const std::string& path);
// The names of the entries of a directory (written with its trailing separator, or ""
// for the current one); empty when it cannot be listed.
std::vector<std::string> DirectoryEntries(const std::string& directory);
unsigned long ProcessId();
// False only when no process with this id runs (one of another user counts as running).
bool ProcessRunning(unsigned long processId);
void SleepMs(unsigned milliseconds);
// Creates a directory; true when it exists afterwards.
bool MakeDirectory(const std::string& path);
// Full path of the running executable, "" when unknown.
std::string ExecutablePath();

}  // namespace tesh::platform
