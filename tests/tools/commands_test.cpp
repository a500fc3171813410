#include "tools/commands.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "settings/file_io.h"
#include "settings/profile_file.h"
#include "tests/settings/test_dir.h"
#include "tests/tools/tool_records.h"
#include "tests/tools/tool_run.h"

namespace tesh {
namespace {

using test::RunToolWith;

std::unique_ptr<ProfileRecord> Defaults(int slot) {
    auto p = std::make_unique<ProfileRecord>();
    std::memset(p.get(), 0, sizeof(ProfileRecord));
    ProfileDefaults(*p, slot);
    return p;
}

std::unique_ptr<ProfileRecord> Load(const std::string& path) {
    auto p = std::make_unique<ProfileRecord>();
    std::memset(p.get(), 0, sizeof(ProfileRecord));
    EXPECT_TRUE(LoadProfile(*p, path)) << path;
    return p;
}

TEST(ProfileCommands, NewWritesTheSlotDefaultsAsTheStoreSavesThem) {
    test::TestDir dir;
    for (int slot = 0; slot < kProfileCount; ++slot) {
        std::string out = dir.File("new" + std::to_string(slot) + ".qfm");
        test::ToolRun run = RunToolWith({"profile", "new", "--slot", std::to_string(slot), out});
        ASSERT_EQ(run.code, kExitOk) << run.err;
        EXPECT_EQ(run.out, "");
        ASSERT_TRUE(SaveProfile(*Defaults(slot), dir.File("saved.qfm")));
        EXPECT_EQ(ReadWholeFile(out), ReadWholeFile(dir.File("saved.qfm"))) << "slot " << slot;
    }
}

TEST(ProfileCommands, ShowJsonThenImportGivesTheSameFile) {
    test::TestDir dir;
    ASSERT_TRUE(SaveProfile(*test::FilledProfile(), dir.File("full.qfm")));
    test::ToolRun show = RunToolWith({"profile", "show", "--json", dir.File("full.qfm")});
    ASSERT_EQ(show.code, kExitOk) << show.err;
    dir.Write("full.json", show.out);
    test::ToolRun import = RunToolWith(
        {"profile", "import", dir.File("full.json"), dir.File("back.qfm"), "--slot", "4"});
    ASSERT_EQ(import.code, kExitOk) << import.err;
    EXPECT_EQ(dir.Read("back.qfm"), dir.Read("full.qfm"));
}

TEST(ProfileCommands, ImportTakesTheDefaultsOfTheSlotForAbsentKeys) {
    test::TestDir dir;
    dir.Write("part.json", R"({"ProFileName": "Sniper", "dpi": [1,0,1,0,1,0]})");
    ASSERT_EQ(
        RunToolWith({"profile", "import", dir.File("part.json"), dir.File("s3.qfm"), "--slot", "3"})
            .code,
        kExitOk);
    ASSERT_EQ(RunToolWith({"profile", "import", dir.File("part.json"), dir.File("s0.qfm")}).code,
              kExitOk);
    for (int slot : {3, 0}) {
        auto expected = Defaults(slot);
        std::memset(expected->ProFileName, 0, sizeof expected->ProFileName);
        CopyToField(expected->ProFileName, sizeof expected->ProFileName, "Sniper");
        expected->dpi[1] = expected->dpi[3] = 0;
        auto loaded = Load(dir.File("s" + std::to_string(slot) + ".qfm"));
        EXPECT_EQ(std::memcmp(loaded.get(), expected.get(), sizeof(ProfileRecord)), 0)
            << "slot " << slot;
    }
}

TEST(ProfileCommands, ShowTextHasOneLinePerKey) {
    test::TestDir dir;
    auto p = Defaults(0);
    ButtonRecord& b = p->Buttons[6];
    b.code = 48;
    CopyToField(b.macroSetName, sizeof b.macroSetName, "Shooter");
    CopyToField(b.macroName, sizeof b.macroName, "Burst \"3\"");
    b.repeatCount = 2;
    b.eventCount = 10;
    for (int e = 0; e < 10; ++e) b.events[4 * e] = static_cast<uint8_t>(e + 4);
    b.events[2] = 50;
    ASSERT_TRUE(SaveProfile(*p, dir.File("p.qfm")));
    test::ToolRun run = RunToolWith({"profile", "show", dir.File("p.qfm")});
    ASSERT_EQ(run.code, kExitOk) << run.err;
    EXPECT_NE(run.out.find("\nSensitivity = 6\n"), std::string::npos);
    EXPECT_NE(run.out.find("\ndpi5 = 0\nCpi_X = 1\n"), std::string::npos);
    EXPECT_NE(run.out.find("\nLightInfo0 = index 7, on 1, rgb 250 0 0\n"), std::string::npos);
    EXPECT_NE(run.out.find("\nMacroKeyInfo5 = number 5, code 9, eventCount 0\n"),
              std::string::npos);
    EXPECT_NE(run.out.find("\nMacroKeyInfo6 = number 6, code 48, macroSet \"Shooter\", macroName "
                           "\"Burst \\\"3\\\"\", repeat 2, eventCount 10, events [4 0 50] [5 0 0] "
                           "[6 0 0] [7 0 0] [8 0 0] [9 0 0] [10 0 0] [11 0 0] (2 more)\n"),
              std::string::npos)
        << run.out;
    std::size_t lines = 0;
    for (char c : run.out) lines += c == '\n';
    EXPECT_EQ(lines, 84u) << "one line per key of the profile file";
}

// Every refused command line: exit 2, one line on stderr naming the problem, nothing on
// stdout and no output file; an existing output file keeps its bytes.
TEST(ToolCommands, RefusedInputWritesNothing) {
    test::TestDir dir;
    dir.Write("good.json", R"({"Sensitivity": 3})");
    dir.Write("bad.json", R"({"Sensitivity": 3,})");
    dir.Write("typo.json", R"({"Sensitivty": 3})");
    dir.Write("range.json", R"({"dpi": [1,1,1,1,1,300]})");
    dir.Write("types.json", R"({"LightInfo": "red"})");
    dir.Write("not_profile.qfm", "just text\n");
    dir.Write("kept.qfm", "[Setting]\r\nProFileName=Mine\r\n");
    const std::string out = dir.File("out.qfm");
    const std::string kept = dir.File("kept.qfm");
    const std::vector<std::vector<std::string>> lines = {
        {"frobnicate"},
        {"profile"},
        {"profile", "delete", out},
        {"profile", "show"},
        {"profile", "show", dir.File("absent.qfm")},
        {"profile", "show", dir.File("not_profile.qfm")},
        {"profile", "show", dir.path()},
        {"profile", "show", dir.File("good.json"), "--verbose"},
        {"profile", "import", dir.File("good.json")},
        {"profile", "import", dir.File("absent.json"), out},
        {"profile", "import", dir.File("bad.json"), out},
        {"profile", "import", dir.File("typo.json"), out},
        {"profile", "import", dir.File("range.json"), out},
        {"profile", "import", dir.File("types.json"), out},
        {"profile", "import", dir.File("typo.json"), kept},
        {"profile", "import", dir.File("good.json"), out, "--slot", "5"},
        {"profile", "import", dir.File("good.json"), out, "--slot", "-1"},
        {"profile", "import", dir.File("good.json"), out, "--slot"},
        {"profile", "import", dir.File("good.json"), out, "--json"},
        {"profile", "import", dir.File("good.json"), out, "extra"},
        {"profile", "new", "--slot", "x", out},
        {"profile", "new", "--slot", "12", kept},
        {"profile", "new"},
        {"profile", "new", dir.File("no_such_dir/out.qfm")},
        {"settings", "show"},
        {"settings", "show", dir.File("absent")},
        {"settings", "show", kept},
    };
    for (const auto& args : lines) {
        std::string shown;
        for (const std::string& a : args) shown += a + " ";
        test::ToolRun run = RunToolWith(args);
        EXPECT_EQ(run.code, kExitBadInput) << shown;
        EXPECT_EQ(run.ErrLines(), 1u) << shown << "\n" << run.err;
        EXPECT_EQ(run.err.rfind("teshulma: ", 0), 0u) << shown << "\n" << run.err;
        EXPECT_EQ(run.out, "") << shown;
        EXPECT_FALSE(FileExists(out)) << shown;
        EXPECT_EQ(dir.Read("kept.qfm"), "[Setting]\r\nProFileName=Mine\r\n") << shown;
    }
}

TEST(ToolCommands, MessagesNameTheProblem) {
    test::TestDir dir;
    dir.Write("typo.json", R"({"Sensitivty": 3})");
    test::ToolRun run =
        RunToolWith({"profile", "import", dir.File("typo.json"), dir.File("out.qfm")});
    EXPECT_EQ(run.err, "teshulma: " + dir.File("typo.json") + ": unknown key \"Sensitivty\"\n");
    run = RunToolWith({"profile", "new", "--slot", "5", dir.File("out.qfm")});
    EXPECT_EQ(run.err, "teshulma: profile new: --slot must be 0..4, got \"5\"\n");
}

TEST(ToolCommands, HelpAndNoArguments) {
    test::ToolRun help = RunToolWith({"--help"});
    EXPECT_EQ(help.code, kExitOk);
    EXPECT_NE(help.out.find("profile import FILE.json OUT.qfm [--slot N]"), std::string::npos);
    EXPECT_EQ(help.err, "");
    test::ToolRun none = RunToolWith({});
    EXPECT_EQ(none.code, kExitBadInput);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, UsageText());
}

}  // namespace
}  // namespace tesh
