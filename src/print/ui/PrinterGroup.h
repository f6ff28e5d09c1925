#pragma once
// The "プリンタ" group both print windows share: the list of printers (Cmb_Prntr) showing the
// current one, and "詳細設定" (Cmnd_Prntr), which opens the chosen printer's own settings. A
// printer chosen here becomes current at once, whatever the window it sits in does next.

#include <QGroupBox>

class QComboBox;
class QPushButton;

namespace orv {

class HatDocument;

class PrinterGroup : public QGroupBox {
    Q_OBJECT
public:
    PrinterGroup(HatDocument& doc, QWidget* parent);

private:
    void Cmb_Prntr_Click();
    void Cmnd_Prntr_Click();
    void EnableSettings();

    HatDocument& doc_;
    QComboBox* printers_;
    QPushButton* settings_;
};

// The printer's own settings (Qt's page set-up dialog for that printer), modal to owner; what the
// user changes there stays with that printer for the rest of the run. Nothing for "PDFファイル".
void ShowPrinterProperties(QWidget* owner, HatDocument& doc, const QString& printer);

} // namespace orv
