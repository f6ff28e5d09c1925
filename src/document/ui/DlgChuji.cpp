#include "document/ui/DlgChuji.h"

#include "app/WindowPlacement.h"

#include "document/StampTool.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orv {

namespace {

constexpr int DefaultScaleEntry = 9; // "100"

} // namespace

DlgChuji::DlgChuji(StampTool& tool, QWidget* parent) : QDialog(parent), tool_(tool), scales_(new QComboBox(this))
{
    setObjectName(QStringLiteral("DlgChuji"));
    setWindowTitle(QStringLiteral("三度笠スタンプ"));
    setModal(false);

    auto* turnFrame = new QGroupBox(QStringLiteral("回転"), this);
    auto* turnColumn = new QVBoxLayout(turnFrame);
    const char* names[4] = {"Optn0", "Optn90", "Optn180", "Optn270"};
    const QString captions[4] = {QStringLiteral("回転しない"), QStringLiteral("左９０度"), QStringLiteral("１８０度"),
                                 QStringLiteral("右９０度")};
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(captions[i], turnFrame);
        option->setObjectName(QLatin1String(names[i]));
        turnColumn->addWidget(option);
        turns_[static_cast<std::size_t>(i)] = option;
    }
    turns_[0]->setChecked(true);

    scales_->setObjectName(QStringLiteral("CmbScale"));
    for (int scale = 10; scale <= 200; scale += 10)
        scales_->addItem(QString::number(scale));
    auto* scaleRow = new QHBoxLayout;
    auto* scaleLabel = new QLabel(QStringLiteral("拡大縮小"), this);
    scaleLabel->setBuddy(scales_);
    scaleRow->addWidget(scaleLabel);
    scaleRow->addWidget(scales_);
    scaleRow->addWidget(new QLabel(QStringLiteral("%"), this));
    scaleRow->addStretch(1);

    QDialogButtonBox* buttons = OkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(turnFrame);
    layout->addLayout(scaleRow);
    layout->addWidget(buttons);
}

void DlgChuji::Open()
{
    scales_->setCurrentIndex(DefaultScaleEntry);
    ShowInFront(*this);
}

void DlgChuji::accept()
{
    for (std::size_t i = 0; i < turns_.size(); ++i)
        if (turns_[i]->isChecked())
            tool_.PendingChujiFile = ChujiFiles[i];
    tool_.ChujiScale = static_cast<int16_t>(scales_->currentText().toInt());
    QDialog::accept();
}

} // namespace orv
