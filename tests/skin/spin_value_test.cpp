#include "skin/spin_value.h"

#include <gtest/gtest.h>

namespace tesh {
namespace {

SpinState Spin(int value, int minimum, int maximum, int step = 1) {
    return SpinState{value, minimum, maximum, step, false};
}

SpinState Dpi(int value) {
    return SpinState{value, 100, 2800, 100, true};
}

TEST(SpinArrowsTest, StepAndClamp) {
    EXPECT_EQ(SpinUp(Spin(5, 0, 10)), 6);
    EXPECT_EQ(SpinUp(Spin(9, 0, 10, 5)), 10);
    EXPECT_EQ(SpinUp(Spin(10, 0, 10)), 10);
    EXPECT_EQ(SpinDown(Spin(1, 0, 10, 5)), 0);
    EXPECT_EQ(SpinDown(Spin(0, 0, 10)), 0);
    // A value outside the range is brought back by the next press.
    EXPECT_EQ(SpinDown(Spin(30, 0, 10)), 10);
}

TEST(SpinArrowsTest, DpiStepsJumpBetweenTheFixedValues) {
    EXPECT_EQ(SpinUp(Dpi(2000)), 2400);
    EXPECT_EQ(SpinUp(Dpi(2400)), 2800);
    EXPECT_EQ(SpinUp(Dpi(2800)), 2800);
    EXPECT_EQ(SpinDown(Dpi(2800)), 2400);
    EXPECT_EQ(SpinDown(Dpi(2400)), 2000);
    EXPECT_EQ(SpinDown(Dpi(2000)), 1900);
}

TEST(SpinTextTest, DpiStepsShowAsTheirDpi) {
    EXPECT_EQ(SpinText(Dpi(0), 2400), "3200");
    EXPECT_EQ(SpinText(Dpi(0), 2800), "4000");
    EXPECT_EQ(SpinText(Dpi(0), 1600), "1600");
    EXPECT_EQ(SpinText(Spin(0, 0, 5000), 2400), "2400");
}

TEST(SpinTypingTest, LeadingZerosVanish) {
    SpinTyping t = SpinTyped(Spin(0, 0, 100), "007", false);
    EXPECT_EQ(t.value, 7);
    EXPECT_TRUE(t.rewrite);
    EXPECT_EQ(t.text, "7");
    EXPECT_TRUE(t.notify);
}

TEST(SpinTypingTest, CappedAtTheMaximumWhileTyping) {
    SpinTyping t = SpinTyped(Spin(0, 1, 100), "250", false);
    EXPECT_EQ(t.value, 100);
    EXPECT_EQ(t.text, "100");
    EXPECT_TRUE(t.rewrite);
}

TEST(SpinTypingTest, BelowTheMinimumIsKeptButNotReported) {
    SpinTyping t = SpinTyped(Spin(0, 10, 100), "5", false);
    EXPECT_EQ(t.value, 5);
    EXPECT_FALSE(t.rewrite);
    EXPECT_FALSE(t.notify);
    // Enter clamps it.
    t = SpinTyped(Spin(0, 10, 100), "5", true);
    EXPECT_EQ(t.value, 10);
    EXPECT_EQ(t.text, "10");
    EXPECT_TRUE(t.rewrite);
    EXPECT_TRUE(t.notify);
}

TEST(SpinTypingTest, ZeroBelowTheMinimumBecomesTheMinimum) {
    SpinTyping t = SpinTyped(Spin(0, 1, 100), "0", false);
    EXPECT_EQ(t.value, 1);
    EXPECT_EQ(t.text, "1");
    EXPECT_TRUE(t.rewrite);
    EXPECT_TRUE(t.notify);
}

TEST(SpinTypingTest, LoneSignIsLeftWhileTyping) {
    for (const char* sign : {"-", "+"}) {
        SpinTyping t = SpinTyped(Spin(0, -50, 50), sign, false);
        EXPECT_FALSE(t.rewrite) << sign;
        EXPECT_EQ(t.value, 0);
    }
    SpinTyping t = SpinTyped(Spin(0, -50, 50), "-12", false);
    EXPECT_EQ(t.value, -12);
    EXPECT_FALSE(t.rewrite);
    t = SpinTyped(Spin(0, -50, 50), "-1-2", false);
    EXPECT_EQ(t.text, "-1");
    EXPECT_TRUE(t.rewrite);
    t = SpinTyped(Spin(0, -50, 50), "+7", false);
    EXPECT_EQ(t.text, "7");
    EXPECT_TRUE(t.rewrite);
}

TEST(SpinTypingTest, EmptyTextIsNotRewritten) {
    SpinTyping t = SpinTyped(Spin(0, 1, 100), "", false);
    EXPECT_FALSE(t.rewrite);
    EXPECT_FALSE(t.notify);
}

TEST(SpinTypingTest, EnterRewritesOnlyWhenTheTextDiffers) {
    EXPECT_FALSE(SpinTyped(Spin(0, 0, 100), "42", true).rewrite);
    EXPECT_TRUE(SpinTyped(Spin(0, 0, 100), "042", true).rewrite);
    EXPECT_EQ(SpinTyped(Spin(0, 0, 100), "", true).text, "0");
}

TEST(SpinTypingTest, HugeNumbersSaturate) {
    SpinTyping t = SpinTyped(Spin(0, 0, 100), "99999999999999999999", false);
    EXPECT_EQ(t.value, 100);
    t = SpinTyped(Spin(0, -100, 100), "-99999999999999999999", true);
    EXPECT_EQ(t.value, -100);
}

TEST(SpinDpiTypingTest, TypedValuesSnapToTheFixedSteps) {
    SpinTyping t = SpinTyped(Dpi(800), "3999", false);
    EXPECT_EQ(t.text, "4000");
    EXPECT_EQ(t.value, 2800);
    EXPECT_TRUE(t.rewrite);
    EXPECT_TRUE(t.notify);

    t = SpinTyped(Dpi(800), "2001", false);
    EXPECT_EQ(t.value, 2400);
    EXPECT_EQ(t.text, "3200");
    t = SpinTyped(Dpi(800), "3200", false);
    EXPECT_EQ(t.value, 2400);
    EXPECT_FALSE(t.rewrite);
    t = SpinTyped(Dpi(800), "3201", false);
    EXPECT_EQ(t.value, 2800);
    t = SpinTyped(Dpi(800), "2000", false);
    EXPECT_EQ(t.value, 2000);
    EXPECT_FALSE(t.rewrite);
}

TEST(SpinDpiTypingTest, TypedValuesAreCappedAtTheMaximumPlusTwelveHundred) {
    SpinTyping t = SpinTyped(Dpi(800), "9000", false);
    EXPECT_EQ(t.value, 2800);
    EXPECT_EQ(t.text, "4000");
    t = SpinTyped(Dpi(800), "4000", true);
    EXPECT_EQ(t.value, 2800);
    EXPECT_FALSE(t.rewrite);
}

}  // namespace
}  // namespace tesh
