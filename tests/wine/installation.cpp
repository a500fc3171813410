#include "tests/wine/installation.h"

#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <filesystem>

namespace tesh::test {
namespace {

constexpr DWORD kCloseWaitMs = 10000;

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size() + 1, L'\0');
    const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(),
                                      static_cast<int>(wide.size()));
    wide.resize(n > 0 ? static_cast<std::size_t>(n - 1) : 0);
    return wide;
}

}  // namespace

int RunDetached(const std::string& commandLine, DWORD timeoutMs) {
    std::string line = commandLine;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        return -1;
    }
    CloseHandle(info.hThread);
    DWORD code = 0;
    const bool ended = WaitForSingleObject(info.hProcess, timeoutMs) == WAIT_OBJECT_0 &&
                       GetExitCodeProcess(info.hProcess, &code);
    if (!ended) TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hProcess);
    return ended ? static_cast<int>(code) : -1;
}

std::optional<std::string> UserString(const char* key, const char* name) {
    char value[1024] = {};
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::string(value);
}

std::optional<DWORD> UserNumber(const char* key, const char* name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}

bool UserKeyExists(const char* key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
}

std::string StartMenuPrograms() {
    char path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, path)))
        return "";
    return std::string(path) + "\\";
}

std::optional<Shortcut> ReadShortcut(const std::string& path) {
    const bool initialized = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    std::optional<Shortcut> result;
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            char target[MAX_PATH] = {};
            char directory[MAX_PATH] = {};
            if (SUCCEEDED(file->Load(Wide(path).c_str(), STGM_READ)) &&
                SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) &&
                SUCCEEDED(link->GetWorkingDirectory(directory, MAX_PATH))) {
                result = Shortcut{target, directory};
            }
            file->Release();
        }
        link->Release();
    }
    if (initialized) CoUninitialize();
    return result;
}

std::vector<FolderFile> FilesUnder(const std::string& folder) {
    std::vector<FolderFile> files;
    std::error_code error;
    const std::filesystem::path root(folder);
    for (auto it = std::filesystem::recursive_directory_iterator(root, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        if (!it->is_regular_file()) continue;
        files.push_back({it->path().lexically_relative(root).string(), it->file_size()});
    }
    std::sort(files.begin(), files.end(),
              [](const FolderFile& a, const FolderFile& b) { return a.path < b.path; });
    return files;
}

DWORD ProcessOfWindow(const char* title) {
    DWORD process = 0;
    if (HWND window = FindWindowA(nullptr, title)) GetWindowThreadProcessId(window, &process);
    return process;
}

void EndPrograms(const std::vector<const char*>& titles) {
    for (const char* title : titles) {
        const DWORD id = ProcessOfWindow(title);
        if (id == 0) continue;
        HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, id);
        if (HWND window = FindWindowA(nullptr, title)) PostMessageA(window, WM_CLOSE, 0, 0);
        if (process && WaitForSingleObject(process, kCloseWaitMs) != WAIT_OBJECT_0) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, kCloseWaitMs);
        }
        if (process) CloseHandle(process);
    }
}

}  // namespace tesh::test
