// The print path into a PDF file, measured on the rasterised pages: placement on the paper, full
// scale, the same sheet at any device resolution, copies, and the hat that does not fit.

#include "document/HatDocument.h"
#include "print/PrintJob.h"
#include "support/Fixtures.h"
#include "support/PdfTools.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <map>

using namespace orv;
using namespace orv::test;

namespace {

constexpr int Dpi = 254; // 0.1 mm per pixel
constexpr double PixelsPerMm = 10;

} // namespace

TEST(PrintToPdf, A4PortraitHatIsCentredAcrossThePaperAtFullScale)
{
    auto doc = FreshDocument();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a4.pdf"));
    const PrintOutcome outcome = PrintToPdf(*doc, path);
    ASSERT_TRUE(outcome.failure.isEmpty()) << outcome.failure.toStdString();
    EXPECT_EQ(outcome.sheets, 1);
    ASSERT_EQ(PageSizesMm(path).size(), 1u);

    const QImage page = RasterisePage(path, 1, Dpi);
    const QRect ink = InkBounds(page);
    const int left = ink.left();
    const int right = page.width() - 1 - ink.right();
    EXPECT_GE(left, 3 * PixelsPerMm);
    EXPECT_GE(right, 3 * PixelsPerMm);
    EXPECT_LE(std::abs(left - right), 1 * PixelsPerMm);
    // The cut circle is the outermost ink; the horizon lies half a centimetre inside it.
    const QPointF centre = HatCentre(ink);
    EXPECT_NEAR(CircleRadius(page, centre, 90 * PixelsPerMm), 90 * PixelsPerMm, 1.5);
}

TEST(PrintToPdf, TheSheetIsTheSameAtAnyDeviceResolution)
{
    QTemporaryDir dir;
    std::map<int, QImage> pages;
    for (int resolution : {300, 600, 1200}) {
        auto doc = FreshDocument();
        doc->printerChoice.Settings(PdfPrinterName).setResolution(resolution);
        const QString path = dir.filePath(QStringLiteral("%1.pdf").arg(resolution));
        ASSERT_TRUE(PrintToPdf(*doc, path).failure.isEmpty());
        pages[resolution] = RasterisePage(path, 1, Dpi);
    }
    const QImage& reference = pages[600];
    for (int resolution : {300, 1200}) {
        int inked = 0, differing = 0;
        for (int y = 0; y < reference.height(); ++y)
            for (int x = 0; x < reference.width(); ++x) {
                const bool a = Ink(reference, x, y);
                inked += a ? 1 : 0;
                differing += a != Ink(pages[resolution], x, y) ? 1 : 0;
            }
        EXPECT_LT(differing, inked / 100) << resolution << " dpi";
    }
}

TEST(PrintToPdf, TwoSheetHalvesShareTheirPlaceAcrossThePaper)
{
    auto doc = FreshDocument(QDate(2026, 12, 7), {{"RR0", "3"}});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a4x2.pdf"));
    ASSERT_EQ(PrintToPdf(*doc, path).sheets, 2);
    const QImage first = RasterisePage(path, 1, Dpi);
    const QImage second = RasterisePage(path, 2, Dpi);
    EXPECT_GT(first.width(), first.height());
    const QRect a = InkBounds(first), b = InkBounds(second);
    EXPECT_LE(std::abs(a.left() - b.left()), 2);
    EXPECT_LE(std::abs(a.right() - b.right()), 2);
    EXPECT_LE(std::abs(a.left() - (first.width() - 1 - a.right())), 1 * PixelsPerMm);
}

TEST(PrintToPdf, AHatTooLargeForItsPaperIsRefusedAndLeavesNoFile)
{
    auto doc = FreshDocument(QDate(2026, 12, 7), {{"RR0", "16"}});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("r16.pdf"));
    const PrintOutcome outcome = PrintToPdf(*doc, path);
    EXPECT_EQ(outcome.sheets, 0);
    EXPECT_TRUE(outcome.failure.contains(QStringLiteral("半径9cmまで"))) << outcome.failure.toStdString();
    EXPECT_FALSE(QFile::exists(path));

    doc->PrintPaperIndex = 2; // A3 holds 14 cm, not 16
    EXPECT_FALSE(PrintToPdf(*doc, path).failure.isEmpty());
    doc->controls.List(ListKey::RR0).index = 14;
    EXPECT_EQ(PrintToPdf(*doc, path).sheets, 1);
}

TEST(PrintRequest, ThePdfFileGetsOneCopyAndZeroCopiesPrintNothing)
{
    auto doc = FreshDocument(QDate(2026, 12, 7), {{"RR0", "3"}});
    doc->printerChoice.SelectPrinterByName(PdfPrinterName);
    QTemporaryDir dir;
    PrintRequest& request = doc->printRequest;
    request.pdfPath = dir.filePath(QStringLiteral("zero.pdf"));
    request.PrintCopies = 0;
    request.PrintPending = true;
    EXPECT_TRUE(RunPrintRequest(*doc).isEmpty());
    EXPECT_FALSE(request.PrintPending);
    EXPECT_FALSE(QFile::exists(request.pdfPath));

    request.pdfPath = dir.filePath(QStringLiteral("three.pdf"));
    request.PrintCopies = 3;
    request.PrintPending = true;
    EXPECT_TRUE(RunPrintRequest(*doc).isEmpty());
    EXPECT_FALSE(request.PrintPending);
    EXPECT_EQ(PageSizesMm(request.pdfPath).size(), 2u); // copies are for real printers
    EXPECT_TRUE(RunPrintRequest(*doc).isEmpty());      // nothing waits any more
}

TEST(PrintRequest, TheProposedPdfNameIsTheSiteAndTheDate)
{
    auto doc = FreshDocument(QDate(2026, 12, 7), {{"KansokuKen", "12"}, {"KansokuShi", "0"}});
    EXPECT_EQ(ProposedPdfName(*doc), QStringLiteral("東京都千代田区_2026-12-07.pdf"));
}
