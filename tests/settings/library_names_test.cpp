#include "settings/library_names.h"

#include <gtest/gtest.h>

#include <string>

namespace tesh {
namespace {

struct NamePair {
    const char* a;
    const char* b;
    bool same;
};

TEST(LibraryNames, CompareTrimmedWithoutCase) {
    const NamePair cases[] = {
        {"World of Warcraft", "world of warcraft", true},
        {"  Xfire\t", "XFIRE", true},
        {"Sniper", "Sniper 2", false},
        {"", "   ", true},
        {"a b", "ab", false},
    };
    for (const NamePair& c : cases) EXPECT_EQ(SameName(c.a, c.b), c.same) << c.a << " | " << c.b;
}

struct SetNameCase {
    std::string name;
    bool storable;
};

TEST(LibraryNames, RefuseSetNamesThatWouldBreakTheFile) {
    const SetNameCase cases[] = {
        {"World of Warcraft", true},
        {"  padded  ", true},
        {"Quotes \"inside\"", true},
        {std::string(kMaxSetNameBytes, 'x'), true},
        {std::string(kMaxSetNameBytes + 1, 'x'), false},
        {"", false},
        {"   ", false},
        {"SetMacro", false},
        {" setmacro ", false},
        {"SetMacro2", true},
        {"a]b", false},
        {"[a", false},
        {"two\r\nlines", false},
        {"tab\tinside", false},
        {std::string("nul\0inside", 10), false},
        {"del\x7F", false},
    };
    for (const SetNameCase& c : cases)
        EXPECT_EQ(IsStorableSetName(c.name), c.storable) << "\"" << c.name << "\"";
}

}  // namespace
}  // namespace tesh
