#include "astro/Numeric.h"
#include "render/RecordingCanvas.h"
#include "render/RedrawChart.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

using namespace orv;
using orv::test::FreshDocument;

namespace {

// Draws the chart on a recording printer of the given twips per pixel.
QStringList PrintCalls(HatDocument& doc, double twips)
{
    RecordingCanvas printer(twips);
    doc.printer = &printer;
    doc.printing = true;
    RedrawChart(doc, true);
    doc.printer = nullptr;
    return printer.Calls();
}

} // namespace

TEST(RedrawChart, ScreenGeometryAndScrollBars)
{
    auto doc = FreshDocument();
    doc->viewport.containerWidth = 600;
    doc->viewport.containerHeight = 700;
    RedrawChart(*doc, true);
    const ChartGeometry& g = doc->geometry;
    EXPECT_EQ(g.hatRadius, 342);
    EXPECT_EQ(g.rimMargin, 19);
    EXPECT_EQ(g.centreX, 362);
    EXPECT_EQ(g.centreY, 474);
    EXPECT_EQ(doc->screen.Width(), 732);
    EXPECT_EQ(doc->screen.Height(), 1035);
    EXPECT_EQ(doc->viewport.horizontal.maximum, 132);
    EXPECT_EQ(doc->viewport.horizontal.value, 66);
    EXPECT_EQ(doc->viewport.vertical.maximum, 335); // round(1035.048 - 700)
    EXPECT_EQ(doc->viewport.vertical.value, 168);   // round(167.5), halves to even

    // A two-sheet layout is one picture on screen, 2 x (532 + 24) pixels wide.
    doc->controls.List(ListKey::RR0).index = 5;
    doc->viewport.containerWidth = 2000;
    RedrawChart(*doc, true);
    EXPECT_EQ(doc->geometry.sheetCount, 1);
    EXPECT_EQ(doc->geometry.hatRadius, 532);
    EXPECT_EQ(doc->screen.Width(), 1112);
    EXPECT_EQ(doc->viewport.horizontal.maximum, 0);
    EXPECT_EQ(doc->viewport.horizontal.value, 0);
}

TEST(RedrawChart, PrinterSheetsPaperAndCentres)
{
    auto doc = FreshDocument();
    QStringList calls = PrintCalls(*doc, 2.4);
    EXPECT_EQ(doc->geometry.hatRadius, 2126);
    EXPECT_EQ(doc->geometry.rimMargin, 118);
    EXPECT_EQ(calls.filter(QStringLiteral("SetPaper")), QStringList(QStringLiteral("SetPaper 9 1")));
    EXPECT_EQ(calls.count(QStringLiteral("EndDoc")), 1);

    // "B4横×2": two documents, both B4 landscape, the fold line through the centre on each.
    doc->controls.List(ListKey::RR0).index = 4;
    calls = PrintCalls(*doc, 2.4);
    const ChartGeometry& g = doc->geometry;
    EXPECT_EQ(calls.filter(QStringLiteral("SetPaper")),
              QStringList({QStringLiteral("SetPaper 12 2"), QStringLiteral("SetPaper 12 2")}));
    EXPECT_EQ(calls.count(QStringLiteral("EndDoc")), 2);
    EXPECT_EQ(g.hatRadius, Round32(17 * 567 / 2.4));
    EXPECT_EQ(g.centreY, 2 * g.rimMargin); // the second sheet was drawn last
    const int32_t edge = g.hatRadius + g.rimMargin + 1;
    const auto foldAt = [&](int32_t y) {
        return calls.filter(QStringLiteral("Line %1 %2 %3 %2 ").arg(edge - g.hatRadius).arg(y).arg(edge + g.hatRadius));
    };
    EXPECT_EQ(foldAt(Round32(edge * 1.414 - 2 * g.rimMargin)).size(), 1);
    EXPECT_EQ(foldAt(2 * g.rimMargin).size(), 1);

    // "半径12cm" on the print dialog's A3: one A3 portrait sheet with a 12 cm horizon.
    doc->controls.List(ListKey::RR0).index = 12;
    doc->PrintPaperIndex = 2;
    calls = PrintCalls(*doc, 2.4);
    EXPECT_EQ(calls.filter(QStringLiteral("SetPaper")), QStringList(QStringLiteral("SetPaper 8 1")));
    EXPECT_EQ(doc->geometry.hatRadius, Round32(12 * 567 / 2.4));
}

TEST(RedrawChart, AllSwitchesOffLeavesDiscStarsAndOutline)
{
    auto doc = FreshDocument(QDate(2026, 12, 7), {{"Fsen", "0"}, {"Fmei", "0"}, {"Fkinse", "0"}, {"Fkase", "0"},
                                                  {"Fmokuse", "0"}, {"Fdose", "0"}, {"Fmoon", "0"}});
    const QStringList calls = PrintCalls(*doc, 15);
    EXPECT_TRUE(calls.filter(QStringLiteral("PSet")).isEmpty());
    // No Moon: the one polygon is the tint of the glue tab.
    EXPECT_EQ(calls.filter(QStringLiteral("Polygon")).size(), 1);
    EXPECT_TRUE(calls.filter(QStringLiteral("Polygon")).first().contains(QStringLiteral("brushE8E8E8")));
    EXPECT_GT(calls.filter(QStringLiteral("Circle")).size(), 100); // star discs
    EXPECT_FALSE(calls.filter(QStringLiteral("TextOut")).filter(QStringLiteral(" 北")).isEmpty());
}
