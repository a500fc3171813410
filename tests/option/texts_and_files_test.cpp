#include <gtest/gtest.h>

#include "option/light_palette.h"
#include "option/profile_transfer.h"
#include "option/version_texts.h"

namespace tesh::option {
namespace {

TEST(VersionTexts, FirmwareVersion) {
    struct {
        int version;
        const char* text;
    } cases[] = {{99, "N/A"},   {100, "1.00"}, {105, "1.05"}, {213, "2.13"},
                 {500, "5.00"}, {501, "N/A"},  {-1, "N/A"},   {0, "N/A"}};
    for (auto c : cases) EXPECT_EQ(FirmwareVersionText(c.version), c.text) << c.version;
}

TEST(VersionTexts, OsClass) {
    struct {
        int platform, major, minor, cls;
    } cases[] = {
        {1, 4, 10, 1}, {1, 4, 90, 2}, {2, 5, 0, 3}, {2, 5, 1, 4}, {2, 5, 2, 4},
        {2, 6, 0, 5},  {2, 6, 1, 6},  {2, 6, 2, 6}, {2, 6, 3, 6}, {2, 10, 0, 6},
        {2, 4, 0, 0},  {0, 6, 1, 0},  {1, 5, 0, 0},
    };
    for (auto c : cases)
        EXPECT_EQ(OsClass(c.platform, c.major, c.minor), c.cls)
            << c.platform << " " << c.major << "." << c.minor;
}

TEST(ProfileTransfer, TitlesAndSlotFileNames) {
    EXPECT_EQ(FileTitle("C:\\Users\\me\\My games.v2.qfm"), "My games.v2");
    EXPECT_EQ(FileTitle("/tmp/x/Shooter.qfm"), "Shooter");
    EXPECT_EQ(FileTitle("plain"), "plain");
    for (const char* t : {"Default0", "default4", "DEFAULT2"}) EXPECT_TRUE(IsSlotFileTitle(t)) << t;
    for (const char* t : {"Default5", "Default", "Default10", "Defaulty", "MyDefault1", ""})
        EXPECT_FALSE(IsSlotFileTitle(t)) << t;
}

TEST(LightPalette, ProfileColour) {
    ProfileRecord p{};
    p.LightEffectType = 0;
    p.LtChoseType = 1;
    EXPECT_EQ(ProfileColour(p), (Rgb{0, 0, 0}));
    p.LightEffectType = 2;
    p.CustomLightInfo[0] = {255, 1, 10, 20, 30};
    EXPECT_EQ(ProfileColour(p), (Rgb{10, 20, 30}));
    p.LtChoseType = 0;
    p.LightInfo[0] = {7, 1, 1, 2, 3};
    EXPECT_EQ(ProfileColour(p), (Rgb{255, 0, 0}));
    p.LightInfo[0].colorIndex = 16;  // device and display colours differ
    EXPECT_EQ(ProfileColour(p), (Rgb{1, 203, 207}));
    p.LightInfo[0].colorIndex = 33;
    EXPECT_EQ(ProfileColour(p), (Rgb{1, 2, 3}));
}

}  // namespace
}  // namespace tesh::option
