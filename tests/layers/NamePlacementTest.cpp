#include "astro/HatProjection.h"
#include "astro/Numeric.h"
#include "layers/Names.h"
#include "render/RecordingCanvas.h"
#include "render/RedrawChart.h"
#include "support/Fixtures.h"
#include "support/LayerFixture.h"
#include "support/TextCells.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

// The names of a whole printed chart: the text drawn before the outline and its legends.
using Settings = std::vector<std::pair<const char*, const char*>>;

QList<TextCell> PrintedNames(const Settings& sets, ChartGeometry& g)
{
    auto doc = FreshDocument(QDate(2026, 12, 7));
    for (const auto& [key, value] : sets)
        EXPECT_EQ(ApplySettingValue(doc->controls, doc->settings, doc->sites, QString::fromLatin1(key),
                                    QString::fromLatin1(value)).kind,
                  ApplyResult::Applied);
    RecordingCanvas printer(2.4);
    doc->printer = &printer;
    doc->printing = true;
    RedrawChart(*doc, true);
    g = doc->geometry;
    const QString cut = QStringLiteral("Circle %1 %2 %3 ").arg(g.centreX).arg(g.centreY).arg(g.hatRadius + g.rimMargin);
    QStringList before;
    for (const QString& call : printer.Calls()) {
        if (call.startsWith(cut))
            break;
        before << call;
    }
    return TextCellsOf(before);
}

bool Named(const QList<TextCell>& cells, const QString& name)
{
    return std::any_of(cells.begin(), cells.end(), [&](const TextCell& c) { return c.text == name; });
}

} // namespace

TEST(NamePlacement, DenseSouthernSkiesKeepEveryNameOnTheSkyThatStaysInSight)
{
    struct Evening {
        const char* what;
        Settings sets;
    };
    // Tokyo on 15 January at 21:00 and on 19 May at 20:00, Ishigaki on 20 August at 19:30.
    const Evening evenings[] = {
        {"Tokyo January", {{"KansokuKen", "12"}, {"KansokuShi", "0"}, {"Year", "26"}, {"Month", "0"}, {"Day", "14"},
                           {"Hour", "20"}, {"Minute", "0"}, {"Fdaisan", "1"}}},
        {"Tokyo May", {{"KansokuKen", "12"}, {"KansokuShi", "0"}, {"Year", "26"}, {"Month", "4"}, {"Day", "18"},
                       {"Hour", "19"}, {"Minute", "0"}, {"Fdaisan", "1"}}},
        {"Ishigaki August", {{"KansokuKen", "46"}, {"KansokuShi", "2"}, {"Year", "26"}, {"Month", "7"}, {"Day", "19"},
                             {"Hour", "18"}, {"Minute", "3"}, {"Fdaisan", "1"}}},
    };
    for (const Evening& e : evenings)
        for (const char* nori : {"2", "4"}) { // 60 and 120 degrees
            Settings sets = e.sets;
            sets.emplace_back("Nori", nori);
            ChartGeometry g;
            const QList<TextCell> names = PrintedNames(sets, g);
            EXPECT_GT(names.size(), 40) << e.what;
            for (const TextCell& cell : names)
                for (const QPointF& p : PointsOf(cell.quad)) {
                    const double dx = g.centreX - p.x();
                    const double dy = g.centreY - p.y();
                    EXPECT_LT(std::hypot(dx, dy), g.hatRadius) << e.what << " " << cell.text.toStdString();
                    EXPECT_LT(std::abs(std::atan2(dy, dx)), Pi - g.glueHalfAngle)
                        << e.what << " nori " << nori << ": " << cell.text.toStdString() << " in the glue tab";
                }
        }
}

TEST(NamePlacement, NamesTheTabUsedToHideAreShownBesideTheirStars)
{
    ChartGeometry g;
    const QList<TextCell> january = PrintedNames({{"KansokuKen", "12"}, {"KansokuShi", "0"}, {"Year", "26"}, {"Month", "0"},
                                                  {"Day", "14"}, {"Hour", "20"}, {"Minute", "0"}}, g);
    for (const char* name : {"アルデバラン", "エルナト", "ベラトリックス", "リゲル"})
        EXPECT_TRUE(Named(january, QString::fromUtf8(name))) << name;
    const QList<TextCell> may = PrintedNames({{"KansokuKen", "12"}, {"KansokuShi", "0"}, {"Year", "26"}, {"Month", "4"},
                                              {"Day", "18"}, {"Hour", "19"}, {"Minute", "0"}, {"Fdaisan", "1"}}, g);
    EXPECT_TRUE(Named(may, QStringLiteral("春の大三角")));
}

TEST(NamePlacement, LabelsTurnWithTheSameAngleAsTheirStars)
{
    LayerFixture f(120); // gamma = 60 degrees, where half of it used to tilt labels by 29 degrees
    f.settings.NmFntSize = 10;
    HorizontalList horizontal(1);
    for (double azimuthDegrees : {150.0, -100.0, 30.0}) {
        HorizontalPoint p;
        p.azimuth = azimuthDegrees * Pi / 180;
        p.altitude = 60 * Pi / 180;
        horizontal.push_back(p);
    }
    horizontal[0].magnitude = 3;
    ChartList stars = ProjectHorizontalList(horizontal, f.geometry.hatRadius, f.geometry.glueHalfAngle);
    NameTable names(1);
    for (int16_t i = 1; i <= 3; ++i)
        names.push_back({i, QStringLiteral("R"), 10, 1, QStringLiteral("名")});
    names[0].threshold = 3;
    f.settings.Tokyu = 5;
    DrawNames(f.Context(), true, names, stars, horizontal);
    const QList<TextCell> cells = TextCellsOf(f.canvas.Calls());
    ASSERT_EQ(cells.size(), 3);
    for (int i = 0; i < 3; ++i) {
        // Drawn from the last record to the first; the star's rim angle is -(pi - gamma) A / pi.
        const double rimAngle = -(Pi - f.geometry.glueHalfAngle) * horizontal[3 - i].azimuth / Pi;
        EXPECT_EQ(cells[i].escapementDegrees, Round16((-90 - rimAngle * 180 / Pi) * 10) / 10.0);
        // The label's top faces the centre: from the star, the zenith lies across the text's up side.
        const QPointF star(f.geometry.centreX - stars[3 - i].x, f.geometry.centreY - stars[3 - i].y);
        const QPointF up = cells[i].quad[0] - cells[i].quad[3];
        const QPointF toCentre = QPointF(f.geometry.centreX, f.geometry.centreY) - star;
        const double cosine = QPointF::dotProduct(up, toCentre) / std::hypot(up.x(), up.y()) / std::hypot(toCentre.x(), toCentre.y());
        EXPECT_NEAR(cosine, 1, 1e-4);
    }
}
