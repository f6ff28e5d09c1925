#include "print/PrinterChoice.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace orv {

SystemPrinters QtSystemPrinters()
{
    return {[] { return QPrinterInfo::availablePrinterNames(); }, [] { return QPrinterInfo::defaultPrinterName(); }};
}

PrinterChoice::PrinterChoice(SystemPrinters system) : system_(std::move(system)) {}

PrinterChoice::PrinterChoice(PrinterChoice&&) noexcept = default;
PrinterChoice& PrinterChoice::operator=(PrinterChoice&&) noexcept = default;
PrinterChoice::~PrinterChoice() = default;

QStringList PrinterChoice::Offered() const
{
    return system_.names() << PdfPrinterName;
}

const QString& PrinterChoice::Current()
{
    if (current_.isEmpty()) {
        const QStringList installed = system_.names();
        const QString preferred = system_.defaultName();
        current_ = installed.contains(preferred) ? preferred
            : installed.isEmpty()                ? PdfPrinterName
                                                 : installed.constFirst();
    }
    return current_;
}

void PrinterChoice::SelectPrinterByName(const QString& name)
{
    if (Offered().contains(name))
        current_ = name;
}

QPrinter& PrinterChoice::Settings(const QString& name)
{
    std::unique_ptr<QPrinter>& printer = settings_[name];
    if (!printer) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (name == PdfPrinterName) {
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setPageMargins(QMarginsF(0, 0, 0, 0));
        } else {
            printer->setPrinterName(name);
        }
        printer->setDocName(QStringLiteral("星座早見笠"));
        printer->setCreator(QStringLiteral("Orvenza"));
    }
    return *printer;
}

} // namespace orv
