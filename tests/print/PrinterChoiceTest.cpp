#include "print/PaperFit.h"
#include "print/PrinterChoice.h"

#include <QPrinter>
#include <gtest/gtest.h>

using namespace orv;

namespace {

PrinterChoice With(QStringList names, QString preferred)
{
    return PrinterChoice({[names] { return names; }, [preferred] { return preferred; }});
}

} // namespace

TEST(PrinterChoice, SystemPrintersThenThePdfFileAndOnlyAnOfferedNameBecomesCurrent)
{
    PrinterChoice choice = With({"office", "lab"}, "lab");
    EXPECT_EQ(choice.Offered(), QStringList({"office", "lab", PdfPrinterName}));
    EXPECT_EQ(choice.Current(), "lab");
    EXPECT_EQ(With({"office", "lab"}, QString()).Current(), "office");
    EXPECT_EQ(With({}, QString()).Current(), PdfPrinterName);

    choice.SelectPrinterByName(PdfPrinterName);
    choice.SelectPrinterByName("gone");
    EXPECT_EQ(choice.Current(), PdfPrinterName);
    QPrinter& pdf = choice.Settings(PdfPrinterName);
    EXPECT_EQ(pdf.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(pdf.pageLayout().margins(), QMarginsF(0, 0, 0, 0));
    EXPECT_EQ(&choice.Settings(PdfPrinterName), &pdf); // kept for the run
}

TEST(PaperFit, LargestFreeRadiusOfEachPaperKeepsTheCutCircleOffBothEdges)
{
    // A4 210 mm, JIS B4 257 mm, A3 297 mm across; the cut circle lies half a centimetre outside
    // the horizon and needs 3 mm more on each side.
    EXPECT_EQ(LargestRadiusFitting(9), 9);
    EXPECT_EQ(LargestRadiusFitting(12), 12);
    EXPECT_EQ(LargestRadiusFitting(8), 14);
    EXPECT_FALSE(RadiusFitsPaper(10, 9));
}
