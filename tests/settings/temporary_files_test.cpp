#include "settings/temporary_files.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "settings/file_io.h"
#include "settings/platform.h"
#include "tests/settings/test_dir.h"

namespace tesh {
namespace {

// Above any process id of Linux and not a multiple of four as Windows ids are.
constexpr unsigned long kNoSuchProcess = 99999999;

TEST(TemporaryFiles, OnlyOurOwnNamingIsRecognised) {
    struct Case {
        const char* entry;
        std::optional<unsigned long> owner;
    };
    const Case cases[] = {
        {"config.ini.tmp123_4", 123},
        {"CONFIG.INI.tmp7_0", 7},  // Windows names match without regard to case
        {"config.ini.tmp123_", std::nullopt},
        {"config.ini.tmp_4", std::nullopt},
        {"config.ini.tmp123_4x", std::nullopt},
        {"config.ini.tmp12a_4", std::nullopt},
        {"config.ini.tmp99999999999999999999999_1", std::nullopt},  // overflows
        {"config.ini.bak", std::nullopt},
        {"config.ini", std::nullopt},
        {"xconfig.ini.tmp1_1", std::nullopt},
        {"config.ini2.tmp1_1", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TemporaryOwner(c.entry, "config.ini"), c.owner) << c.entry;
    EXPECT_EQ(TemporaryOwner(TemporaryFileName("Default0.qfm", 42, 9), "Default0.qfm"), 42u);
}

// A process killed in the middle of a write leaves its temporary behind: the next write
// of that file removes it, and nothing that belongs to a running process or another file.
TEST(TemporaryFiles, TheNextWriteRemovesThoseOfEndedProcesses) {
    test::TestDir dir;
    const std::string path = dir.File("config.ini");
    const std::string stale = TemporaryFileName("config.ini", kNoSuchProcess, 3);
    const std::string ours = TemporaryFileName("config.ini", platform::ProcessId(), 1000000);
    const std::string otherFile = TemporaryFileName("other.ini", kNoSuchProcess, 1);
    for (const std::string& name : {stale, ours, otherFile}) dir.Write(name, "partial");
    ASSERT_TRUE(WriteFileAtomically(path, "new"));
    EXPECT_FALSE(FileExists(dir.File(stale)));
    EXPECT_TRUE(FileExists(dir.File(ours))) << "a write of this process may be under way";
    EXPECT_TRUE(FileExists(dir.File(otherFile)));
    EXPECT_EQ(dir.Read("config.ini"), "new");
}

}  // namespace
}  // namespace tesh
