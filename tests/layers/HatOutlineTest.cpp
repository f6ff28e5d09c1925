#include "layers/HatOutline.h"
#include "support/LayerFixture.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace orv;
using orv::test::LayerFixture;

TEST(DrawHatDisc, GlueTabLinesAndDiscColours)
{
    LayerFixture f(0);
    DrawHatDisc(f.Context(), true);
    EXPECT_TRUE(f.canvas.CallsOf(QStringLiteral("Line")).isEmpty()); // no glue tab, no azimuth lines
    f.settings.Fhoi = true;
    DrawHatDisc(f.Context(), true);
    EXPECT_EQ(f.canvas.CallsOf(QStringLiteral("Line")).size(), 2);

    // A filled disc covers the sky only: the glue tab gets none of its colour.
    LayerFixture black(60);
    black.settings.RColor = Black;
    DrawHatDisc(black.Context(), false);
    const QStringList calls = black.canvas.Calls();
    ASSERT_TRUE(calls[0].startsWith(QStringLiteral("Polygon ")));
    EXPECT_TRUE(calls[0].contains(QStringLiteral("brush000000 cFFFFFF")));
    const QStringList points = calls[0].split(QLatin1Char(' ')).mid(6);
    EXPECT_EQ(points.first(), QStringLiteral("362,474"));
    for (const QString& p : points.mid(1)) {
        const double x = p.section(QLatin1Char(','), 0, 0).toDouble();
        const double y = p.section(QLatin1Char(','), 1, 1).toDouble();
        EXPECT_NEAR(std::hypot(x - 362, y - 474), 342, 0.75);
        EXPECT_LE(std::abs(std::atan2(474 - y, 362 - x)), Pi - black.geometry.glueHalfAngle + 1e-3) << p.toStdString();
    }

    // The glue-tab lines follow the lightness of the disc colour, whichever option holds it.
    for (const auto& [disc, line] : {std::pair{Colour(0xEEEEEE), QStringLiteral("c000000")},
                                     std::pair{Colour(0x00FFFF), QStringLiteral("c000000")},
                                     std::pair{Colour(0x101010), QStringLiteral("cFFFFFF")},
                                     std::pair{Colour(0xFF0000), QStringLiteral("cFFFFFF")}}) {
        LayerFixture custom(60);
        custom.settings.RColor = disc;
        DrawHatDisc(custom.Context(), false);
        const QStringList lines = custom.canvas.CallsOf(QStringLiteral("Line"));
        ASSERT_EQ(lines.size(), 2);
        for (const QString& l : lines)
            EXPECT_TRUE(l.contains(line)) << std::hex << disc;
    }
}

TEST(DrawAzimuthLines, SheetsShareTheLinesByTheirRimEnd)
{
    LayerFixture one;
    DrawAzimuthLines(one.Context(), 1);
    const int all = static_cast<int>(one.canvas.Calls().size());

    LayerFixture two;
    two.geometry.sheetCount = 2;
    DrawAzimuthLines(two.Context(), 1);
    const QStringList upper = two.canvas.Calls();
    two.canvas.Clear();
    DrawAzimuthLines(two.Context(), 2);
    const QStringList lower = two.canvas.Calls();
    EXPECT_EQ(upper.size() + lower.size(), all);
    EXPECT_FALSE(upper.isEmpty());
    EXPECT_FALSE(lower.isEmpty());
    // North, west and east are solid: one call each; north (y1 = centre) belongs to sheet 1.
    EXPECT_TRUE(upper.contains(QStringLiteral("Line 343 474 20 474 c000000 w1 s0")));
}

TEST(DrawAltitudeCircles, EightDashedCirclesLeaveTheGlueTabOpen)
{
    LayerFixture f(0);
    DrawAltitudeCircles(f.Context(true));
    const QStringList calls = f.canvas.Calls();
    EXPECT_GT(calls.size(), 100);
    EXPECT_TRUE(calls[0].startsWith(QStringLiteral("Line 400 474 ")));         // radius 38 at angle 0
    EXPECT_TRUE(calls[0].endsWith(QStringLiteral("w2 s0")));                  // Lwidth on paper
}

TEST(DrawOutlineAndLegends, RimTextAndPlanetLegend)
{
    LayerFixture f;
    f.settings.Year = 2026;
    f.settings.Month = 9;
    f.settings.Day = 6;
    f.settings.KinColor = White;
    f.settings.KaColor = 0x0000FF;
    DrawOutlineAndLegends(f.Context(), {QStringLiteral("東京都"), QStringLiteral("千代田区"), QStringLiteral("E139.45.13.0 N35.41.38.0")});
    const QStringList calls = f.canvas.Calls();
    EXPECT_EQ(calls[0], QStringLiteral("Circle 362 474 361 c000000 w1 s0"));
    EXPECT_EQ(calls[1], QStringLiteral("Circle 362 474 342 c000000 w1 s0"));
    // North on the left, its glyph top towards the centre: escapement 270 degrees.
    EXPECT_TRUE(calls.filter(QStringLiteral(" 北")).first().contains(QStringLiteral(" e2700 ")));
    EXPECT_EQ(calls.filter(QStringLiteral(" 南")).size(), 2);
    // A white Venus is drawn black in the legend; Mars keeps its red.
    const QStringList arcs = f.canvas.CallsOf(QStringLiteral("Circle")).filter(QStringLiteral("arc"));
    EXPECT_TRUE(arcs.first().contains(QStringLiteral("c000000"))); // Venus's half ring
    EXPECT_FALSE(f.canvas.CallsOf(QStringLiteral("Circle")).filter(QStringLiteral("c0000FF")).isEmpty());

    // A two-digit month lengthens the date, and the credit moves along the rim with it.
    const auto creditCall = [](const QStringList& c) { return c.filter(QStringLiteral(" V")).filter(QStringLiteral("TextOut")).first(); };
    const QString before = creditCall(calls);
    LayerFixture g;
    g.settings.Year = 2026;
    g.settings.Month = 12;
    g.settings.Day = 16;
    DrawOutlineAndLegends(g.Context(), {QStringLiteral("東京都"), QStringLiteral("千代田区"), QString()});
    EXPECT_NE(creditCall(g.canvas.Calls()), before);
}
