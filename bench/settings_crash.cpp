// settings_crash [KILLS]: kills a process KILLS times (default 1000) at a random moment
// of save-all and counts the settings files that were not whole afterwards.
#include <cstdio>
#include <cstdlib>

#include "tests/settings/save_all_crash.h"
#include "tests/settings/test_dir.h"

int main(int argc, char** argv) {
    const int kills = argc > 1 ? std::atoi(argv[1]) : 1000;
    tesh::test::TestDir dir;
    const tesh::test::CrashRun run = tesh::test::KillDuringSaveAll(dir.path(), kills, 2024);
    std::printf(
        "kills %d, torn files %d, most temporaries after a kill %zu, "
        "temporaries after the next save %zu, %.1f s (%.1f ms a kill)\n",
        run.kills, run.tornFiles, run.mostLeftovers, run.leftoversAfterSave, run.seconds,
        run.kills ? 1000.0 * run.seconds / run.kills : 0.0);
    return 0;
}
