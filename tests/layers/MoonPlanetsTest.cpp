#include "astro/Numeric.h"
#include "astro/Series.h"
#include "layers/Moon.h"
#include "layers/Planets.h"
#include "render/DataFolder.h"
#include "support/Fixtures.h"
#include "support/LayerFixture.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orv;
using orv::test::LayerFixture;

namespace {

// The polygon of the lit part drawn for a Moon at (x, y) and the limb call before it.
struct Phase {
    std::vector<QPoint> points;
    QString limb;
};

Phase DrawPhase(double phaseAngle, double sunward, int16_t x, int16_t y, Colour disc = White)
{
    LayerFixture f;
    f.settings.RColor = disc;
    DrawMoonPhase(f.Context(), phaseAngle, sunward, x, y, 70, 0x00FFFF);
    const QStringList calls = f.canvas.Calls();
    Phase p;
    p.limb = calls[0];
    if (calls.size() < 2)
        return p; // nothing lit
    const QStringList parts = calls[1].split(QLatin1Char(' '));
    for (const QString& pair : parts.mid(6)) {
        const QStringList xy = pair.split(QLatin1Char(','));
        p.points.emplace_back(xy[0].toInt(), xy[1].toInt());
    }
    return p;
}

} // namespace

TEST(MoonDrawing, LitSideFacesTheSunAndTheLimbColour)
{
    const int16_t x = 362, y = 700;
    // Half Moon lit towards the right (device angle 0): the right half, bounded by the vertical.
    const Phase right = DrawPhase(HalfPi, 0, x, y);
    EXPECT_EQ(right.limb, QStringLiteral("Circle 362 700 70 c000000 w1 s0"));
    EXPECT_EQ(right.points.size(), 360u);
    for (const QPoint& p : right.points)
        EXPECT_GE(p.x(), x);
    // Lit towards the top of the screen (device angle -pi/2): the upper half.
    for (const QPoint& p : DrawPhase(HalfPi, -HalfPi, x, y).points)
        EXPECT_LE(p.y(), y);
    // Full Moon: the polygon is the whole disc, just inside the limb; new Moon: the limb alone.
    const Phase full = DrawPhase(0, 0, x, y);
    const auto [minX, maxX] = std::minmax_element(full.points.begin(), full.points.end(),
                                                  [](QPoint a, QPoint b) { return a.x() < b.x(); });
    EXPECT_NEAR(maxX->x() - minX->x(), 139, 1);
    for (const QPoint& p : full.points)
        EXPECT_LT(std::hypot(p.x() - x, p.y() - y), 70.5);
    EXPECT_TRUE(DrawPhase(Pi, 1.0, x, y).points.empty());
    // The limb is white only on a black disc.
    EXPECT_TRUE(DrawPhase(HalfPi, 0, x, y, Black).limb.contains(QStringLiteral("cFFFFFF")));
    EXPECT_TRUE(DrawPhase(HalfPi, 0, x, y, 0x800000).limb.contains(QStringLiteral("c000000")));
}

