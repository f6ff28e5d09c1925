#include "print/ui/PrintCommands.h"

#include "document/HatDocument.h"
#include "document/HatFolders.h"
#include "print/PaperFit.h"
#include "print/PrintJob.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <functional>

namespace orv {

namespace {

// The message boxes of printing, with the application's title.
void ShowPrintMessage(QWidget* owner, const QString& message)
{
    const QString title = QApplication::applicationDisplayName();
    QMessageBox::warning(owner, title.isEmpty() ? QStringLiteral("Orvenza") : title, message, QMessageBox::Ok);
}

// Modal save chooser for the PDF file, starting in the hat-file folder with a name made of the site
// and the date; the empty string when cancelled.
QString ShowPdfSaveDialog(QWidget* owner, const HatDocument& doc)
{
    const QString folder = DefaultHatFolder();
    QFileDialog dialog(owner, QStringLiteral("PDFファイルに印刷する"), folder,
                       QStringLiteral("PDFファイル(*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(QDir(folder).filePath(ProposedPdfName(doc)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

// A hat that does not fit: the message and the way out.
bool RefuseMisfit(QWidget* owner, const HatDocument& doc)
{
    const QString problem = FitProblem(doc);
    if (problem.isEmpty())
        return false;
    ShowPrintMessage(owner, problem + QStringLiteral("\n大きい用紙を選ぶか、キャンセルしてください。"));
    return true;
}

// Qt's preview prints through its own print dialog, as one document; here its print button makes
// the program's print request instead. Changing the paper or its orientation in the preview would
// only show sheets that never print, so those buttons go.
void TakeOverPreviewButtons(QPrintPreviewDialog& preview, const std::function<void()>& print)
{
    const auto qtText = [](const char* text) { return QCoreApplication::translate("QPrintPreviewDialog", text); };
    const QStringList hidden = {qtText("Page setup"), qtText("Portrait"), qtText("Landscape")};
    for (QAction* action : preview.findChildren<QAction*>()) {
        if (action->text() == qtText("Print")) {
            QObject::disconnect(action, &QAction::triggered, &preview, nullptr);
            QObject::connect(action, &QAction::triggered, &preview, print);
        } else if (hidden.contains(action->text())) {
            action->setVisible(false);
        }
    }
}

} // namespace

bool ConfirmPrint(QWidget* owner, HatDocument& doc)
{
    if (RefuseMisfit(owner, doc))
        return false;
    PrintRequest& request = doc.printRequest;
    if (doc.printerChoice.Current() == PdfPrinterName && request.PrintCopies > 0) {
        const QString path = ShowPdfSaveDialog(owner, doc);
        if (path.isEmpty())
            return false;
        request.pdfPath = path;
    }
    request.PrintPending = true;
    return true;
}

std::unique_ptr<QPrintPreviewDialog> MakePrintPreview(QWidget* owner, HatDocument& doc)
{
    QPrinter& printer = doc.printerChoice.Settings(doc.printerChoice.Current());
    auto preview = std::make_unique<QPrintPreviewDialog>(&printer, owner);
    preview->setWindowTitle(QStringLiteral("印刷プレビュー"));
    QObject::connect(preview.get(), &QPrintPreviewDialog::paintRequested, preview.get(),
                     [&doc](QPrinter* target) { DrawPreview(doc, *target); });
    TakeOverPreviewButtons(*preview, [dialog = preview.get(), &doc] {
        if (ConfirmPrint(dialog, doc))
            dialog->accept();
    });
    return preview;
}

bool ShowPrintPreview(QWidget* owner, HatDocument& doc)
{
    if (RefuseMisfit(owner, doc))
        return false;
    return MakePrintPreview(owner, doc)->exec() == QDialog::Accepted;
}

} // namespace orv
