// The temporary files that a write fills before renaming them over a settings file:
// "<file>.tmp<process id>_<number>", a name per process and write, so that two programs
// never share one. A process killed in the middle of a write leaves its temporary
// behind; the next write of the same file removes it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tesh {

std::string TemporaryFileName(const std::string& path, unsigned long processId, unsigned number);
// The process id in `entry` when it names a temporary of the file named `fileName`
// ("config.ini.tmp123_4" of "config.ini" gives 123); nullopt for any other name.
// Names match without regard to case, as Windows file names do.
std::optional<unsigned long> TemporaryOwner(std::string_view entry, std::string_view fileName);
// Removes the temporaries of `path` whose process no longer runs.
void RemoveStaleTemporaries(const std::string& path);

}  // namespace tesh
