#include "layers/Figures.h"
#include "layers/MilkyWay.h"
#include "layers/Names.h"
#include "layers/SkyData.h"
#include "layers/StarDiscs.h"
#include "render/DataFolder.h"
#include "support/Fixtures.h"
#include "support/LayerFixture.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace orv;
using orv::test::LayerFixture;

namespace {

ChartList Stars(std::initializer_list<ChartPoint> points)
{
    ChartList list{ChartPoint{}};
    for (const ChartPoint& p : points)
        list.push_back(p);
    list[0].magnitude = static_cast<int16_t>(list.size() - 1);
    return list;
}

QStringList Figures(std::initializer_list<const char*> entries)
{
    QStringList list{QString::number(entries.size())};
    for (const char* e : entries)
        list << QString::fromLatin1(e);
    return list;
}

} // namespace

TEST(StarDiscs, MagnitudeLimitHorizonAndFill)
{
    LayerFixture f;
    f.settings.Tokyu = 3;
    f.settings.Kcolor = 0x00FFFF;
    DrawStarDiscs(f.Context(), Stars({{10, 20, 3, {}}, {0, 0, 4, {}}, {342, 0, 1, {}}, {-100, 0, -1, {}}}));
    EXPECT_EQ(f.canvas.Calls(), QStringList({QStringLiteral("Circle 352 454 3 c00FFFF fill00FFFF w1 s0"),
                                             QStringLiteral("Circle 462 474 6 c00FFFF fill00FFFF w1 s0")}));
    f.canvas.Clear();
    f.settings.FkoseiFill = false;
    DrawStarDiscs(f.Context(), Stars({{0, 0, 0, {}}}));
    EXPECT_EQ(f.canvas.Calls(), QStringList(QStringLiteral("Circle 362 474 5 c00FFFF w1 s0")));
}

TEST(Figures, DashedTrianglesMagnitudeBreaksAndTheGlueTabWrap)
{
    LayerFixture f;
    const ChartList stars = Stars({{0, 0, 1, {}}, {50, 0, 1, {}}, {50, 50, 4, {}}, {0, 50, 1, {}}, {300, 0, 1, {}}});
    // Triangles are drawn dashed whenever Fdaisan is on, even without constellation lines.
    f.settings.Fsen = false;
    f.settings.Fdaisan = true;
    DrawFigures(f.Context(), Figures({"=1-2", "1-4"}), stars);
    const QStringList dashed = f.canvas.Calls();
    ASSERT_EQ(dashed.size(), 3); // [8,16], [24,32], [40,48] of 50 pixels
    EXPECT_TRUE(dashed[0].endsWith(QStringLiteral("w2 s2")));
    EXPECT_EQ(f.canvas.DrawStyle, 0);

    // A star fainter than the limit breaks the figure on both sides; breaks and far ends too.
    LayerFixture g;
    g.settings.Tokyu = 3;
    DrawFigures(g.Context(), Figures({"1-2-3-4-1", "1--4", "1-x-2", "2-5", "4-99"}), stars);
    EXPECT_EQ(g.canvas.Calls(), QStringList({QStringLiteral("Line 312 474 362 474 c000000 w2 s0"),
                                             QStringLiteral("Line 362 474 362 424 c000000 w2 s0")}));

    // Stars just east and west of south: two pieces, each from a real star into the glue tab.
    LayerFixture w;
    const double gamma = w.geometry.glueHalfAngle;
    const ChartList south = Stars({{-200 * std::cos(gamma + 0.05), 200 * std::sin(gamma + 0.05), 1, {}},
                                   {-200 * std::cos(gamma + 0.05), -200 * std::sin(gamma + 0.05), 1, {}}});
    DrawFigures(w.Context(), Figures({"1-2"}), south);
    const QStringList pieces = w.canvas.Calls();
    ASSERT_EQ(pieces.size(), 2);
    // The ghost of each star lies at the same distance, 0.05 rad inside the tab from the other edge.
    const auto ends = [](const QString& call) {
        const QStringList p = call.split(QLatin1Char(' '));
        return std::array<double, 4>{p[1].toDouble(), p[2].toDouble(), p[3].toDouble(), p[4].toDouble()};
    };
    const auto angle = [](double x, double y) { return std::abs(std::atan2(y - 474, x - 362)); };
    const auto first = ends(pieces[0]);
    const auto second = ends(pieces[1]);
    for (const auto& e : {first, second}) {
        EXPECT_NEAR(std::hypot(e[0] - 362, e[1] - 474), 200, 1e-6);
        EXPECT_NEAR(std::hypot(e[2] - 362, e[3] - 474), 200, 1e-6);
    }
    EXPECT_NEAR(angle(first[0], first[1]), gamma + 0.05, 1e-9);  // star 2, east of south
    EXPECT_NEAR(angle(first[2], first[3]), gamma - 0.05, 1e-9);  // ghost of star 1, in the tab
    EXPECT_NEAR(angle(second[0], second[1]), gamma - 0.05, 1e-9); // ghost of star 2, in the tab
    EXPECT_NEAR(angle(second[2], second[3]), gamma + 0.05, 1e-9); // star 1, west of south
    // Each piece stays on its own star's side of the centre line.
    EXPECT_GT(first[1], 474);
    EXPECT_GT(first[3], 474);
    EXPECT_LT(second[1], 474);
    EXPECT_LT(second[3], 474);
}

