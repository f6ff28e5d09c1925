#include "astro/Numeric.h"
#include "astro/TimeConversions.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace orv;

TEST(ModifiedJulianDate, KnownDatesImpossibleDatesAndHour24)
{
    EXPECT_DOUBLE_EQ(ModifiedJulianDate(2000, 1, 1, 21, 0), 51544.5);
    EXPECT_DOUBLE_EQ(ModifiedJulianDate(2005, 3, 1, 9, 0), 53430.0);
    // 29 February 2005 does not exist: it counts on into March.
    EXPECT_DOUBLE_EQ(ModifiedJulianDate(2005, 2, 29, 9, 0), ModifiedJulianDate(2005, 3, 1, 9, 0));
    // Hour 24 is midnight at the end of the day.
    EXPECT_DOUBLE_EQ(ModifiedJulianDate(2010, 6, 15, 24, 0), 55362.625);
    EXPECT_DOUBLE_EQ(ModifiedJulianDate(2010, 6, 16, 0, 0), 55362.625);
    EXPECT_NEAR(ModifiedJulianDate(2026, 12, 7, 20, 10) - ModifiedJulianDate(2026, 12, 7, 20, 0), 10.0 / 1440, 1e-9);
}

TEST(SiderealTime, GreenwichAndLocal)
{
    EXPECT_NEAR(GreenwichSiderealTime(40000), 16.13736, 1e-9);
    EXPECT_NEAR(GreenwichSiderealTime(51544.5), 18.697, 1e-3);
    EXPECT_NEAR(LocalSiderealTime(20.0, 139.7), 20.0 + 139.7 / 15 - 24, 1e-12);
    EXPECT_NEAR(LocalSiderealTime(1.0, 139.7), 1.0 + 139.7 / 15, 1e-12); // no wrap below 24
}

TEST(CatalogueText, RightAscensionAndDeclination)
{
    EXPECT_DOUBLE_EQ(ParseRightAscension(QStringLiteral("063045")), (6 + 30 / 60.0 + 45 / 3600.0) * Pi / 12);
    EXPECT_DOUBLE_EQ(ParseDeclination(QStringLiteral("-0530")), -(5 + 30 / 60.0) * Pi / 180);
    EXPECT_DOUBLE_EQ(ParseDeclination(QStringLiteral("+8915")), (89 + 15 / 60.0) * Pi / 180);
    // A blank sign character reads as "1", i.e. north.
    EXPECT_DOUBLE_EQ(ParseDeclination(QStringLiteral(" 1000")), 10 * Pi / 180);
    // Text that is not a number reads as 0.
    EXPECT_DOUBLE_EQ(ParseRightAscension(QStringLiteral("xx0000")), 0);
}

TEST(EquatorialToHorizontal, PoleZenithAndCardinalPoints)
{
    const double phi = 35 * Pi / 180;
    const Horizontal pole = EquatorialToHorizontal(HalfPi, 1.234, phi);
    EXPECT_NEAR(pole.azimuth, 0, 1e-9);
    EXPECT_NEAR(pole.altitude, phi, 1e-9);
    // An object on the meridian south of the zenith.
    const Horizontal south = EquatorialToHorizontal(0, 0, phi);
    EXPECT_NEAR(std::abs(south.azimuth), Pi, 1e-9);
    EXPECT_NEAR(south.altitude, HalfPi - phi, 1e-9);
    // Elsewhere the altitude agrees with sin h = sin phi sin delta + cos phi cos delta cos H.
    for (double delta : {-0.5, 0.1, 0.9})
        for (double hourAngle : {-2.5, -1.0, 0.4, 2.0}) {
            const Horizontal p = EquatorialToHorizontal(delta, hourAngle, phi);
            const double sinH = std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(hourAngle);
            EXPECT_NEAR(std::sin(p.altitude), sinH, 1e-12);
            EXPECT_EQ(p.azimuth > 0, hourAngle < 0); // east before the meridian
        }
}

TEST(ComputeHorizontalList, CountsFromTheHeaderAndRoundsMagnitudes)
{
    CatalogueList cat(4);
    cat[0].magnitudeText = QStringLiteral("3");
    cat[1] = {QStringLiteral("2.5"), QStringLiteral("000000"), QStringLiteral("+9000"), {}};
    cat[2] = {QStringLiteral("3.5"), QStringLiteral("120000"), QStringLiteral("-8000"), {}};
    cat[3] = {QStringLiteral("x"), QStringLiteral("060000"), QStringLiteral("+0000"), {}};
    const HorizontalList h = ComputeHorizontalList({2026, 12, 7, 20, 0}, 139.75, 35.68, cat);
    ASSERT_EQ(h.size(), 4u);
    EXPECT_EQ(h[0].magnitude, 3);
    EXPECT_EQ(h[1].magnitude, 2); // halves to even
    EXPECT_EQ(h[2].magnitude, 4);
    EXPECT_EQ(h[3].magnitude, 0);
    EXPECT_NEAR(h[1].altitude, 35.68 * Pi / 180, 1e-9);
    EXPECT_LT(h[2].altitude, 0); // below the horizon, still in the list
}

TEST(SeriesTime, JulianCenturiesWithTheDeltaTOfTheShiftedYear)
{
    EXPECT_DOUBLE_EQ(JulianDayAtMidnight(2005, 3, 1), 2453430.5);
    EXPECT_NEAR(DynamicalHours(20, 0, 0, 2005), 11 + 70 / 3600.0, 1e-12);
    EXPECT_NEAR(JulianCenturiesForDate(2005, 3, 1, 21, 0, 0), 0.0516359, 1e-7);
    // January and February count in the previous year, also for the Delta T of 2004 (69.2 s).
    const double expected = JulianCenturies(JulianDayAtMidnight(2005, 2, 1), DynamicalHours(21, 0, 0, 2004));
    EXPECT_DOUBLE_EQ(JulianCenturiesForDate(2005, 2, 1, 21, 0, 0), expected);
    EXPECT_NEAR(expected, 0.0508693, 1e-7);
}
