#include "astro/Numeric.h"
#include "support/Locale.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace orv;

TEST(Numeric, RoundsHalvesToEven)
{
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(Round16(118.125), 118);
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

TEST(Numeric, LeadingNumberEdgesAndTheByteForm)
{
    EXPECT_EQ(LeadingNumber(u"1D3"), 1000);
    EXPECT_EQ(LeadingNumber(u"5."), 5);
    EXPECT_EQ(LeadingNumber(u"1E+400"), HUGE_VAL);
    EXPECT_EQ(LeadingNumber(u"-1E+400"), -HUGE_VAL);
    EXPECT_EQ(LeadingNumber(u"1E-400"), 0);
    EXPECT_EQ(LeadingNumber(u"0.000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                            "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                            "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                            "000000000000000000000000000000000000000000000000000000000000000000000000000001"),
              0);
    EXPECT_EQ(LeadingNumber(std::string_view(" -3.51e-05,")), -3.51e-05);
    EXPECT_EQ(LeadingNumber(std::string_view("\x81\x40")), 0);
}

TEST(Numeric, WholeNumberTakesOneNumberAndNothingElse)
{
    EXPECT_EQ(WholeNumber(u" 12.5 "), 12.5);
    EXPECT_EQ(WholeNumber(u"-1E-05"), -1e-05);
    EXPECT_EQ(WholeNumber(std::string_view("+3")), 3);
    for (const char16_t* text : {u"", u" ", u"abc", u"1 junk", u"0x1", u"nan", u"inf", u"1,5", u"--1", u"."})
        EXPECT_FALSE(WholeNumber(text).has_value()) << QString::fromUtf16(text).toStdString();
    EXPECT_EQ(WholeNumberIn(u" 3 ", 0, 5), 3);
    EXPECT_EQ(WholeNumberIn(u"3.0", 0, 5), 3);
    EXPECT_FALSE(WholeNumberIn(u"3.5", 0, 5).has_value());
    EXPECT_FALSE(WholeNumberIn(u"6", 0, 5).has_value());
    EXPECT_FALSE(WholeNumberIn(u"1E+300", 0, 5).has_value());
}

TEST(Numeric, RoundingToFixedWidthsIsDefinedForEveryValue)
{
    EXPECT_EQ(Round16(65537.0), 1);
    EXPECT_EQ(Round16(-32769.0), 32767);
    EXPECT_EQ(Round32(4294967296.0 + 5), 5);
    EXPECT_EQ(Round16(1e300), Round16(std::fmod(1e300, 4294967296.0)));
    EXPECT_EQ(Round16(std::nan("")), 0);
    EXPECT_EQ(Round32(HUGE_VAL), 0);
}

TEST(Numeric, NumbersReadTheSameUnderADecimalCommaLocale)
{
    // The suite's second run in scripts/test.sh is made under a decimal-comma locale.
    if (qEnvironmentVariableIsSet("ORVENZA_DECIMAL_COMMA_RUN")) {
        EXPECT_STREQ(std::localeconv()->decimal_point, ",");
    }
    const std::optional<QString> locale = test::DecimalCommaLocale();
    if (!locale)
        GTEST_SKIP() << "no decimal-comma locale on this system";
    const test::ScopedNumericLocale decimalComma(*locale);
    EXPECT_EQ(LeadingNumber(u"0.00096"), 0.00096);
    EXPECT_EQ(LeadingNumber(u"-3.51e-05"), -3.51e-05);
    EXPECT_EQ(LeadingNumber(u"0,5"), 0);
    EXPECT_EQ(WholeNumber(u".25"), 0.25);
}
