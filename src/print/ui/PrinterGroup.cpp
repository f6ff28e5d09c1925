#include "print/ui/PrinterGroup.h"

#include "document/HatDocument.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPageSetupDialog>
#include <QPushButton>

namespace orv {

PrinterGroup::PrinterGroup(HatDocument& doc, QWidget* parent)
    : QGroupBox(QStringLiteral("プリンタ"), parent), doc_(doc), printers_(new QComboBox(this)),
      settings_(new QPushButton(QStringLiteral("詳細設定"), this))
{
    printers_->setObjectName(QStringLiteral("Cmb_Prntr"));
    settings_->setObjectName(QStringLiteral("Cmnd_Prntr"));
    printers_->setMinimumContentsLength(24);
    printers_->addItems(doc_.printerChoice.Offered());
    printers_->setCurrentText(doc_.printerChoice.Current());
    EnableSettings();

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(printers_, 1);
    layout->addWidget(settings_);
    connect(printers_, &QComboBox::currentTextChanged, this, &PrinterGroup::Cmb_Prntr_Click);
    connect(settings_, &QPushButton::clicked, this, &PrinterGroup::Cmnd_Prntr_Click);
}

void PrinterGroup::Cmb_Prntr_Click()
{
    doc_.printerChoice.SelectPrinterByName(printers_->currentText());
    EnableSettings();
}

void PrinterGroup::Cmnd_Prntr_Click()
{
    ShowPrinterProperties(window(), doc_, printers_->currentText());
}

void PrinterGroup::EnableSettings()
{
    settings_->setEnabled(printers_->currentText() != PdfPrinterName);
}

void ShowPrinterProperties(QWidget* owner, HatDocument& doc, const QString& printer)
{
    if (printer == PdfPrinterName || printer.isEmpty())
        return;
    QPageSetupDialog dialog(&doc.printerChoice.Settings(printer), owner);
    dialog.setWindowTitle(QStringLiteral("%1 の詳細設定").arg(printer));
    dialog.exec();
}

} // namespace orv