TEST(SeriesFiles, SumsAndDirections)
{
    QString error;
    const auto one = ParseSeries(QByteArrayLiteral("\"題, 名\"\r\n1, 2, 0, 36000, 60\r\n"), 100, &error);
    ASSERT_TRUE(one);
    EXPECT_NEAR(SeriesSum(*one, 0), 1, 1e-12);
    EXPECT_NEAR(SeriesSum(*one, 0.01), 1, 1e-12);
    const auto powers = ParseSeries(QByteArrayLiteral("t\r\n1,5,1,0,0\r\n2,3,2,0,0\r\n"), 100, &error);
    EXPECT_DOUBLE_EQ(SeriesSum(*powers, 0), 3); // P = 1 vanishes at T = 0, P = 2 is ordinary
    EXPECT_DOUBLE_EQ(SeriesSum(*powers, 2), 13);
    EXPECT_TRUE(ParseSeries(QByteArrayLiteral("title only\r\n"), 100, &error)->empty());

    EXPECT_FALSE(ParseSeries(QByteArrayLiteral("t\r\n1,2,0,x,0\r\n"), 100, &error));
    EXPECT_FALSE(ParseSeries(QByteArrayLiteral("t\r\n1,2,0\r\n"), 100, &error));
    EXPECT_FALSE(ParseSeries(QByteArrayLiteral("t\r\n1,1,0,0,0\r\n2,1,0,0,0\r\n"), 1, &error));
    EXPECT_TRUE(ParseSeries(QByteArrayLiteral("t\r\n1,1,0,0,0\r\n\r\n\r\n"), 1, &error)); // blank lines at the end

    const RaDec d = RaDecFromVector(1, 1, std::sqrt(2.0));
    EXPECT_NEAR(d.rightAscension, Pi / 4, 1e-12);
    EXPECT_NEAR(d.declination, Pi / 4, 1e-12);
    EXPECT_EQ(RaDecFromVector(0, 0, 1).declination, HalfPi);
    EXPECT_EQ(RaDecFromVector(0, 0, -1).declination, -HalfPi);
    EXPECT_EQ(RaDecFromVector(0, 0, 0).declination, 0);
    EXPECT_GT(RaDecFromVector(-1, 0.5, 0).rightAscension, HalfPi);
    EXPECT_LT(RaDecFromVector(-1, -0.5, 0).rightAscension, -HalfPi);
}

TEST(Planets, ProgramFolderFallbackMissingFilesAndTheHorizon)
{
    // A series file only in the program folder is used without any message.
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("DATA"));
    for (const char* c : {"U", "V", "W"}) {
        QFile file(dir.filePath(QStringLiteral("VENUS%1.DAT").arg(QLatin1String(c))));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        // Straight up from the south pole... U = V = 0, W = -1 at every T.
        file.write(c[0] == 'W' ? "t\r\n1,-1,0,0,0\r\n" : "t\r\n");
    }
    ProblemLog log;
    LayerFixture f;
    f.settings.Pwidth = 9;
    DrawPlanet(f.Context(), DataFolder(dir.path()), log, Planet::Venus, 0xFF0000, {2026, 12, 7, 20, 0}, 139.7, 35.7);
    EXPECT_TRUE(log.Empty());
    EXPECT_TRUE(f.canvas.Calls().isEmpty()); // the south celestial pole is below Tokyo's horizon
    EXPECT_EQ(f.canvas.DrawWidth, 4);        // 9 \ 3 + 1 on screen, left on the canvas

    // Missing files are reported once each and draw nothing.
    LayerFixture g;
    DrawPlanet(g.Context(), DataFolder(dir.path()), log, Planet::Mars, 0, {2026, 12, 7, 20, 0}, 139.7, 35.7);
    DrawMoon(g.Context(), DataFolder(dir.path()), log, {2026, 12, 7, 20, 0}, 139.7, 35.7);
    EXPECT_EQ(log.Messages().size(), 9); // three Mars files, three Moon files, three Sun files
    EXPECT_TRUE(g.canvas.Calls().isEmpty());
}

TEST(Planets, MarkerSizeAndPenOnScreenAndPaper)
{
    // Saturn stands high in the evening sky of 7 December 2026.
    const DataFolder data(orv::test::ProgramDir());
    ProblemLog log;
    LayerFixture screen;
    DrawPlanet(screen.Context(), data, log, Planet::Saturn, 0xFFFFFF, {2026, 12, 7, 20, 0}, 139.75, 35.69);
    ASSERT_TRUE(log.Empty());
    const QStringList calls = screen.canvas.Calls();
    ASSERT_EQ(calls.size(), 2);
    EXPECT_TRUE(calls[0].contains(QStringLiteral(" 5 cFFFFFF w1"))); // round(0.8 x 6), white stays white
    LayerFixture paper(60, 2.4);
    paper.geometry.hatRadius = 2126;
    paper.settings.Pwidth = 3;
    DrawPlanet(paper.Context(true), data, log, Planet::Saturn, 0, {2026, 12, 7, 20, 0}, 139.75, 35.69);
    EXPECT_TRUE(paper.canvas.Calls()[0].contains(QStringLiteral(" 30 c000000 w3"))); // round(0.8 x 37)
}
