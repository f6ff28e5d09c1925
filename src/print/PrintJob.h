#pragma once
// The one print path of the program, shared by the window's print request, its preview and the
// renderer: the redraw pipeline drawn on a printer canvas, once per copy. On a real printer every
// sheet is a print document of its own; copies are made by drawing again. Into a PDF file and
// into the preview every sheet is one page of a single document.

#include <QString>

class QPrinter;

namespace orv {

class HatDocument;

// What a print came to: the sheets handed over, and the failure to show (empty when none).
struct PrintOutcome {
    int sheets = 0;
    QString failure;
};

// Draws the hat copies times on the named printer of the document's printer choice. Refuses a
// hat that does not fit its paper and a missing or stopped printer before anything is drawn;
// stops at the first sheet the printer refuses, without attempting the rest.
PrintOutcome PrintOnPrinter(HatDocument& doc, const QString& printer, int copies);

// Draws the hat once into a PDF file, every sheet one page. Leaves no file behind on failure.
PrintOutcome PrintToPdf(HatDocument& doc, const QString& path);

// Draws the hat once onto the printer of a print preview, every sheet one page.
void DrawPreview(HatDocument& doc, QPrinter& printer);

// Carries out a waiting print request on the current printer ("PDFファイル" writes its chosen
// file) and clears it. Returns the failure to show, empty when none.
QString RunPrintRequest(HatDocument& doc);

// The file name the PDF chooser proposes: the site and the date of the chart.
QString ProposedPdfName(const HatDocument& doc);

} // namespace orv
