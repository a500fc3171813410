#include "settings/profile_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "settings/ini_file.h"
#include "settings/profile_fields.h"
#include "settings/struct_codec.h"
#include "tests/settings/test_dir.h"
#include "tests/settings/test_records.h"

namespace tesh {
namespace {

TEST(ProfileFields, CoverTheRecordInFileOrder) {
    const auto& fields = ProfileFields();
    ASSERT_EQ(fields.size(), 4u + 15 + 6 + 3 + 10 + 14 + 8 + 24);
    EXPECT_EQ(fields.front().key, "ProFileName");
    EXPECT_EQ(fields[19].key, "dpi0");
    EXPECT_EQ(fields[28].key, "CpiLevel_X0");
    EXPECT_EQ(fields[33].key, "CpiLevel_Y0");
    EXPECT_EQ(fields.back().key, "MacroKeyInfo23");
    std::size_t covered = 0;
    for (const ProfileField& f : fields) covered += f.size;
    EXPECT_EQ(covered, sizeof(ProfileRecord) - 4) << "all but the reserved bytes";
}

TEST(ProfileFile, RoundTripsEveryField) {
    test::TestDir dir;
    auto written = std::make_unique<ProfileRecord>();
    test::FillProfile(*written, 7);
    ASSERT_TRUE(SaveProfile(*written, dir.File("p.qfm")));
    auto read = std::make_unique<ProfileRecord>();
    std::memset(read.get(), 0, sizeof(ProfileRecord));
    ASSERT_TRUE(LoadProfile(*read, dir.File("p.qfm")));
    EXPECT_EQ(std::memcmp(written.get(), read.get(), sizeof(ProfileRecord)), 0);
}

TEST(ProfileFile, MissingKeysReadTheirDefaults) {
    test::TestDir dir;
    dir.Write("p.qfm", "[Setting]\r\nProFileName=Only name\r\nDbleClickSpeed=300\r\n");
    auto p = std::make_unique<ProfileRecord>();
    ProfileDefaults(*p, 2);
    ASSERT_TRUE(LoadProfile(*p, dir.File("p.qfm")));
    EXPECT_STREQ(p->ProFileName, "Only name");
    EXPECT_EQ(p->DbleClickSpeed, 300);
    EXPECT_EQ(p->Sensitivity, -1);
    EXPECT_EQ(p->CpiLevel_Y[4], -1);
    EXPECT_EQ(p->dpi[0], 0xFF) << "-1 stored as its low byte";
    EXPECT_EQ(p->LtChoseType, 0);
    EXPECT_EQ(p->UseColorForAll, 0);
    EXPECT_STREQ(p->GameFile1, "");
    // Struct entries that are missing keep the record's bytes.
    EXPECT_EQ(p->LightInfo[0].colorIndex, 7);
    EXPECT_EQ(p->Buttons[5].code, 9);
}

TEST(ProfileFile, DamagedMacroLineKeepsThePreviousButton) {
    test::TestDir dir;
    auto saved = std::make_unique<ProfileRecord>();
    test::FillProfile(*saved, 11);
    ASSERT_TRUE(SaveProfile(*saved, dir.File("p.qfm")));
    std::string text = dir.Read("p.qfm");
    std::size_t at = text.find("MacroKeyInfo5=");
    ASSERT_NE(at, std::string::npos);
    std::size_t value = at + std::strlen("MacroKeyInfo5=");
    EXPECT_EQ(text.find("\r\n", value) - value, 5066u);

    // The whole line loads.
    auto p = std::make_unique<ProfileRecord>();
    ProfileDefaults(*p, 0);
    ASSERT_TRUE(LoadProfile(*p, dir.File("p.qfm")));
    EXPECT_EQ(std::memcmp(&p->Buttons[5], &saved->Buttons[5], sizeof(ButtonRecord)), 0);

    // One digit changed: the checksum fails and button 5 keeps its bytes.
    std::string changed = text;
    changed[value + 100] = changed[value + 100] == '0' ? '1' : '0';
    dir.Write("p.qfm", changed);
    ProfileDefaults(*p, 0);
    ASSERT_TRUE(LoadProfile(*p, dir.File("p.qfm")));
    EXPECT_EQ(p->Buttons[5].code, 9);
    EXPECT_EQ(p->Buttons[5].eventCount, 0);
    EXPECT_EQ(std::memcmp(&p->Buttons[6], &saved->Buttons[6], sizeof(ButtonRecord)), 0);

    // A line one digit short fails the same way.
    std::string shorter = text;
    shorter.erase(value + 10, 1);
    dir.Write("p.qfm", shorter);
    ProfileDefaults(*p, 0);
    ASSERT_TRUE(LoadProfile(*p, dir.File("p.qfm")));
    EXPECT_EQ(p->Buttons[5].code, 9);
}

TEST(ProfileFile, OverlongTextIsCutToItsField) {
    test::TestDir dir;
    dir.Write("p.qfm", "[Setting]\r\nProFileName=" + std::string(400, 'n') + "\r\nGameFile2=" +
                           std::string(1500, 'g') + "\r\n");
    auto p = std::make_unique<ProfileRecord>();
    ProfileDefaults(*p, 0);
    ASSERT_TRUE(LoadProfile(*p, dir.File("p.qfm")));
    EXPECT_EQ(std::strlen(p->ProFileName), 249u);
    EXPECT_EQ(std::strlen(p->GameFile2), 499u);
    EXPECT_EQ(p->DbleClickSpeed, -1) << "neighbouring fields are not overwritten";
}

TEST(ProfileFile, UnreadableFileLeavesTheRecord) {
    test::TestDir dir;
    auto p = std::make_unique<ProfileRecord>();
    ProfileDefaults(*p, 3);
    EXPECT_FALSE(LoadProfile(*p, dir.File("absent.qfm")));
    EXPECT_STREQ(p->ProFileName, "Default4");
}

TEST(ProfileFile, OneWriteGivesTheBytesOfKeyByKeyWrites) {
    test::TestDir dir;
    auto p = std::make_unique<ProfileRecord>();
    test::FillProfile(*p, 3);
    dir.Write("a.qfm", "; kept\r\n[Setting]\r\nSensitivity=1\r\n[Other]\r\nx=1\r\n");
    dir.Write("b.qfm", dir.Read("a.qfm"));
    ASSERT_TRUE(SaveProfile(*p, dir.File("a.qfm")));

    IniFile keyByKey(dir.File("b.qfm"));
    IniDocument values;
    WriteProfileKeys(values, *p);
    for (const ProfileField& f : ProfileFields())
        ASSERT_TRUE(keyByKey.WriteString("Setting", f.key, *values.Get("Setting", f.key)));
    EXPECT_EQ(dir.Read("a.qfm"), dir.Read("b.qfm"));
}

TEST(CopyToField, BoundsAndTerminates) {
    char field[5];
    std::memset(field, 'z', sizeof field);
    CopyToField(field, sizeof field, "ab");
    EXPECT_STREQ(field, "ab");
    EXPECT_EQ(field[3], 'z') << "bytes after the terminator are left";
    CopyToField(field, sizeof field, "abcdefgh");
    EXPECT_STREQ(field, "abcd");
    EXPECT_EQ(FieldText(field, sizeof field), "abcd");
    char full[3] = {'x', 'y', 'z'};
    EXPECT_EQ(FieldText(full, sizeof full), "xyz") << "an unterminated field stops at its end";
}

}  // namespace
}  // namespace tesh
