#include "astro/Numeric.h"
#include "layers/HatOutline.h"
#include "render/RecordingCanvas.h"
#include "support/TextCells.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

const SiteLegend LongSite{QStringLiteral("鹿児島県"), QStringLiteral("いちき串木野市"),
                          QStringLiteral("E130.16.19.0 N31.42.53.0")};
const SiteLegend ShortSite{QStringLiteral("東京都"), QStringLiteral("千代田区"), QStringLiteral("E139.45.13.0 N35.41.38.0")};

// A hat of the given horizon radius on paper at 600 dpi, or on the screen.
struct Hat {
    Hat(int radiusCm, int nori, bool printing) : canvas(printing ? 2.4 : 15), printing(printing)
    {
        geometry.hatRadius = printing ? Round32(radiusCm * 567 / 2.4) : radiusCm * ScreenPixelsPerCm;
        geometry.rimMargin = printing ? Round16(283.5 / 2.4) : ScreenRimMargin;
        geometry.glueHalfAngle = settings.glueHalfAngle = nori * Pi / 360;
        PlaceSheetCentre(geometry, 1);
        settings.Year = 2026;
        settings.Month = 12;
        settings.Day = 31;
        settings.Hour = 20;
        settings.Minute = 50;
    }
    QList<TextCell> Draw(const SiteLegend& site)
    {
        canvas.Clear();
        DrawOutlineAndLegends({canvas, geometry, settings, printing}, site);
        return TextCellsOf(canvas.Calls());
    }
    // Rim angle of a point on the surface.
    double AngleOf(QPointF p) const { return std::atan2(geometry.centreY - p.y(), geometry.centreX - p.x()); }

    RecordingCanvas canvas;
    ChartGeometry geometry;
    HatSettings settings;
    bool printing;
};

qsizetype CharactersOf(const QString& text)
{
    return text.size() - text.count(QLatin1Char(' '));
}

} // namespace

TEST(RimLegends, NoTwoCellsMeetAndAllStayInsideTheCutCircleOnEveryHat)
{
    const QString date = QStringLiteral("2026年12月31日 20時50分");
    for (bool printing : {true, false})
        for (int radius : {6, 7, 9, 11, 14, 17, 19})
            for (int nori : {0, 30, 60, 90, 120})
                for (const SiteLegend* site : {&LongSite, &ShortSite}) {
                    Hat hat(radius, nori, printing);
                    const QList<TextCell> cells = hat.Draw(*site);
                    const QString where = QStringLiteral("%1 cm, %2 degrees, %3, %4")
                                              .arg(radius).arg(nori).arg(printing ? "paper" : "screen", site->municipality);
                    // Nothing is left out: the direction labels (south once when there is no glue
                    // tab) and every legend character.
                    const qsizetype expected = (nori > 0 ? 5 : 4) + CharactersOf(site->prefecture + site->municipality
                                                                + site->coordinateText) + 1
                        + CharactersOf(date) + CharactersOf(QStringLiteral("(C)Vandrel")) + CharactersOf(QStringLiteral("OrvenzaVer.1.3")) + 8;
                    EXPECT_EQ(cells.size(), expected) << where.toStdString();
                    const double limit = hat.geometry.hatRadius + hat.geometry.rimMargin - MmToPixels(hat.canvas, 0.3);
                    for (qsizetype i = 0; i < cells.size(); ++i) {
                        for (const QPointF& p : cells[i].quad)
                            EXPECT_LE(std::hypot(p.x() - hat.geometry.centreX, p.y() - hat.geometry.centreY), limit)
                                << where.toStdString() << " " << cells[i].text.toStdString();
                        // Screen corners are whole pixels: neighbours one pixel apart may meet by
                        // less than half a pixel there.
                        for (qsizetype j = i + 1; j < cells.size(); ++j)
                            EXPECT_FALSE(Overlap(cells[i].quad, cells[j].quad, printing ? 1e-6 : 0.5))
                                << where.toStdString() << ": " << cells[i].text.toStdString() << " and "
                                << cells[j].text.toStdString();
                    }
                }
}

TEST(RimLegends, CharactersAdvanceByTheirOwnWidthFromTheUsualAnchors)
{
    Hat hat(9, 60, true); // "A4縦": R = 2126, character height 80 at 8 points
    const QList<TextCell> cells = hat.Draw(LongSite);
    const double R = hat.geometry.hatRadius;
    const auto cellOf = [&](const QString& text) {
        for (const TextCell& c : cells)
            if (c.text == text)
                return c;
        ADD_FAILURE() << text.toStdString();
        return TextCell{};
    };
    // The date still ends two and a half character heights west of north; the site starts three
    // and a half east of it.
    EXPECT_NEAR(hat.AngleOf(cellOf(QStringLiteral("分")).quad[1]), 2.5 * 80 / R, 5e-4);
    EXPECT_NEAR(hat.AngleOf(cellOf(QStringLiteral("鹿")).quad[0]), -3.5 * 80 / R, 5e-4);
    // A full-width character is as wide as its height, a half-width one half of that, and each
    // starts where the one before it ended.
    const TextCell kyo = cellOf(QStringLiteral("児"));
    const TextCell to = cellOf(QStringLiteral("島"));
    EXPECT_NEAR(std::hypot(kyo.quad[1].x() - kyo.quad[0].x(), kyo.quad[1].y() - kyo.quad[0].y()), 80, 1e-9);
    const double step = std::abs(hat.AngleOf(to.quad[0]) - hat.AngleOf(kyo.quad[0])) * (R + 3);
    EXPECT_NEAR(step, 80, 3);
    const TextCell e = cellOf(QStringLiteral("E"));
    EXPECT_NEAR(std::hypot(e.quad[1].x() - e.quad[0].x(), e.quad[1].y() - e.quad[0].y()), 40, 1e-9);
    // Tops towards the centre: north's glyph reads downwards on the left of the centre.
    EXPECT_EQ(cellOf(QStringLiteral("北")).escapementDegrees, 270);
}

TEST(RimLegends, SmallHatsTakeSmallerLettersOnlyWhereALegendWouldReachALabel)
{
    Hat a4(9, 60, true);
    for (const TextCell& c : a4.Draw(LongSite))
        EXPECT_TRUE(c.height == 80 || c.height == 90 || c.height == 100) << c.text.toStdString();

    Hat small(6, 120, true);
    const QList<TextCell> cells = small.Draw(LongSite);
    int shrunk = 0;
    for (const TextCell& c : cells) {
        EXPECT_GE(c.height, MinRimLegendSize * 10);
        shrunk += c.height < 80;
    }
    EXPECT_GE(shrunk, CharactersOf(LongSite.prefecture + LongSite.municipality + LongSite.coordinateText));
}

TEST(RimLegends, DirectionLabelsAreTheLargestThatClearTheCutCircle)
{
    Hat paper(9, 60, true);
    EXPECT_EQ(DirectionLabelSize(paper.canvas, paper.geometry), 10);
    Hat screen(9, 60, false);
    EXPECT_EQ(DirectionLabelSize(screen.canvas, screen.geometry), 13);
}
