#pragma once
// frmPrinter, "プリンタ": chooses the current printer for later prints, with the printer's own
// settings one button away. Modeless; made when opened, destroyed when closed.

#include <QDialog>

namespace orv {

class HatDocument;

class frmPrinter : public QDialog {
    Q_OBJECT
public:
    frmPrinter(HatDocument& doc, QWidget* parent);
};

} // namespace orv
