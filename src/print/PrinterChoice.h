#pragma once
// The printers the user can print on and the current one. The system's printers come from Qt
// Print Support (CUPS on Linux), by name and in the system's order; one more, "PDFファイル",
// always follows them and writes the sheets into a PDF file instead. The current printer starts
// at the system's default, or at "PDFファイル" when the system has no printer, and survives the
// dialogs that change it.

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>

class QPrinter;

namespace orv {

inline const QString PdfPrinterName = QStringLiteral("PDFファイル");

// Where the names come from: the print system, or a stand-in.
struct SystemPrinters {
    std::function<QStringList()> names;
    std::function<QString()> defaultName;
};

// The printers Qt Print Support reports.
SystemPrinters QtSystemPrinters();

class PrinterChoice {
public:
    explicit PrinterChoice(SystemPrinters system = QtSystemPrinters());
    PrinterChoice(PrinterChoice&&) noexcept;
    PrinterChoice& operator=(PrinterChoice&&) noexcept;
    ~PrinterChoice();

    // The system's printers, then "PDFファイル".
    QStringList Offered() const;
    // The current printer's name; the first call takes the starting printer.
    const QString& Current();
    // Makes the offered printer of that name current; any other name changes nothing.
    void SelectPrinterByName(const QString& name);

    // The printer of that name as this run keeps it: what its own settings dialog changed stays
    // for the later prints. "PDFファイル" is a PDF writer without margins.
    QPrinter& Settings(const QString& name);

private:
    SystemPrinters system_;
    QString current_;
    std::map<QString, std::unique_ptr<QPrinter>> settings_;
};

} // namespace orv