TEST(Names, ThresholdsHorizonPlacementAndCondensedClusters)
{
    LayerFixture f;
    f.settings.NmFntSize = 10; // 13-pixel character height on screen
    const ChartList stars = Stars({{100, 0, 1, {}}, {335, 0, 1, {}}, {345, 0, 1, {}}});
    HorizontalList horizontal(4);
    NameTable names(1);
    names.push_back({1, QStringLiteral("R"), 10, 99, QStringLiteral("夏の大三角")});
    names.push_back({1, QStringLiteral("R"), 10, 4, QStringLiteral("こと座")});
    names.push_back({2, QStringLiteral("B"), 10, 1, QStringLiteral("外")});
    names.push_back({3, QStringLiteral("R"), 20, 1, QStringLiteral("内")});
    names.push_back({1, QStringLiteral("T"), 10, 1, QStringLiteral("プレアデス星団")});
    names.push_back({1, QStringLiteral("T"), 10, 1, QStringLiteral("プレアデス星団M45")});
    names[0].threshold = static_cast<int16_t>(names.size() - 1);

    f.settings.Tokyu = 3;
    DrawNames(f.Context(), true, names, stars, horizontal);
    QStringList calls = f.canvas.Calls();
    EXPECT_TRUE(calls.filter(QStringLiteral("大三角")).isEmpty());
    EXPECT_TRUE(calls.filter(QStringLiteral("こと座")).isEmpty());
    // Below a star near the horizon there is no room: the label goes above it instead.
    ASSERT_EQ(calls.filter(QStringLiteral(" 外")).size(), 1);
    EXPECT_TRUE(calls.filter(QStringLiteral(" 外")).first().startsWith(QStringLiteral("TextOut 49 468 ")));
    EXPECT_EQ(calls.filter(QStringLiteral(" 内")).size(), 1); // star outside, label inside
    // The whole text decides the condensed width; drawn from the last record to the first.
    EXPECT_TRUE(calls[0].contains(QStringLiteral(" w6 ")) && calls[0].endsWith(QStringLiteral("星団M45")));
    EXPECT_TRUE(calls[1].contains(QStringLiteral(" w4 ")) && calls[1].endsWith(QStringLiteral("星団")));

    f.canvas.Clear();
    f.settings.Tokyu = 4;
    f.settings.Fdaisan = true;
    DrawNames(f.Context(), true, names, stars, horizontal);
    calls = f.canvas.Calls();
    // Due north (phi = 0): the text runs downwards, "R" starts u below the star, centred across.
    const QString lyra = calls.filter(QStringLiteral("こと座")).first();
    EXPECT_EQ(lyra, QStringLiteral("TextOut 268 483 h13 w6 e-900 b0 ＭＳ ゴシック c000000 こと座"));
    EXPECT_EQ(calls.filter(QStringLiteral("大三角")).size(), 1);
}

