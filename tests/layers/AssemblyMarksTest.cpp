#include "astro/Numeric.h"
#include "layers/AssemblyMarks.h"
#include "render/Primitives.h"
#include "render/RecordingCanvas.h"
#include "render/RedrawChart.h"
#include "support/Fixtures.h"
#include "support/LayerFixture.h"
#include "support/TextCells.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

struct Sheet {
    ChartGeometry geometry;
    QList<TextCell> texts;
};

// The sheets of a chart printed at 600 dpi, each with its own hat centre and the text on it.
QList<Sheet> Print(const char* layout, const char* nori)
{
    auto doc = FreshDocument(QDate(2026, 12, 7),
                             {{"KansokuKen", "12"}, {"KansokuShi", "0"}, {"RR0", layout}, {"Nori", nori}});
    RecordingCanvas printer(2.4);
    doc->printer = &printer;
    doc->printing = true;
    RedrawChart(*doc, true);
    QList<Sheet> sheets;
    QStringList page;
    for (const QString& call : printer.Calls()) {
        if (call != QLatin1String("EndDoc")) {
            page << call;
            continue;
        }
        Sheet sheet{doc->geometry, TextCellsOf(page)};
        PlaceSheetCentre(sheet.geometry, static_cast<int16_t>(sheets.size() + 1));
        sheets << sheet;
        page.clear();
    }
    return sheets;
}

const TextCell* Find(const Sheet& sheet, const QString& text)
{
    for (const TextCell& c : sheet.texts)
        if (c.text == text)
            return &c;
    return nullptr;
}

// Whether a cell lies wholly inside the glue tab, on the given side of the centre line (-1 above,
// +1 below, 0 either), and inside the horizon.
bool InsideTab(const Sheet& sheet, const TextCell& cell, int side)
{
    const ChartGeometry& g = sheet.geometry;
    for (const QPointF& p : PointsOf(cell.quad)) {
        const double dx = g.centreX - p.x();
        const double dy = g.centreY - p.y();
        if (std::hypot(dx, dy) >= g.hatRadius || std::abs(std::atan2(dy, dx)) <= Pi - g.glueHalfAngle
            || side * (p.y() - g.centreY) < 0)
            return false;
    }
    return true;
}

} // namespace

TEST(AssemblyMarks, OneSheetLabelsItsTabAndSlitAndSaysHowToMakeTheHat)
{
    const QList<Sheet> sheets = Print("0", "2"); // "A4縦", 60 degrees
    ASSERT_EQ(sheets.size(), 1);
    const Sheet& a4 = sheets[0];
    for (const char* label : {"のりしろ", "切り込み"}) {
        const TextCell* cell = Find(a4, QString::fromUtf8(label));
        ASSERT_TRUE(cell) << label;
        EXPECT_TRUE(InsideTab(a4, *cell, 0)) << label;
    }
    // "切り込み" lies along the slit, the upper edge of the tab: turned by half the glue angle.
    EXPECT_EQ(Find(a4, QStringLiteral("切り込み"))->escapementDegrees, 30);
    EXPECT_FALSE(Find(a4, QStringLiteral("1/2")));

    // The steps go below the hat, on the paper, within the width of the hat.
    const TextCell* title = Find(a4, QStringLiteral("作り方"));
    ASSERT_TRUE(title);
    const ChartGeometry& g = a4.geometry;
    const double cut = g.hatRadius + g.rimMargin;
    const double sheetHeight = 297 * 600 / 25.4;
    const QStringList steps = AssemblySteps(1, true);
    ASSERT_EQ(steps.size(), 4);
    for (const QString& step : QStringList{QStringLiteral("作り方")} + steps) {
        const TextCell* cell = Find(a4, step);
        ASSERT_TRUE(cell) << step.toStdString();
        for (const QPointF& p : cell->quad) {
            EXPECT_GT(p.y(), g.centreY + cut);
            EXPECT_LT(p.y(), sheetHeight);
            EXPECT_GE(p.x(), g.centreX - cut);
            EXPECT_LE(p.x(), g.centreX + cut);
        }
    }
}

TEST(AssemblyMarks, TwoSheetsAreNumberedAndEachLabelsItsHalfOfTheTabAndTheJoin)
{
    const QList<Sheet> sheets = Print("3", "2"); // "A4横×2"
    ASSERT_EQ(sheets.size(), 2);
    for (int s = 0; s < 2; ++s) {
        const Sheet& sheet = sheets[s];
        const int side = s == 0 ? -1 : 1; // sheet 1 holds the upper half, sheet 2 the lower
        EXPECT_TRUE(Find(sheet, QStringLiteral("%1/2").arg(s + 1)));
        for (const char* label : {"のりしろ", "貼り合わせ線"}) {
            const TextCell* cell = Find(sheet, QString::fromUtf8(label));
            ASSERT_TRUE(cell) << label << " on sheet " << s + 1;
            EXPECT_TRUE(InsideTab(sheet, *cell, side)) << label << " on sheet " << s + 1;
        }
        EXPECT_EQ(Find(sheet, QStringLiteral("切り込み")) != nullptr, s == 0);
        EXPECT_TRUE(Find(sheet, AssemblySteps(2, true).first()));
    }
}

TEST(AssemblyMarks, WithoutAGlueTabThereIsNoSlitButTheJoinIsStillNamed)
{
    const QList<Sheet> sheets = Print("3", "0");
    ASSERT_EQ(sheets.size(), 2);
    for (const Sheet& sheet : sheets) {
        EXPECT_FALSE(Find(sheet, QStringLiteral("のりしろ")));
        EXPECT_FALSE(Find(sheet, QStringLiteral("切り込み")));
        EXPECT_TRUE(Find(sheet, QStringLiteral("貼り合わせ線")));
    }
    EXPECT_EQ(AssemblySteps(2, false).size(), 3);
    EXPECT_TRUE(AssemblySteps(1, false).first().startsWith(QStringLiteral("① 外側の円")));
}

TEST(AssemblyMarks, TheScreenShowsTheMarksOnTheHatButNotThoseOfTheSheet)
{
    LayerFixture f(60);
    DrawGlueTabTint(f.Context(false));
    const QStringList tint = f.canvas.Calls();
    ASSERT_EQ(tint.size(), 1);
    EXPECT_TRUE(tint[0].startsWith(QStringLiteral("Polygon ")) && tint[0].contains(QStringLiteral("brushE8E8E8")));
    f.canvas.Clear();
    DrawAssemblyMarks(f.Context(false));
    const QList<TextCell> texts = TextCellsOf(f.canvas.Calls());
    QStringList shown;
    for (const TextCell& c : texts)
        shown << c.text;
    EXPECT_EQ(shown, QStringList({QStringLiteral("切り込み"), QStringLiteral("のりしろ")}));
    // The slit reaches from the cut circle to the centre.
    const QStringList lines = f.canvas.CallsOf(QStringLiteral("Line"));
    ASSERT_FALSE(lines.isEmpty());
    const QStringList first = lines.first().split(QLatin1Char(' '));
    EXPECT_NEAR(std::hypot(first[1].toDouble() - 362, first[2].toDouble() - 474), 361, 1e-6);

    LayerFixture flat(0);
    DrawGlueTabTint(flat.Context(false));
    DrawAssemblyMarks(flat.Context(false));
    EXPECT_TRUE(flat.canvas.Calls().isEmpty());
}
