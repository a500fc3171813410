#include "option/macro_set_edits.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/settings/library_records.h"

namespace tesh::option {
namespace {

struct AddCase {
    const char* what;
    int existing;
    std::string name;
    bool added;
    const char* stored;
};

MacroLibrary SetsOf(int n) {
    MacroLibrary lib;
    for (int k = 0; k < n; ++k)
        lib.sets.push_back(test::SetOf("S" + std::to_string(k), {}, SetState::kUnchanged));
    return lib;
}

TEST(MacroSetEdits, AddSetRefusesWhatTheFileCannotHold) {
    const AddCase cases[] = {
        {"plain", 2, "World of Warcraft", true, "World of Warcraft"},
        {"trimmed", 2, "  Xfire ", true, "Xfire"},
        {"cut to the field", 0, std::string(30, 'x'), true, "xxxxxxxxxxxxxxxxxxxxxxxx"},
        {"the set list's name", 2, "setmacro", false, ""},
        {"bracket", 2, "[x]", false, ""},
        {"line break", 2, "a\nb", false, ""},
        {"repeated", 2, " s1", false, ""},
        {"empty", 2, "  ", false, ""},
        {"hundred sets", 100, "New", false, ""},
        {"ninety-nine sets", 99, "New", true, "New"},
    };
    for (const AddCase& c : cases) {
        MacroLibrary lib = SetsOf(c.existing);
        EXPECT_EQ(AddMacroSet(lib, c.name), c.added) << c.what;
        ASSERT_EQ(lib.sets.size(), static_cast<std::size_t>(c.existing + (c.added ? 1 : 0)))
            << c.what;
        if (!c.added) continue;
        EXPECT_EQ(lib.sets.back().name, c.stored) << c.what;
        EXPECT_EQ(lib.sets.back().state, SetState::kNew) << c.what;
    }
}

TEST(MacroSetEdits, AddMacroRefusesFullSetsAndRepeatedNames) {
    const AddCase cases[] = {
        {"plain", 2, "Burst", true, "Burst"},
        {"repeated", 2, " M1 ", false, ""},
        {"empty", 2, "", false, ""},
        {"hundred macros", 100, "New", false, ""},
    };
    for (const AddCase& c : cases) {
        MacroSet set = test::SetOf("S", {}, SetState::kUnchanged);
        for (int j = 0; j < c.existing; ++j)
            set.macros.push_back(NewMacro("m" + std::to_string(j)));
        EXPECT_EQ(AddMacro(set, c.name), c.added) << c.what;
        EXPECT_EQ(set.state, c.added ? SetState::kNew : SetState::kUnchanged) << c.what;
        if (c.added) {
            EXPECT_STREQ(set.macros.back().name, c.stored) << c.what;
        }
    }
}

}  // namespace
}  // namespace tesh::option
