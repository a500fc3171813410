// What the setup program leaves in the Wine prefix, as the tests look at it: the
// current user's registry values, the Start menu's shortcuts and the program folder;
// and the running programs of the product, found by their windows' titles.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace tesh::test {

// Runs a command line without the test's handles (what it starts in turn, such as the
// monitor, must not hold the test's pipes) and waits for its end: the exit code, -1
// when it could not start or did not end in time.
int RunDetached(const std::string& commandLine, DWORD timeoutMs);

// HKEY_CURRENT_USER.
std::optional<std::string> UserString(const char* key, const char* name);
std::optional<DWORD> UserNumber(const char* key, const char* name);
bool UserKeyExists(const char* key);

// The user's Start menu programs folder, with a trailing separator.
std::string StartMenuPrograms();
struct Shortcut {
    std::string target;
    std::string workingDirectory;
};
std::optional<Shortcut> ReadShortcut(const std::string& path);

// The files under a folder by their paths relative to it ("FWUpdate\featlink.dll"),
// each with its size; sorted.
struct FolderFile {
    std::string path;
    unsigned long long size = 0;
    bool operator==(const FolderFile&) const = default;
};
std::vector<FolderFile> FilesUnder(const std::string& folder);

// The process that owns the window of this title; 0 when there is none.
DWORD ProcessOfWindow(const char* title);
// Ends the programs with these window titles: WM_CLOSE, and after a while termination.
void EndPrograms(const std::vector<const char*>& titles);

}  // namespace tesh::test
