#include "app/AboutBox.h"

#include "app/AppTexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Orvenzaver.1.4"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap(QStringLiteral(":/icons/orvenza.png")));
    icon->setAlignment(Qt::AlignTop);

    auto* product = new QLabel(MainCaption, this);
    product->setObjectName(QStringLiteral("lblTitle"));
    QFont big = product->font();
    big.setPointSize(big.pointSize() + 5);
    big.setBold(true);
    product->setFont(big);
    auto* maker = new QLabel(MakerLine, this);
    maker->setObjectName(QStringLiteral("lblMaker"));
    auto* credit = new QLabel(PlanetMethodCredit, this);
    credit->setObjectName(QStringLiteral("lblCredit"));

    auto* texts = new QVBoxLayout;
    texts->addWidget(product);
    texts->addWidget(maker);
    texts->addSpacing(10);
    texts->addWidget(credit);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 14);
    layout->addLayout(top);
    layout->addSpacing(16);
    layout->addLayout(buttons);
}

} // namespace orv
