// Whole-file reads and atomic replacement, and the program's paths. File names are
// ANSI text; relative names use backslashes as on Windows and are turned into the
// host's separator by JoinPath.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tesh {

// The contents of a file, or nullopt when it cannot be read; `missing` (when given)
// tells whether that is because the file does not exist. The file stays open to other
// programs' writes, deletes and renames while it is read.
std::optional<std::string> ReadWholeFile(const std::string& path, bool* missing = nullptr);
// Writes a temporary file beside `path`, flushed to the disk, and renames it over
// `path`, so that a crash leaves either the old file or the new one, never a torn one.
// While another program holds `path` open without delete sharing, the rename is tried
// again for about a second and then the file is written in place. False when nothing
// could replace the file (it is then unchanged); no temporary file is left behind.
// Temporaries that killed processes left beside `path` are removed first.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);
bool FileExists(const std::string& path);
// True for bytes that hold no settings although the file exists: empty, or nothing but
// zero bytes, as a crash can leave a file whose data never reached the disk. Such a
// file reads as a missing one.
bool EmptyOrZeroed(std::string_view bytes);
// `directory` ends with a separator (or is empty); `relative` may hold backslashes.
std::string JoinPath(std::string_view directory, std::string_view relative);
// The directory of the running program's file with a trailing separator ("" when it
// cannot be determined).
std::string ProgramDirectory();
// `directory` with a trailing separator added when it lacks one.
std::string WithTrailingSeparator(std::string directory);

}  // namespace tesh
