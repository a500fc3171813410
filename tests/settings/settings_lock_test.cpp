// The settings lock between processes (POSIX: forked children).
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "settings/file_lock.h"
#include "settings/ini_file.h"
#include "tests/settings/test_dir.h"

namespace tesh {
namespace {

constexpr int kWrites = 300;

// Writes key `key` = 1..kWrites, one read-modify-write each, and checks before each that
// the key still holds its last value: a write of the other process based on a read from
// before ours would have put an older one back. Exit code: the number of such losses.
[[noreturn]] void WriteOwnKey(const std::string& path, const char* key) {
    IniFile file(path);
    int lost = 0;
    for (int i = 1; i <= kWrites; ++i) {
        if (file.ReadInt("Setting", key, 0) != i - 1) ++lost;
        if (!file.WriteInt("Setting", key, i)) ++lost;
    }
    _exit(lost > 100 ? 100 : lost);
}

TEST(SettingsFileLock, TwoProcessesNeverUndoEachOthersKeys) {
    test::TestDir dir;
    const std::string path = dir.File("config.ini");
    std::vector<pid_t> children;
    for (const char* key : {"UsageCount", "CurrentProfile"}) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) WriteOwnKey(path, key);
        children.push_back(child);
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "writes lost by process " << child;
    }
    IniFile file(path);
    EXPECT_EQ(file.ReadInt("Setting", "UsageCount", 0), kWrites);
    EXPECT_EQ(file.ReadInt("Setting", "CurrentProfile", 0), kWrites);
}

// Two holders in one process exclude each other as two processes do.
TEST(SettingsFileLock, IsHeldByOneHolderAtATime) {
    std::unique_ptr<FileLock> first = OpenSettingsFileLock();
    std::unique_ptr<FileLock> second = OpenSettingsFileLock();
    ASSERT_TRUE(first->Acquire(kSettingsLockWaitMs));
    EXPECT_FALSE(second->Acquire(0));
    first->Release();
    EXPECT_TRUE(second->Acquire(kSettingsLockWaitMs));
    second->Release();
}

}  // namespace
}  // namespace tesh
