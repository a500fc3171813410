#include "tests/wine/monitor_program.h"

#include <tlhelp32.h>

#include <cstring>
#include <filesystem>
#include <sstream>

#include "monitor/monitor_names.h"
#include "monitor/program_names.h"
#include "settings/file_io.h"
#include "settings/ini_file.h"
#include "settings/settings_store.h"

namespace tesh::test {

namespace {

constexpr DWORD kPollMs = 50;
constexpr char kMonitorProgram[] = "TeshUlmaOpticalMonitor.exe";
constexpr char kOptionMessagesLog[] = "option_messages.log";

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= deadline) return false;
        Sleep(kPollMs);
    }
    return true;
}

// Wine shows the Unix file system as drive Z:.
std::string WinePath(std::string path) {
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

std::string StagedProgramDirectory() {
    return WithTrailingSeparator(WinePath(TESH_DIST_DIR));
}

int ProcessesNamed(const std::string& fileName) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return -1;
    int count = 0;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, fileName.c_str()) == 0) ++count;
    }
    CloseHandle(snapshot);
    return count;
}

MonitorProgram::MonitorProgram(std::string directory, const std::string& standIn)
    : directory_(std::move(directory)) {
    std::error_code error;
    // Folder names without their trailing separator.
    const std::string from = StagedProgramDirectory();
    std::filesystem::copy(from.substr(0, from.size() - 1),
                          directory_.substr(0, directory_.size() - 1),
                          std::filesystem::copy_options::recursive, error);
    CopyFileA(standIn.c_str(), File(monitor::kOptionProgram).c_str(), FALSE);
}

MonitorProgram::~MonitorProgram() {
    if (Running()) Close();
    if (Running()) TerminateProcess(process_, 1);
    if (process_) CloseHandle(process_);
}

bool MonitorProgram::Running() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

HWND MonitorProgram::window() const {
    return FindWindowA(nullptr, monitor::kMonitorWindowTitle);
}

// Started without handles of the test: the programs it starts in turn must not keep
// the test's pipes open.
bool MonitorProgram::Start(const std::string& arguments) {
    if (process_) CloseHandle(process_);
    process_ = nullptr;
    std::string line = Quoted(File(kMonitorProgram)) + " " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        return false;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    return WaitUntil([this] { return window() != nullptr || !Running(); }) && Running();
}

int MonitorProgram::StartSecondCopy(const std::string& arguments) {
    return RunChild(Quoted(File(kMonitorProgram)) + " " + arguments).exitCode;
}

int MonitorProgram::Close() {
    if (HWND monitor = window()) PostMessageA(monitor, WM_CLOSE, 0, 0);
    return WaitForEnd();
}

int MonitorProgram::WaitForEnd(DWORD timeoutMs) {
    DWORD code = 0;
    if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(process_, &code)) {
        return -1;
    }
    return static_cast<int>(code);
}

int MonitorProgram::ImageVersion() const {
    return IniFile(File(monitor::kUpgraderConfig))
        .ReadInt(monitor::kUpgraderSection, monitor::kUpgraderVersionKey, -1);
}

int MonitorProgram::ConfigInt(const std::string& key) const {
    return IniFile(File(kConfigIni)).ReadInt("Setting", key, -1);
}

std::vector<std::string> MonitorProgram::OptionMessages() const {
    std::vector<std::string> lines;
    std::istringstream text(ReadWholeFile(File(kOptionMessagesLog)).value_or(""));
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

BlockClient::BlockClient()
    : mapping_(OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, monitor::kBlockName)),
      mutex_(OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, monitor::kBlockMutexName)) {
    if (mapping_) {
        view_ = static_cast<SettingsSet*>(
            MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SettingsSet)));
    }
}

BlockClient::~BlockClient() {
    if (view_) UnmapViewOfFile(view_);
    if (mapping_) CloseHandle(mapping_);
    if (mutex_) CloseHandle(mutex_);
}

std::unique_ptr<SettingsSet> BlockClient::Read() const {
    auto copy = std::make_unique<SettingsSet>();
    std::memset(copy.get(), 0, sizeof *copy);
    if (!opened() || WaitForSingleObject(mutex_, INFINITE) != WAIT_OBJECT_0) return copy;
    std::memcpy(copy.get(), view_, sizeof *copy);
    ReleaseMutex(mutex_);
    return copy;
}

void BlockClient::Change(const std::function<void(SettingsSet&)>& change) {
    if (!opened() || WaitForSingleObject(mutex_, INFINITE) != WAIT_OBJECT_0) return;
    change(*view_);
    ReleaseMutex(mutex_);
}

}  // namespace tesh::test
