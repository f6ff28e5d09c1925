#pragma once
// What the print window and its preview do when the user confirms a print, and the preview
// itself. Confirming only records the request; the chart window carries it out once the window
// that made it has closed.

#include <memory>

class QPrintPreviewDialog;
class QWidget;

namespace orv {

class HatDocument;

// Records a print request of the copies chosen: refuses (with a message naming the largest radius
// that fits) a hat that does not fit its paper, and asks for the file when the current printer is
// "PDFファイル". True when the request was recorded.
bool ConfirmPrint(QWidget* owner, HatDocument& doc);

// The sheets as the current printer will print them, page by page on their paper, in Qt's print
// preview. Its print button confirms the print as the print window does; the preview then closes
// and true is returned. A hat that does not fit its paper is refused with the message instead.
bool ShowPrintPreview(QWidget* owner, HatDocument& doc);

// The preview dialog over the current printer, drawn through the print path, its print button
// confirming the print (and accepting the dialog when the request was recorded).
std::unique_ptr<QPrintPreviewDialog> MakePrintPreview(QWidget* owner, HatDocument& doc);

} // namespace orv
