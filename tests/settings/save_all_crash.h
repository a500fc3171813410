// Kills a process again and again at a random moment of save-all, and after each kill
// compares every settings file with the two complete versions the process alternates
// between. POSIX only (fork and kill). Used by a test and by a longer benchmark.
#pragma once

#include <cstddef>
#include <string>

namespace tesh::test {

struct CrashRun {
    int kills = 0;
    // Files that were, after a kill, neither the one nor the other complete version.
    int tornFiles = 0;
    // The most temporary files found beside the settings files after a kill.
    std::size_t mostLeftovers = 0;
    // Temporary files left once one more save-all ran after the last kill.
    std::size_t leftoversAfterSave = 0;
    double seconds = 0;
};

// `programDirectory` is an empty directory with a trailing separator.
CrashRun KillDuringSaveAll(const std::string& programDirectory, int kills, unsigned seed);

}  // namespace tesh::test
