// The few file-system calls that differ between Windows and POSIX; implemented in
// win/platform.cpp and posix/platform.cpp.
#pragma once

#include <string>

namespace tesh::platform {

constexpr char kSeparator =
#ifdef _WIN32
    '\\';
#else
    '/';
#endif

// Renames `from` over `to`, replacing `to` when it exists.
bool RenameOver(const std::string& from, const std::string& to);
unsigned long ProcessId();
// Creates a directory; true when it exists afterwards.
bool MakeDirectory(const std::string& path);
// Full path of the running executable, "" when unknown.
std::string ExecutablePath();

}  // namespace tesh::platform
