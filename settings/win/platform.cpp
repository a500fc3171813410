#include "settings/platform.h"

#include <windows.h>

namespace tesh::platform {

namespace {

// Our own reads and writes let every other program go on: read, write, and delete
// (which a rename over the file needs).
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// WriteFile and ReadFile take at most this many bytes at a time.
constexpr std::size_t kMaxTransfer = 1u << 30;

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD n = 0;
        const auto chunk =
            static_cast<DWORD>(bytes.size() < kMaxTransfer ? bytes.size() : kMaxTransfer);
        if (!WriteFile(file, bytes.data(), chunk, &n, nullptr) || n == 0) return false;
        bytes.remove_prefix(n);
    }
    return true;
}

bool WriteFlushedAndClose(HANDLE file, std::string_view bytes) {
    bool ok = WriteAll(file, bytes);
    ok = FlushFileBuffers(file) != 0 && ok;
    return CloseHandle(file) != 0 && ok;
}

HANDLE OpenShared(const std::string& path, DWORD access, DWORD disposition) {
    return CreateFileA(path.c_str(), access, kShareAll, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

}  // namespace

RenameResult RenameOver(const std::string& from, const std::string& to) {
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return RenameResult::kRenamed;
    const DWORD error = GetLastError();
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ? RenameResult::kInUse
                                                                            : RenameResult::kFailed;
}

bool WriteFileFlushed(const std::string& path, std::string_view bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    return file != INVALID_HANDLE_VALUE && WriteFlushedAndClose(file, bytes);
}

bool OverwriteFile(const std::string& path, std::string_view bytes) {
    HANDLE file = OpenShared(path, GENERIC_WRITE, TRUNCATE_EXISTING);
    return file != INVALID_HANDLE_VALUE && WriteFlushedAndClose(file, bytes);
}

std::optional<std::string> ReadFileShared(const std::string& path, bool* missing) {
    if (missing) *missing = false;
    HANDLE file = OpenShared(path, GENERIC_READ, OPEN_EXISTING);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (missing) *missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return std::nullopt;
    }
    // Read straight into the string (never a large buffer on the stack: the monitor's
    // device worker runs on a small one).
    std::string data;
    constexpr DWORD kChunk = 65536;
    bool ok = true;
    for (;;) {
        const std::size_t at = data.size();
        data.resize(at + kChunk);
        DWORD n = 0;
        ok = ReadFile(file, data.data() + at, kChunk, &n, nullptr) != 0;
        data.resize(at + n);
        if (!ok || n == 0) break;
    }
    CloseHandle(file);
    if (!ok) return std::nullopt;
    return data;
}

bool CanOpenForReading(const std::string& path) {
    HANDLE file = OpenShared(path, GENERIC_READ, OPEN_EXISTING);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

bool RemoveFile(const std::string& path) {
    return DeleteFileA(path.c_str()) != 0;
}

std::vector<std::string> DirectoryEntries(const std::string& directory) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((directory + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        names.emplace_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

bool MakeDirectory(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) != 0 || GetLastError() == ERROR_ALREADY_EXISTS;
}

unsigned long ProcessId() {
    return GetCurrentProcessId();
}

bool ProcessRunning(unsigned long processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

void SleepMs(unsigned milliseconds) {
    Sleep(milliseconds);
}

std::string ExecutablePath() {
    char buffer[MAX_PATH + 1];
    DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    if (n == 0 || n >= sizeof buffer) return "";
    return std::string(buffer, n);
}

}  // namespace tesh::platform