TEST(MilkyWay, SpeckleStaysInsideTheHorizonAndUsesTheSharedSequence)
{
    LayerFixture screen;
    screen.settings.Mwidth = 4;
    RestartMilkyWaySequence();
    DrawMilkyWay(screen.Context(false), Stars({{342, 0, 0, {}}}));
    const QStringList onHorizon = screen.canvas.Calls();
    EXPECT_FALSE(onHorizon.isEmpty());
    EXPECT_LT(onHorizon.size(), 50);
    for (const QString& call : onHorizon) {
        EXPECT_TRUE(call.endsWith(QStringLiteral("w1 s0")));
        const QStringList p = call.split(QLatin1Char(' '));
        EXPECT_LT(std::hypot(362 - p[1].toDouble(), 474 - p[2].toDouble()), 342);
    }
    // The same sample after a restart gives the same speckle; without a restart a different one.
    LayerFixture again;
    RestartMilkyWaySequence();
    DrawMilkyWay(again.Context(true), Stars({{342, 0, 0, {}}}));
    EXPECT_EQ(again.canvas.Calls().size(), onHorizon.size());
    EXPECT_TRUE(again.canvas.Calls()[0].endsWith(QStringLiteral("w2 s0"))); // Mwidth on paper
    LayerFixture later;
    DrawMilkyWay(later.Context(false), Stars({{0, 0, 0, {}}}));
    EXPECT_EQ(later.canvas.Calls().size(), 50);
}

// Every star that the faintest setting promises is in the catalogue: the stars that round to each
// magnitude class, north of declination -66 degrees (all that rise somewhere in Japan), number
// about as many as the sky holds, class 5 included.
TEST(SkyData, CatalogueHoldsEveryStarDownToTheFaintestSetting)
{
    ProblemLog log;
    const auto stars = LoadStarCatalogue(DataFolder(orv::test::ProgramDir()), log);
    ASSERT_TRUE(stars);
    std::map<int, int> byClass;
    const int count = (*stars)[0].magnitudeText.toInt();
    for (int i = 1; i <= count; ++i) {
        EXPECT_GT(ParseDeclination((*stars)[i].declination), -66.1 * Pi / 180) << i;
        ++byClass[std::min<int>(Round16(LeadingNumber((*stars)[i].magnitudeText)), 6)];
    }
    EXPECT_GE(byClass[-1] + byClass[0] + byClass[1], 20); // the first-magnitude stars
    EXPECT_GT(byClass[2], 60);
    EXPECT_GT(byClass[3], 160);
    EXPECT_GT(byClass[4], 500);
    EXPECT_GT(byClass[5], 1800);
    int shown = 0;
    for (int m = -1; m <= 5; ++m)
        shown += byClass[m];
    EXPECT_GE(shown, 2500);
    EXPECT_LT(byClass[6], 50); // fainter stars only where a figure needs them
    std::printf("stars by magnitude class:");
    for (const auto& [m, n] : byClass)
        std::printf(" %d: %d", m, n);
    std::printf("\n");
}

TEST(SkyData, MissingFilesAreReportedAndNothingIsDrawn)
{
    ProblemLog log;
    const DataFolder nowhere(QStringLiteral("/nonexistent-orvenza"));
    EXPECT_FALSE(LoadStarCatalogue(nowhere, log));
    EXPECT_FALSE(LoadFigures(nowhere, true, log));
    EXPECT_EQ(log.Messages().size(), 2);
    EXPECT_TRUE(log.Messages()[1].contains(QStringLiteral("SEISHUKU.DAT")));

    const DataFolder program(orv::test::ProgramDir());
    const auto stars = LoadStarCatalogue(program, log);
    ASSERT_TRUE(stars);
    const int count = (*stars)[0].magnitudeText.toInt();
    EXPECT_LE(count, StarCapacity);
    for (int i = 1; i <= count; ++i)
        ASSERT_EQ((*stars)[i].rightAscension.size(), 6) << i;
    const auto figures = LoadFigures(program, false, log);
    ASSERT_TRUE(figures);
    EXPECT_EQ(figures->filter(QRegularExpression(QStringLiteral("^="))).size(), 3);
    const auto names = LoadNames(program, false, log);
    ASSERT_TRUE(names);
    EXPECT_EQ(std::count_if(names->begin() + 1, names->end(), [](const NameRecord& r) { return r.threshold == 99; }), 3);
}
