// The paper every layout prints on, as the page sizes of the printed PDF show it: the six fixed
// layouts and every free radius on each paper of the print dialog, B4 being JIS B4 (257 x 364 mm;
// ISO B4, 250 x 353 mm, would not hold the hat at full scale on the paper sold in Japan).

#include "render/ChartGeometry.h"
#include "render/PrinterCanvas.h"
#include "render/RedrawChart.h"
#include "support/Fixtures.h"
#include "support/PdfTools.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

struct Layout {
    int rr0;
    int paperIndex;
    std::vector<QSizeF> sheets; // each sheet's width across and height down, in millimetres
};

} // namespace

TEST(PaperLayouts, EveryLayoutPrintsOnItsPaperAndOrientation)
{
    const QSizeF a4(210, 297), b4(257, 364), a3(297, 420);
    std::vector<Layout> layouts = {
        {0, 0, {a4}},
        {1, 0, {b4}},
        {2, 0, {a3}},
        {3, 0, {a4.transposed(), a4.transposed()}},
        {4, 0, {b4.transposed(), b4.transposed()}},
        {5, 0, {a3.transposed(), a3.transposed()}},
    };
    for (int rr0 = FirstFreeRadiusLayout; rr0 < PaperLayoutCount; ++rr0)
        for (const auto& [index, paper] : {std::pair{0, a4}, {1, b4}, {2, a3}})
            layouts.push_back({rr0, index, {paper}});

    // Only the outline: the paper does not depend on the sky.
    auto doc = FreshDocument(QDate(2026, 12, 7), {{"Fsen", "0"}, {"Fmei", "0"}, {"Fkinse", "0"}, {"Fkase", "0"},
                                                  {"Fmokuse", "0"}, {"Fdose", "0"}, {"Fmoon", "0"}});
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("layouts.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    std::vector<std::pair<const Layout*, QSizeF>> expected;
    {
        PrinterCanvas canvas(printer, PrinterCanvas::Sheets::Pages);
        doc->printer = &canvas;
        doc->printing = true;
        for (const Layout& layout : layouts) {
            doc->controls.List(ListKey::RR0).index = layout.rr0;
            doc->PrintPaperIndex = static_cast<int16_t>(layout.paperIndex);
            RedrawChart(*doc, true);
            for (const QSizeF& sheet : layout.sheets)
                expected.emplace_back(&layout, sheet);
        }
        doc->printer = nullptr;
        ASSERT_TRUE(canvas.Finish());
        EXPECT_EQ(canvas.SheetCount(), static_cast<int>(expected.size()));
    }

    const std::vector<QSizeF> pages = PageSizesMm(pdf);
    ASSERT_EQ(pages.size(), expected.size());
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const auto& [layout, sheet] = expected[i];
        SCOPED_TRACE(QStringLiteral("RR0 %1, paper %2").arg(layout->rr0).arg(layout->paperIndex).toStdString());
        EXPECT_NEAR(pages[i].width(), sheet.width(), 0.5);
        EXPECT_NEAR(pages[i].height(), sheet.height(), 0.5);
    }
}
