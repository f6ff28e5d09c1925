#include "astro/Numeric.h"

#include <gtest/gtest.h>

using namespace orv;

TEST(Numeric, RoundsHalvesToEven)
{
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(Round16(118.125), 118);
    EXPECT_FALSE(CheckedRound16(32767.5).has_value());
    EXPECT_EQ(CheckedRound16(-32768.4).value(), -32768);
    EXPECT_FALSE(CheckedRound32(3e9).has_value());
}

TEST(Numeric, ArcTan2CoversEveryQuadrantAndTheAxes)
{
    EXPECT_DOUBLE_EQ(ArcTan2(1, 0), HalfPi);
    EXPECT_DOUBLE_EQ(ArcTan2(-1, 0), -HalfPi);
    EXPECT_DOUBLE_EQ(ArcTan2(0, 0), 0);
    EXPECT_NEAR(ArcTan2(-1, -1), -3 * Pi / 4, 1e-14);
    EXPECT_NEAR(ArcTan2(1, -1), 3 * Pi / 4, 1e-14);
    EXPECT_NEAR(ArcTan2(0, -1), Pi, 1e-14); // p = 0 with q < 0 gives +pi, never -pi
}

TEST(Numeric, LeadingNumberReadsTheNumberAtTheStart)
{
    EXPECT_EQ(LeadingNumber(u" 5"), 5);
    EXPECT_EQ(LeadingNumber(u"-1.25abc"), -1.25);
    EXPECT_EQ(LeadingNumber(u".25"), 0.25);
    EXPECT_EQ(LeadingNumber(u"1E-05"), 1e-05);
    EXPECT_EQ(LeadingNumber(u"1.5E+16 "), 1.5e16);
    EXPECT_EQ(LeadingNumber(u"12E"), 12);
    EXPECT_EQ(LeadingNumber(u"abc"), 0);
    EXPECT_EQ(LeadingNumber(u""), 0);
    EXPECT_EQ(LeadingNumber(u"+"), 0);
    EXPECT_EQ(LeadingNumber(u"-1"), -1);
}
