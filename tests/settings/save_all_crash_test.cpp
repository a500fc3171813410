#include "tests/settings/save_all_crash.h"

#include <gtest/gtest.h>

#include "tests/settings/test_dir.h"

namespace tesh {
namespace {

// A kill at any moment of save-all leaves every settings file whole, old or new, and the
// temporaries of killed writers go with the next save.
TEST(SaveAllCrash, EveryFileIsTheOldOrTheNewOneAfterAKill) {
    test::TestDir dir;
    const test::CrashRun run = test::KillDuringSaveAll(dir.path(), 40, 7);
    EXPECT_EQ(run.kills, 40);
    EXPECT_EQ(run.tornFiles, 0);
    EXPECT_EQ(run.leftoversAfterSave, 0u);
}

}  // namespace
}  // namespace tesh
