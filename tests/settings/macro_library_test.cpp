#include "settings/macro_library.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "settings/file_io.h"
#include "settings/ini_file.h"
#include "settings/library_names.h"
#include "settings/struct_codec.h"
#include "tests/settings/library_records.h"
#include "tests/settings/test_dir.h"

namespace tesh {
namespace {

using test::MacroWithEvents;
using test::SameMacro;
using test::SetOf;

// A file of one set "S" whose only macro is `macro` as given, unbounded.
IniDocument OneMacroFile(const MacroRecord& macro) {
    IniDocument doc;
    IniWriteInt(doc, kSetIndexSection, kCountKey, 1);
    IniWriteString(doc, kSetIndexSection, "0", "S");
    IniWriteInt(doc, "S", kCountKey, 1);
    IniWriteStruct(doc, "S", "0", &macro, sizeof macro);
    return doc;
}

struct MacroBoundCase {
    const char* what;
    int32_t eventCount, repeatCount;
    int32_t expectedEvents, expectedRepeat;
};

TEST(MacroLibraryLoad, BoundsEveryMacro) {
    const MacroBoundCase cases[] = {
        {"within", 3, 7, 3, 7},
        {"negative count", -5, 1, 0, 1},
        {"count above the area", 600, 1, 500, 1},
        {"huge count", 0x7FFFFFFF, 1, 500, 1},
        {"full area", 500, 255, 500, 255},
        {"negative repeat", 2, -1, 2, 0},
        {"repeat above 255", 2, 300, 2, 255},
    };
    for (const MacroBoundCase& c : cases) {
        MacroRecord raw = MacroWithEvents("m", 500);
        raw.eventCount = c.eventCount;
        raw.repeatCount = c.repeatCount;
        MacroLibrary lib = ReadMacroLibrary(OneMacroFile(raw));
        ASSERT_EQ(lib.sets.size(), 1u) << c.what;
        ASSERT_EQ(lib.sets[0].macros.size(), 1u) << c.what;
        const MacroRecord& m = lib.sets[0].macros[0];
        EXPECT_EQ(m.eventCount, c.expectedEvents) << c.what;
        EXPECT_EQ(m.repeatCount, c.expectedRepeat) << c.what;
        std::size_t used = 4 * static_cast<std::size_t>(m.eventCount);
        EXPECT_EQ(std::memcmp(m.events, raw.events, used), 0) << c.what;
        for (std::size_t i = used; i < sizeof m.events; ++i)
            ASSERT_EQ(m.events[i], 0) << c.what << ": byte " << i << " after the last event";
    }
}

TEST(MacroLibraryLoad, TerminatesNames) {
    MacroRecord raw = MacroWithEvents("", 1);
    std::memset(raw.name, 'N', sizeof raw.name);
    MacroLibrary lib = ReadMacroLibrary(OneMacroFile(raw));
    ASSERT_EQ(lib.sets.at(0).macros.size(), 1u);
    EXPECT_EQ(std::string(lib.sets[0].macros[0].name), std::string(sizeof raw.name - 1, 'N'));
}

struct CountCase {
    const char* what;
    int written;  // the "number" in the file
    int present;  // entries actually in the file
    std::size_t loaded;
};

TEST(MacroLibraryLoad, BoundsSetAndMacroCounts) {
    const CountCase cases[] = {
        {"as written", 3, 3, 3},        {"above the limit", 150, 150, 100}, {"negative", -3, 3, 0},
        {"more than present", 5, 2, 2}, {"huge", 0x7FFFFFFF, 101, 100},
    };
    for (const CountCase& c : cases) {
        IniDocument sets, macros;
        IniWriteInt(sets, kSetIndexSection, kCountKey, c.written);
        IniWriteInt(macros, kSetIndexSection, kCountKey, 1);
        IniWriteString(macros, kSetIndexSection, "0", "S");
        IniWriteInt(macros, "S", kCountKey, c.written);
        for (int i = 0; i < c.present; ++i) {
            IniWriteString(sets, kSetIndexSection, std::to_string(i), "Set " + std::to_string(i));
            MacroRecord m = MacroWithEvents("m" + std::to_string(i), 1);
            IniWriteStruct(macros, "S", std::to_string(i), &m, sizeof m);
        }
        EXPECT_EQ(ReadMacroLibrary(sets).sets.size(), c.loaded) << c.what;
        MacroLibrary lib = ReadMacroLibrary(macros);
        ASSERT_EQ(lib.sets.size(), 1u) << c.what;
        EXPECT_EQ(lib.sets[0].macros.size(), c.loaded) << c.what;
    }
}

TEST(MacroLibraryLoad, LeavesOutWhatCannotBeKept) {
    IniDocument doc;
    const char* names[] = {"Good", "SetMacro", "a]b", "GOOD ", "", "Other"};
    IniWriteInt(doc, kSetIndexSection, kCountKey, 6);
    for (int i = 0; i < 6; ++i) IniWriteString(doc, kSetIndexSection, std::to_string(i), names[i]);
    MacroRecord m = MacroWithEvents("kept", 2);
    IniWriteInt(doc, "Other", kCountKey, 4);
    IniWriteStruct(doc, "Other", "0", &m, sizeof m);
    doc.Set("Other", "1", "00FF");  // wrong length
    std::string damaged = EncodeStruct(&m, sizeof m);
    damaged[10] = damaged[10] == '0' ? '1' : '0';  // fails its checksum
    doc.Set("Other", "2", damaged);
    IniWriteStruct(doc, "Other", "3", &m, sizeof m);
    MacroLibrary lib = ReadMacroLibrary(doc);
    ASSERT_EQ(lib.sets.size(), 2u);
    EXPECT_EQ(lib.sets[0].name, "Good");
    EXPECT_EQ(lib.sets[1].name, "Other");
    EXPECT_EQ(lib.sets[1].macros.size(), 2u) << "the damaged entries are left out";
    for (const MacroSet& set : lib.sets) EXPECT_EQ(set.state, SetState::kUnchanged);
}

TEST(MacroLibraryFile, MissingOrEmptyGivesAnEmptyLibrary) {
    test::TestDir dir;
    EXPECT_TRUE(LoadMacroLibrary(dir.File("none.dat")).sets.empty());
    dir.Write("empty.dat", "");
    EXPECT_TRUE(LoadMacroLibrary(dir.File("empty.dat")).sets.empty());
}

TEST(MacroLibraryFile, SaveThenLoadGivesTheLibraryBack) {
    test::TestDir dir;
    MacroLibrary lib;
    lib.sets.push_back(SetOf("World of Warcraft", {MacroWithEvents("Burst", 4, 3),
                                                   MacroWithEvents("Full", 500, 255, 9)}));
    lib.sets.push_back(SetOf("  Empty  ", {}));
    ASSERT_TRUE(SaveMacroLibrary(lib, dir.File("lib.dat")));
    for (const MacroSet& set : lib.sets) EXPECT_EQ(set.state, SetState::kUnchanged);
    MacroLibrary back = LoadMacroLibrary(dir.File("lib.dat"));
    ASSERT_EQ(back.sets.size(), 2u);
    EXPECT_EQ(back.sets[1].name, "Empty") << "names are stored trimmed";
    ASSERT_EQ(back.sets[0].macros.size(), 2u);
    for (std::size_t j = 0; j < 2; ++j)
        EXPECT_TRUE(SameMacro(back.sets[0].macros[j], lib.sets[0].macros[j])) << j;
}

TEST(MacroLibraryFile, WritesOnlyChangedSetsAndKeepsOldSections) {
    test::TestDir dir;
    const std::string path = dir.File("lib.dat");
    MacroLibrary lib;
    lib.sets.push_back(SetOf("A", {MacroWithEvents("a", 2)}));
    lib.sets.push_back(SetOf("B", {MacroWithEvents("b", 2)}));
    ASSERT_TRUE(SaveMacroLibrary(lib, path));

    lib.sets[0].macros[0] = MacroWithEvents("a", 5);  // state left unchanged: not written
    lib.sets[1].macros.clear();
    lib.sets[1].state = SetState::kModified;
    lib.sets.push_back(SetOf("C", {MacroWithEvents("c", 1)}));
    ASSERT_TRUE(SaveMacroLibrary(lib, path));
    MacroLibrary back = LoadMacroLibrary(path);
    ASSERT_EQ(back.sets.size(), 3u);
    EXPECT_EQ(back.sets[0].macros.at(0).eventCount, 2);
    EXPECT_TRUE(back.sets[1].macros.empty());
    EXPECT_EQ(back.sets[2].macros.size(), 1u);

    lib.sets.erase(lib.sets.begin());  // a deleted set's section stays, unread
    ASSERT_TRUE(SaveMacroLibrary(lib, path));
    EXPECT_NE(dir.Read("lib.dat").find("[A]"), std::string::npos);
    back = LoadMacroLibrary(path);
    ASSERT_EQ(back.sets.size(), 2u);
    EXPECT_EQ(back.sets[0].name, "B");
}

TEST(MacroLibraryFile, NeverWritesASetWhoseNameWouldBreakTheFile) {
    test::TestDir dir;
    MacroLibrary lib;
    lib.sets.push_back(SetOf("SetMacro", {MacroWithEvents("x", 1)}));
    lib.sets.push_back(SetOf("Fine", {MacroWithEvents("y", 1)}));
    lib.sets.push_back(SetOf("bad]name", {MacroWithEvents("z", 1)}));
    ASSERT_TRUE(SaveMacroLibrary(lib, dir.File("lib.dat")));
    MacroLibrary back = LoadMacroLibrary(dir.File("lib.dat"));
    ASSERT_EQ(back.sets.size(), 1u);
    EXPECT_EQ(back.sets[0].name, "Fine");
    EXPECT_EQ(back.sets[0].macros.size(), 1u);
}

TEST(MacroLibraryFile, KeepsWhatElseTheFileHolds) {
    test::TestDir dir;
    dir.Write("lib.dat", "; notes of the user\r\n[Other]\r\nkey=value\r\n");
    MacroLibrary lib;
    lib.sets.push_back(SetOf("A", {}));
    ASSERT_TRUE(SaveMacroLibrary(lib, dir.File("lib.dat")));
    std::string text = dir.Read("lib.dat");
    EXPECT_EQ(text.rfind("; notes of the user\r\n[Other]\r\nkey=value\r\n", 0), 0u) << text;
}

TEST(MacroLibraryFile, AFailedSaveKeepsTheStatesForTheNextOne) {
    test::TestDir dir;
    MacroLibrary lib;
    lib.sets.push_back(SetOf("A", {MacroWithEvents("a", 1)}));
    // The path names a directory: nothing can replace it.
    dir.Write("lib.dat/inside", "x");
    EXPECT_FALSE(SaveMacroLibrary(lib, dir.File("lib.dat")));
    EXPECT_EQ(lib.sets[0].state, SetState::kNew);
}

}  // namespace
}  // namespace tesh
