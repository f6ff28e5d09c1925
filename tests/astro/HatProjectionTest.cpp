#include "astro/HatProjection.h"
#include "astro/Numeric.h"

#include <QPointF>
#include <cmath>
#include <gtest/gtest.h>

using namespace orv;

namespace {

constexpr double R = 342, CX = 362, CY = 474;

// Device position of a sky direction on the "A4縦" screen chart.
QPointF Place(double azimuth, double altitude, int nori)
{
    const double gamma = nori * Pi / 360;
    return {CX - R * HatOffsetX(azimuth, altitude, gamma), CY - R * HatOffsetY(azimuth, altitude, gamma)};
}

void ExpectNear(QPointF p, double x, double y)
{
    EXPECT_NEAR(p.x(), x, 0.05);
    EXPECT_NEAR(p.y(), y, 0.05);
}

} // namespace

TEST(HatProjection, ZenithHorizonAndTheCardinalPoints)
{
    for (double a : {0.0, 1.0, -2.0, Pi})
        ExpectNear(Place(a, HalfPi, 60), CX, CY);
    ExpectNear(Place(0, 0, 60), 20, 474);
    // No glue tab: east at the bottom, west at the top, south on the right.
    ExpectNear(Place(HalfPi, 0, 0), 362, 816);
    ExpectNear(Place(-HalfPi, 0, 0), 362, 132);
    ExpectNear(Place(Pi, 0, 0), 704, 474);
}

TEST(HatProjection, GlueTabSplitsSouthIntoTwoRays)
{
    ExpectNear(Place(HalfPi, 0, 60), 362 - 342 * std::cos(75 * Pi / 180), 474 + 342 * std::sin(75 * Pi / 180));
    ExpectNear(Place(Pi, 0, 60), 658.2, 645.0);
    ExpectNear(Place(-Pi + 1e-9, 0, 60), 658.2, 303.0);
    // With 120 degrees the sky takes 240 degrees of the disc: east sits at 60 degrees below north.
    const QPointF east = Place(HalfPi, 0, 120);
    EXPECT_NEAR(std::atan2(east.y() - CY, CX - east.x()) * 180 / Pi, 60, 1e-6);
}

TEST(HatProjection, BelowTheHorizonLiesOutsideTheCircleAndListsKeepTheirNumbering)
{
    const double below = -10 * Pi / 180;
    EXPECT_NEAR(std::hypot(HatOffsetX(0.3, below, 0.5), HatOffsetY(0.3, below, 0.5)), 100.0 / 90, 1e-12);
    HorizontalList h(3);
    h[0].magnitude = 2;
    h[1] = {1, 0, 0, QStringLiteral("a")};
    h[2] = {4, HalfPi, below, QStringLiteral("b")};
    const ChartList c = ProjectHorizontalList(h, R, 0);
    ASSERT_EQ(c.size(), 3u);
    EXPECT_EQ(c[0].magnitude, 2);
    EXPECT_DOUBLE_EQ(c[1].x, R);
    EXPECT_EQ(c[2].name, QStringLiteral("b"));
    EXPECT_EQ(c[2].magnitude, 4);
    EXPECT_GT(std::hypot(c[2].x, c[2].y), R);
}
