#include "print/PrintJob.h"

#include "document/HatDocument.h"
#include "print/CupsQueue.h"
#include "print/PaperFit.h"
#include "render/PrinterCanvas.h"
#include "render/RedrawChart.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>

namespace orv {

namespace {

// The pipeline on the printer canvas, once per copy, until the printer refuses a sheet.
void DrawCopies(HatDocument& doc, PrinterCanvas& canvas, int copies)
{
    doc.printer = &canvas;
    doc.printing = true;
    for (int copy = 1; copy <= copies && !canvas.Failed(); ++copy)
        RedrawChart(doc, true);
    canvas.Finish();
    doc.printer = nullptr;
}

// Why the hat cannot be printed at all: no site or date chosen, or too large for its paper.
QString Unprintable(const HatDocument& doc)
{
    if (const QString missing = MissingChoice(doc.controls); !missing.isEmpty())
        return missing;
    return FitProblem(doc);
}

QString Stopped(const QString& failure, int sheetsSent)
{
    if (sheetsSent == 0)
        return failure;
    return failure + QStringLiteral("\nそれまでの%1枚は送りました。残りは印刷しません。").arg(sheetsSent);
}

} // namespace

PrintOutcome PrintOnPrinter(HatDocument& doc, const QString& name, int copies)
{
    if (copies <= 0)
        return {};
    if (const QString problem = Unprintable(doc); !problem.isEmpty())
        return {0, problem};
    if (const QString problem = QueueProblem(name); !problem.isEmpty())
        return {0, problem};
    QPrinter& printer = doc.printerChoice.Settings(name);
    if (printer.outputFormat() != QPrinter::NativeFormat || printer.printerName() != name)
        return {0, QStringLiteral("プリンタ「%1」が見つかりません。").arg(name)};

    PrinterCanvas canvas(printer, PrinterCanvas::Sheets::Documents);
    canvas.SetDocumentCheck([&name] { return SubmissionProblem(name); });
    DrawCopies(doc, canvas, copies);
    if (!canvas.Failed())
        return {canvas.SheetCount(), {}};
    const QString failure = canvas.Failure().isEmpty()
        ? QStringLiteral("プリンタ「%1」で印刷を始められませんでした。").arg(name)
        : canvas.Failure();
    return {canvas.SheetCount(), Stopped(failure, canvas.SheetCount())};
}

PrintOutcome PrintToPdf(HatDocument& doc, const QString& path)
{
    if (const QString problem = Unprintable(doc); !problem.isEmpty())
        return {0, problem};
    QPrinter& printer = doc.printerChoice.Settings(PdfPrinterName);
    printer.setOutputFileName(path);
    int sheets = 0;
    {
        PrinterCanvas canvas(printer, PrinterCanvas::Sheets::Pages);
        DrawCopies(doc, canvas, 1);
        if (!canvas.Failed())
            sheets = canvas.SheetCount();
    }
    printer.setOutputFileName({});
    if (sheets == 0 || QFileInfo(path).size() == 0) {
        QFile::remove(path);
        return {0, QStringLiteral("PDFファイル「%1」を書き込めませんでした。").arg(path)};
    }
    return {sheets, {}};
}

void DrawPreview(HatDocument& doc, QPrinter& printer)
{
    PrinterCanvas canvas(printer, PrinterCanvas::Sheets::Pages);
    DrawCopies(doc, canvas, 1);
}

QString RunPrintRequest(HatDocument& doc)
{
    PrintRequest& request = doc.printRequest;
    if (!request.PrintPending)
        return {};
    request.PrintPending = false;
    if (request.PrintCopies <= 0)
        return {};
    const QString printer = doc.printerChoice.Current();
    if (printer == PdfPrinterName)
        return PrintToPdf(doc, request.pdfPath).failure;
    return PrintOnPrinter(doc, printer, request.PrintCopies).failure;
}

QString ProposedPdfName(const HatDocument& doc)
{
    HatSettings s;
    ReadSettingsFromControls(doc.controls, s);
    const QString prefecture = doc.sites.Record(s.KansokuKen, 0).name;
    const QString place = doc.sites.Record(s.KansokuKen, s.KansokuShi).name;
    const QString site = place == prefecture ? prefecture : prefecture + place;
    return QStringLiteral("%1_%2-%3-%4.pdf")
        .arg(site)
        .arg(s.Year, 4, 10, QLatin1Char('0'))
        .arg(s.Month, 2, 10, QLatin1Char('0'))
        .arg(s.Day, 2, 10, QLatin1Char('0'));
}

} // namespace orv
