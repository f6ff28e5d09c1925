#pragma once
// frmHelp, the version box: product, maker and planet-method lines and an OK button. It is made
// when shown and destroyed when closed.

#include <QDialog>

namespace orv {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};

} // namespace orv
