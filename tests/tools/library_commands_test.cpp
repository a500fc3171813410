#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/file_io.h"
#include "settings/macro_library.h"
#include "settings/timer_list.h"
#include "tests/settings/library_records.h"
#include "tests/settings/test_dir.h"
#include "tests/tools/tool_run.h"
#include "tools/commands.h"

namespace tesh {
namespace {

using test::MacroWithEvents;
using test::RunToolWith;
using test::SetOf;

// A library as the application saves it, with every kind of value in it.
void WriteLibrary(const std::string& path) {
    MacroLibrary lib;
    lib.sets.push_back(SetOf("World of Warcraft",
                             {MacroWithEvents("Burst", 4, 3), MacroWithEvents("Full", 500, 255, 9),
                              MacroWithEvents("  Blanks\xE9 ", 0, 0)}));
    lib.sets.push_back(SetOf("Empty", {}));
    lib.sets.push_back(SetOf("Quotes \"x\" = y", {MacroWithEvents("m", 1)}));
    ASSERT_TRUE(SaveMacroLibrary(lib, path));
}

void WriteTimers(const std::string& path) {
    TimerList timers = {NewTimer("Tea", 180), NewTimer(" Egg\xFC ", 15), NewTimer("Long", 999)};
    ASSERT_TRUE(SaveTimerList(timers, path));
}

struct RoundTrip {
    const char* group;
    void (*write)(const std::string&);
    const char* file;
};

TEST(LibraryCommands, ExportThenImportGivesTheSameFile) {
    const RoundTrip cases[] = {{"macros", WriteLibrary, "Preset_sequence.dat"},
                               {"timers", WriteTimers, "Timer.ini"}};
    for (const RoundTrip& c : cases) {
        test::TestDir dir;
        c.write(dir.File(c.file));
        test::ToolRun out = RunToolWith({c.group, "export", dir.File(c.file), dir.File("x.json")});
        ASSERT_EQ(out.code, kExitOk) << out.err;
        EXPECT_EQ(out.out, "");
        test::ToolRun in = RunToolWith({c.group, "import", dir.File("x.json"), dir.File("back")});
        ASSERT_EQ(in.code, kExitOk) << in.err;
        EXPECT_EQ(dir.Read("back"), dir.Read(c.file)) << c.group;
        test::ToolRun show = RunToolWith({c.group, "show", "--json", dir.File(c.file)});
        ASSERT_EQ(show.code, kExitOk) << show.err;
        EXPECT_EQ(show.out, dir.Read("x.json")) << "show --json prints what export writes";
    }
}

TEST(LibraryCommands, ImportThenExportGivesTheSameJson) {
    test::TestDir dir;
    const std::string json =
        "{\n  \"sets\": [\n    {\n      \"name\": \"Raid\",\n      \"macros\": [\n        {\n"
        "          \"name\": \"Pull\",\n          \"repeat\": 2,\n"
        "          \"events\": [\n            [4, 1, 300],\n            [4, 2, 0]\n"
        "          ]\n        }\n      ]\n    }\n  ]\n}\n";
    dir.Write("in.json", json);
    ASSERT_EQ(RunToolWith({"macros", "import", dir.File("in.json"), dir.File("lib.dat")}).code,
              kExitOk);
    ASSERT_EQ(RunToolWith({"macros", "export", dir.File("lib.dat"), dir.File("out.json")}).code,
              kExitOk);
    EXPECT_EQ(dir.Read("out.json"), json);
}

TEST(LibraryCommands, ShowTextHasALinePerSetMacroAndTimer) {
    test::TestDir dir;
    WriteLibrary(dir.File("lib.dat"));
    WriteTimers(dir.File("Timer.ini"));
    test::ToolRun macros = RunToolWith({"macros", "show", dir.File("lib.dat")});
    ASSERT_EQ(macros.code, kExitOk) << macros.err;
    EXPECT_EQ(macros.out.rfind("3 macro sets\nset \"World of Warcraft\": 3 macros\n"
                               "  macro \"Burst\": repeat 3, 4 events [4 1 0] [5 2 263]",
                               0),
              0u)
        << macros.out;
    EXPECT_NE(macros.out.find("(492 more)"), std::string::npos);
    EXPECT_NE(macros.out.find("set \"Empty\": 0 macros\n"), std::string::npos);
    test::ToolRun timers = RunToolWith({"timers", "show", dir.File("Timer.ini")});
    ASSERT_EQ(timers.code, kExitOk) << timers.err;
    EXPECT_EQ(timers.out,
              "3 timers\ntimer \"Tea\": 180 s\ntimer \" Egg\xC3\xBC \": 15 s\n"
              "timer \"Long\": 999 s\n");
}

TEST(LibraryCommands, ImportsTheLimitsExactly) {
    test::TestDir dir;
    std::string sets = "{\"sets\": [";
    for (int k = 0; k < kMaxMacroSets; ++k)
        sets += std::string(k ? "," : "") + "{\"name\": \"S" + std::to_string(k) + "\"}";
    dir.Write("sets.json", sets + "]}");
    std::string timers = "{\"timers\": [";
    for (int i = 0; i < kMaxTimers; ++i)
        timers += std::string(i ? "," : "") + "{\"name\": \"T" + std::to_string(i) +
                  "\", \"seconds\": 15}";
    dir.Write("timers.json", timers + "]}");
    ASSERT_EQ(RunToolWith({"macros", "import", dir.File("sets.json"), dir.File("l.dat")}).code,
              kExitOk);
    EXPECT_EQ(LoadMacroLibrary(dir.File("l.dat")).sets.size(), 100u);
    ASSERT_EQ(RunToolWith({"timers", "import", dir.File("timers.json"), dir.File("t.ini")}).code,
              kExitOk);
    EXPECT_EQ(LoadTimerList(dir.File("t.ini")).size(), 50u);
}

struct RefusedCase {
    const char* group;
    const char* json;
    const char* message;  // part of the error line
};

std::string Many(const char* entry, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) {
        std::string e = entry;
        std::size_t at = e.find('#');
        if (at != std::string::npos) e.replace(at, 1, std::to_string(i));
        s += (i ? "," : "") + e;
    }
    return s;
}

TEST(LibraryCommands, RefusedJsonWritesNothing) {
    const std::string manySets = "{\"sets\": [" + Many("{\"name\": \"S#\"}", 101) + "]}";
    const std::string manyMacros =
        "{\"sets\": [{\"name\": \"S\", \"macros\": [" + Many("{\"name\": \"m\"}", 101) + "]}]}";
    const std::string manyEvents =
        "{\"sets\": [{\"name\": \"S\", \"macros\": [{\"name\": \"m\", "
        "\"events\": [" +
        Many("[4,1,0]", 501) + "]}]}]}";
    const std::string manyTimers =
        "{\"timers\": [" + Many("{\"name\": \"T#\", \"seconds\": 20}", 51) + "]}";
    const std::string longMacroName = "{\"sets\": [{\"name\": \"S\", \"macros\": [{\"name\": \"" +
                                      std::string(52, 'm') + "\"}]}]}";
    const std::string longTimerName =
        "{\"timers\": [{\"name\": \"" + std::string(100, 't') + "\", \"seconds\": 20}]}";
    const RefusedCase cases[] = {
        {"macros", "{\"sets\": [}", "bad JSON"},
        {"macros", "[]", "expected an object"},
        {"macros", "{}", "missing key \"sets\""},
        {"macros", "{\"sets\": [], \"extra\": 1}", "unknown key \"extra\""},
        {"macros", "{\"sets\": [{\"name\": \"SetMacro\"}]}", "cannot name a macro set"},
        {"macros", "{\"sets\": [{\"name\": \"a]b\"}]}", "cannot name a macro set"},
        {"macros", "{\"sets\": [{\"name\": \" padded\"}]}", "cannot name a macro set"},
        {"macros", "{\"sets\": [{\"name\": \"two\\nlines\"}]}", "cannot name a macro set"},
        {"macros", "{\"sets\": [{\"name\": \"A\"}, {\"name\": \" a\"}]}", "cannot name"},
        {"macros", "{\"sets\": [{\"name\": \"A\"}, {\"name\": \"a\"}]}", "comes before"},
        {"macros", "{\"sets\": [{\"macros\": []}]}", "missing key \"name\""},
        {"macros", manySets.c_str(), "101 sets, at most 100"},
        {"macros", manyMacros.c_str(), "101 macros, at most 100"},
        {"macros", manyEvents.c_str(), "501 events"},
        {"macros", longMacroName.c_str(), "at most 51 fit"},
        {"macros",
         "{\"sets\": [{\"name\": \"S\", \"macros\": [{\"name\": \"m\", \"repeat\": 256}]}]}",
         "256 is out of range 0..255"},
        {"macros",
         "{\"sets\": [{\"name\": \"S\", \"macros\": [{\"name\": \"m\", \"events\": "
         "[[256,1,0]]}]}]}",
         "256 is out of range"},
        {"macros",
         "{\"sets\": [{\"name\": \"S\", \"macros\": [{\"name\": \"m\", \"events\": "
         "[[4,1,65536]]}]}]}",
         "65536 is out of range 0..65535"},
        {"macros", "{\"sets\": [{\"name\": \"S\", \"macros\": [{\"name\": \"\\u4e00\"}]}]}",
         "cannot be stored"},
        {"timers", "{\"timers\": {}}", "expected an array"},
        {"timers", "{\"timers\": [{\"name\": \"T\", \"seconds\": 14}]}",
         "14 is out of range 15..999"},
        {"timers", "{\"timers\": [{\"name\": \"T\", \"seconds\": 1000}]}", "out of range 15..999"},
        {"timers", "{\"timers\": [{\"name\": \"T\"}]}", "missing key \"seconds\""},
        {"timers", "{\"timers\": [{\"name\": \"  \", \"seconds\": 20}]}", "needs a name"},
        {"timers",
         "{\"timers\": [{\"name\": \"Tea\", \"seconds\": 20}, {\"name\": \" TEA\", \"seconds\": "
         "30}]}",
         "comes before"},
        {"timers", manyTimers.c_str(), "51 timers, at most 50"},
        {"timers", longTimerName.c_str(), "at most 99 fit"},
        {"timers", "{\"timers\": [{\"name\": \"T\", \"seconds\": 20, \"id\": 1}]}",
         "unknown key \"id\""},
    };
    for (const RefusedCase& c : cases) {
        test::TestDir dir;
        dir.Write("in.json", c.json);
        test::ToolRun run = RunToolWith({c.group, "import", dir.File("in.json"), dir.File("out")});
        EXPECT_EQ(run.code, kExitBadInput) << c.json;
        EXPECT_EQ(run.ErrLines(), 1u) << c.json << "\n" << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.json << "\n" << run.err;
        EXPECT_FALSE(FileExists(dir.File("out"))) << c.json;
    }
}

TEST(LibraryCommands, RefusedCommandLinesWriteNothing) {
    test::TestDir dir;
    WriteLibrary(dir.File("lib.dat"));
    WriteTimers(dir.File("Timer.ini"));
    dir.Write("text.txt", "just text\n");
    const std::string out = dir.File("out");
    const std::vector<std::vector<std::string>> lines = {
        {"macros"},
        {"macros", "show"},
        {"macros", "show", dir.File("absent.dat")},
        {"macros", "show", dir.File("text.txt")},
        {"macros", "show", dir.File("Timer.ini")},
        {"macros", "show", dir.path()},
        {"macros", "show", dir.File("lib.dat"), "--slot", "1"},
        {"macros", "export", dir.File("lib.dat")},
        {"macros", "export", dir.File("lib.dat"), out, "--json"},
        {"macros", "export", dir.File("text.txt"), out},
        {"macros", "export", dir.File("lib.dat"), dir.File("no_dir/out")},
        {"macros", "import", dir.File("absent.json"), out},
        {"macros", "import", dir.File("lib.dat"), out},
        {"timers", "show", dir.File("lib.dat")},
        {"timers", "export", dir.File("Timer.ini"), out, "extra"},
        {"timers", "import", dir.File("Timer.ini"), out},
        {"timers", "delete", out},
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
    }
}

}  // namespace
}  // namespace tesh
