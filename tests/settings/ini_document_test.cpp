#include "settings/ini_document.h"

#include <gtest/gtest.h>

#include "settings/ini_file.h"
#include "tests/settings/test_dir.h"

namespace tesh {
namespace {

TEST(IniDocument, SectionsAndKeysIgnoreCase) {
    IniDocument doc = IniDocument::Parse("[Setting]\r\nCurrentProfile=3\r\n[Other]\r\nx=1\r\n");
    EXPECT_EQ(doc.Get("SETTING", "currentprofile"), "3");
    EXPECT_EQ(doc.Get("other", "X"), "1");
    EXPECT_FALSE(doc.Get("Setting", "x"));
    EXPECT_FALSE(doc.Get("Missing", "x"));
}

TEST(IniDocument, ValuesAreTrimmedAndUnquoted) {
    IniDocument doc = IniDocument::Parse(
        "[S]\n  Key  =  some value  \nq=\"quoted \"\nhalf=\"open\n;comment=1\nempty=\n");
    EXPECT_EQ(doc.Get("S", "key"), "some value");
    EXPECT_EQ(doc.Get("S", "q"), "quoted ");
    EXPECT_EQ(doc.Get("S", "half"), "\"open");
    EXPECT_FALSE(doc.Get("S", ";comment"));
    EXPECT_EQ(doc.Get("S", "empty"), "");
}

TEST(IniDocument, FirstMatchWins) {
    IniDocument doc = IniDocument::Parse("[S]\na=1\na=2\n[s]\nb=3\n");
    EXPECT_EQ(doc.Get("S", "a"), "1");
    EXPECT_FALSE(doc.Get("S", "b")) << "a repeated section is not merged";
    doc.Set("S", "A", "9");
    EXPECT_EQ(doc.Serialize(), "[S]\r\na=9\r\na=2\r\n[s]\r\nb=3\r\n");
}

TEST(IniDocument, WriteReplacesInPlaceOrAppends) {
    IniDocument doc = IniDocument::Parse("; head\r\n[One]\r\nK=1\r\n\r\n[Two]\r\nz=0\r\n");
    doc.Set("one", "k", "2");
    doc.Set("ONE", "New", "x");
    doc.Set("Three", "T", "3");
    EXPECT_EQ(doc.Serialize(),
              "; head\r\n[One]\r\nK=2\r\nNew=x\r\n\r\n[Two]\r\nz=0\r\n[Three]\r\nT=3\r\n");
    EXPECT_EQ(doc.SectionNames(), (std::vector<std::string>{"One", "Two", "Three"}));
}

TEST(IniDocument, EmptyFileAndLineEndings) {
    IniDocument doc = IniDocument::Parse("");
    doc.Set("Setting", "a", "1");
    EXPECT_EQ(doc.Serialize(), "[Setting]\r\na=1\r\n");
    IniDocument unix = IniDocument::Parse("[S]\na=1");
    EXPECT_EQ(unix.Serialize(), "[S]\r\na=1\r\n");
}

TEST(IniDocument, MalformedLinesAreKept) {
    IniDocument doc = IniDocument::Parse("garbage\n[broken\nk=v\n=novalue\n");
    EXPECT_EQ(doc.Get("broken", "k"), "v");
    doc.Set("broken", "k", "w");
    EXPECT_EQ(doc.Serialize(), "garbage\r\n[broken\r\nk=w\r\n=novalue\r\n");
}

TEST(IniRead, IntegersParseLikeTheWindowsFunctions) {
    EXPECT_EQ(ParseIniInt(std::nullopt, -1), -1);
    EXPECT_EQ(ParseIniInt(std::string(""), 7), 7);
    EXPECT_EQ(ParseIniInt(std::string("42abc"), 7), 42);
    EXPECT_EQ(ParseIniInt(std::string("-17"), 7), -17);
    EXPECT_EQ(ParseIniInt(std::string("+5"), 7), 5);
    EXPECT_EQ(ParseIniInt(std::string("abc"), 7), 0);
    EXPECT_EQ(ParseIniInt(std::string("4294967295"), 7), -1);
}

TEST(IniRead, StringsAreCutTo2047Characters) {
    IniDocument doc;
    doc.Set("S", "long", std::string(3000, 'x'));
    EXPECT_EQ(IniReadString(doc, "S", "long", "").size(), kMaxIniString);
    EXPECT_EQ(IniReadString(doc, "S", "missing", "fallback"), "fallback");
}

TEST(IniWrite, LineBreaksCannotAddKeys) {
    IniDocument doc;
    IniWriteString(doc, "Setting", "ProFileName", "name\r\n[Evil]\r\nCurrentProfile=4");
    EXPECT_EQ(doc.Get("Setting", "ProFileName"), "name");
    EXPECT_FALSE(doc.Get("Evil", "CurrentProfile"));
}

TEST(IniWrite, StringsWithSpacesOrQuotesReadBackUnchanged) {
    IniDocument doc;
    for (std::string_view name : {"  Sniper", "Sniper\t", "\"Sniper\"", "'x'", "\"", "a \"b\""}) {
        IniWriteString(doc, "Setting", "ProFileName", name);
        EXPECT_EQ(IniReadString(doc, "Setting", "ProFileName", "-"), name);
    }
    IniWriteString(doc, "Setting", "Plain", "My Game");
    EXPECT_NE(doc.Serialize().find("\r\nPlain=My Game\r\n"), std::string::npos)
        << "other values are written as they stand";
}

TEST(IniFile, EachOperationSeesTheDisk) {
    test::TestDir dir;
    IniFile ini(dir.File("a.ini"));
    EXPECT_EQ(ini.ReadInt("Setting", "FWVersion", 100), 100);
    EXPECT_TRUE(ini.WriteInt("Setting", "FWVersion", 105));
    EXPECT_TRUE(ini.WriteString("Setting", "Name", "x"));
    dir.Write("a.ini", dir.Read("a.ini") + "Extra=5\r\n");  // another program writes
    EXPECT_EQ(ini.ReadInt("setting", "extra", 0), 5);
    EXPECT_EQ(ini.ReadInt("Setting", "FWVersion", 100), 105);
    uint8_t bytes[5] = {7, 1, 250, 0, 0};
    EXPECT_TRUE(ini.WriteStruct("Setting", "Light", bytes, sizeof bytes));
    EXPECT_EQ(dir.Read("a.ini"),
              "[Setting]\r\nFWVersion=105\r\nName=x\r\nExtra=5\r\nLight=0701FA000002\r\n");
    uint8_t back[5] = {};
    EXPECT_TRUE(ini.ReadStruct("SETTING", "light", back, sizeof back));
    EXPECT_EQ(back[2], 250);
}

TEST(IniFile, WriteLeavesNoTemporaryFiles) {
    test::TestDir dir;
    IniFile ini(dir.File("b.ini"));
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(ini.WriteInt("S", "k", i));
    EXPECT_EQ(dir.Read("b.ini"), "[S]\r\nk=4\r\n");
    IniFile nowhere(dir.File("missing-dir/c.ini"));
    EXPECT_FALSE(nowhere.WriteInt("S", "k", 1));
}

}  // namespace
}  // namespace tesh
