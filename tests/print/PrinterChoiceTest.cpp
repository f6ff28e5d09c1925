#include "print/PrinterChoice.h"

#include <QPrinter>
#include <gtest/gtest.h>

using namespace orv;

namespace {

SystemPrinters Fake(QStringList names, QString preferred)
{
    return {[names] { return names; }, [preferred] { return preferred; }};
}

} // namespace

TEST(PrinterChoice, SystemPrintersInTheirOrderThenThePdfFile)
{
    PrinterChoice choice(Fake({"office", "lab"}, "lab"));
    EXPECT_EQ(choice.Offered(), QStringList({"office", "lab", PdfPrinterName}));
    EXPECT_EQ(choice.Current(), "lab");

    EXPECT_EQ(PrinterChoice(Fake({"office", "lab"}, QString())).Current(), "office");
    EXPECT_EQ(PrinterChoice(Fake({}, QString())).Current(), PdfPrinterName);
}

TEST(PrinterChoice, OnlyAnOfferedNameBecomesCurrent)
{
    PrinterChoice choice(Fake({"office", "lab"}, "office"));
    choice.SelectPrinterByName(PdfPrinterName);
    EXPECT_EQ(choice.Current(), PdfPrinterName);
    choice.SelectPrinterByName("gone");
    EXPECT_EQ(choice.Current(), PdfPrinterName);
    choice.SelectPrinterByName("lab");
    EXPECT_EQ(choice.Current(), "lab");
}

TEST(PrinterChoice, ThePdfFileIsAMarginlessPdfWriterKeptForTheRun)
{
    PrinterChoice choice(Fake({}, QString()));
    QPrinter& pdf = choice.Settings(PdfPrinterName);
    EXPECT_EQ(pdf.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(pdf.pageLayout().margins(), QMarginsF(0, 0, 0, 0));
    EXPECT_EQ(&choice.Settings(PdfPrinterName), &pdf);
}
