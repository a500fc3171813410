#include "skin/layout_record.h"

#include <gtest/gtest.h>

#include <string>

namespace tesh {
namespace {

struct Expected {
    const char* text;
    const char* name;
    int left, top, right, bottom;
    const char* tooltip;
};

class LayoutStrings : public ::testing::TestWithParam<Expected> {};

TEST_P(LayoutStrings, ParseToRecord) {
    const Expected& e = GetParam();
    LayoutRecord r;
    EXPECT_NE(ParseLayout(e.text, r), 0);
    EXPECT_STREQ(r.name, e.name);
    EXPECT_EQ(r.left, e.left);
    EXPECT_EQ(r.top, e.top);
    EXPECT_EQ(r.right, e.right);
    EXPECT_EQ(r.bottom, e.bottom);
    EXPECT_STREQ(r.tooltip, e.tooltip);
}

INSTANTIATE_TEST_SUITE_P(
    WindowStrings, LayoutStrings,
    ::testing::Values(
        Expected{"Apply,640,563,72,30,Apply the setting to the device", "Apply", 640, 563, 712, 593,
                 "Apply the setting to the device"},
        // Zero size: the control exists but is an empty rectangle.
        Expected{"Color,479,79,0,0,Color Setting", "Color", 479, 79, 479, 79, "Color Setting"},
        // Blanks before numbers; a string ending in a comma has no tooltip.
        Expected{"windows profile,139, 514,22,22,", "windows profile", 139, 514, 161, 536, ""},
        Expected{"Profile 1 name,31,  514,101,21,Profile assigned to profile slot #1",
                 "Profile 1 name", 31, 514, 132, 535, "Profile assigned to profile slot #1"},
        Expected{"BUTTON_Progress,43,181,436,17,", "BUTTON_Progress", 43, 181, 479, 198, ""},
        // The tooltip is trimmed at both ends.
        Expected{"Min,749, 4,22,22,  Minimize the application \t", "Min", 749, 4, 771, 26,
                 "Minimize the application"},
        Expected{"Neg,-5,+7,10,3,x", "Neg", -5, 7, 5, 10, "x"}));

TEST(LayoutRecordTest, EmptyRectangleIsEmpty) {
    EXPECT_TRUE(Layout("Color,479,79,0,0,Color Setting").IsEmpty());
    EXPECT_FALSE(Layout("Apply,640,563,72,30,").IsEmpty());
    EXPECT_EQ(Layout("Apply,640,563,72,30,").Width(), 72);
    EXPECT_EQ(Layout("Apply,640,563,72,30,").Height(), 30);
}

TEST(LayoutRecordTest, MissingNumbersFailWithZeros) {
    LayoutRecord r;
    EXPECT_EQ(ParseLayout("Broken,10,20", r), 0);
    EXPECT_STREQ(r.name, "Broken");
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.right, 10);
    EXPECT_EQ(r.bottom, 20);
    EXPECT_EQ(ParseLayout("NoCommaAtAll", r), 0);
    EXPECT_STREQ(r.name, "");
    EXPECT_EQ(ParseLayout("Letters,a,b,c,d,tip", r), 0);
    EXPECT_EQ(ParseLayout("", r), 0);
}

TEST(LayoutRecordTest, LongTextsAreCutToTheirFields) {
    std::string name(100, 'n');
    std::string tip(1000, 't');
    LayoutRecord r;
    EXPECT_NE(ParseLayout(name + ",1,2,3,4," + tip, r), 0);
    EXPECT_EQ(std::string(r.name), std::string(kLayoutNameSize - 1, 'n'));
    EXPECT_EQ(std::string(r.tooltip), std::string(kLayoutTooltipSize - 1, 't'));
}

TEST(LayoutRecordTest, TextEndsAtANul) {
    using namespace std::string_literals;
    LayoutRecord r;
    EXPECT_NE(ParseLayout("Apply,1,2,3,4,tip \0more,text"s, r), 0);
    EXPECT_STREQ(r.tooltip, "tip");
    EXPECT_EQ(ParseLayout("Apply,1,2\0,3,4,tip"s, r), 0);
}

TEST(LayoutRecordTest, HugeNumbersSaturateInsteadOfOverflowing) {
    LayoutRecord r;
    EXPECT_NE(ParseLayout("Big,2147483647,99999999999999,2147483647,5,", r), 0);
    EXPECT_EQ(r.left, 2147483647);
    EXPECT_EQ(r.top, 2147483647);
    EXPECT_EQ(r.right, 2147483647);
    EXPECT_EQ(r.bottom, 2147483647);
}

}  // namespace
}  // namespace tesh
