#include "astro/Numeric.h"
#include "render/Primitives.h"
#include "render/RecordingCanvas.h"

#include <gtest/gtest.h>

using namespace orv;

TEST(DrawDashedLine, StartsWithAGapAndEndsAtTheLastWholeDash)
{
    RecordingCanvas c;
    DrawDashedLine(c, 10, 10, 10, 10, Black);
    DrawDashedLine(c, 0, 0, 15, 0, Black);
    EXPECT_TRUE(c.Calls().isEmpty());

    DrawDashedLine(c, 0, 0, 40, 0, 0x0000FF);
    EXPECT_EQ(c.Calls(), QStringList({QStringLiteral("Line 16 0 8 0 c0000FF w1 s0"),
                                      QStringLiteral("Line 32 0 24 0 c0000FF w1 s0")}));
    c.Clear();
    DrawDashedLine(c, 5, 5, 5, 37, Black); // downwards, length 32: dashes [8,16] and [24,32]
    EXPECT_EQ(c.Calls().size(), 2);
    EXPECT_EQ(c.Calls()[1], QStringLiteral("Line 5 37 5 29 c000000 w1 s0"));
}

TEST(DrawDashedArc, DashesAlternateFromTheStartAngle)
{
    RecordingCanvas c;
    DrawDashedArc(c, 100, 100, 50, Black, 1.0, 0.5);
    EXPECT_TRUE(c.Calls().isEmpty());

    DrawDashedArc(c, 100, 100, 80, Black, 0, 2 * Pi);
    // Steps of 8/80 rad: t runs 0, 0.1, ... 6.2 (63 points); every odd step is a dash.
    EXPECT_EQ(c.Calls().size(), 31);
    EXPECT_EQ(c.Calls()[0], QStringLiteral("Line 180 100 180 108 c000000 w1 s0"));
}

TEST(DrawRotatedText, FontCellFromPointSizeAndWidthPercent)
{
    RecordingCanvas screen(15);
    DrawRotatedText(screen, 10, QStringLiteral("ＭＳ ゴシック"), 900, false, 3, 4, 100, QStringLiteral("北"));
    EXPECT_EQ(screen.Calls(), QStringList(QStringLiteral("TextOut 3 4 h13 w6 e900 b0 ＭＳ ゴシック c000000 北")));

    screen.Clear();
    DrawRotatedText(screen, 8, QStringLiteral("ＭＳ ゴシック"), 0, true, 0, 0, 150, QStringLiteral("プレアデス星団"));
    EXPECT_EQ(screen.Calls()[0], QStringLiteral("TextOut 0 0 h11 w3 e0 b700 ＭＳ ゴシック c000000 プレアデス星団"));

    screen.Clear();
    DrawRotatedText(screen, 10, QStringLiteral("ＭＳ ゴシック"), 0, false, 0, 0, 100, QString());
    EXPECT_TRUE(screen.Calls().isEmpty());

    RecordingCanvas printer(2.4); // 600 dpi: twips per pixel round to 2
    DrawRotatedText(printer, 8, QStringLiteral("ＭＳ ゴシック"), 0, false, 0, 0, 100, QStringLiteral("x"));
    EXPECT_EQ(printer.Calls()[0], QStringLiteral("TextOut 0 0 h80 w40 e0 b0 ＭＳ ゴシック c000000 x"));
}
