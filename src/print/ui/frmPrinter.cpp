#include "print/ui/frmPrinter.h"

#include "print/ui/PrinterGroup.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

frmPrinter::frmPrinter(HatDocument& doc, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPrinter"));
    setWindowTitle(QStringLiteral("プリンタ"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Cmnd_OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new PrinterGroup(doc, this));
    layout->addLayout(buttons);
}

} // namespace orv
