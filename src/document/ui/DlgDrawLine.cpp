#include "document/ui/DlgDrawLine.h"

#include "app/WindowPlacement.h"

#include "document/LineTool.h"
#include "document/ui/ToolColourGroup.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace orv {

DlgDrawLine::DlgDrawLine(LineTool& tool, QWidget* parent)
    : QDialog(parent), tool_(tool),
      colours_(new ToolColourGroup(QStringLiteral("線色"), QStringLiteral("OptnL_"), tool.CurLineColor, this)),
      widths_(new QComboBox(this))
{
    setObjectName(QStringLiteral("DlgDrawLine"));
    setWindowTitle(QStringLiteral("線の描画"));
    setModal(false);

    auto* widthFrame = new QGroupBox(QStringLiteral("線幅"), this);
    auto* widthRow = new QHBoxLayout(widthFrame);
    widths_->setObjectName(QStringLiteral("CmbLineWidth"));
    widths_->setAccessibleName(QStringLiteral("線幅"));
    for (int w = 1; w <= 10; ++w)
        widths_->addItem(QString::number(w));
    widthRow->addWidget(widths_);
    widthRow->addStretch(1);

    QDialogButtonBox* buttons = OkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(colours_);
    layout->addWidget(widthFrame);
    layout->addWidget(buttons);
}

void DlgDrawLine::Open()
{
    tool_.LineDlgOK = false;
    widths_->setCurrentIndex(tool_.CurLineWidth > 0 ? tool_.CurLineWidth - 1 : 0);
    colours_->ShowCurrent();
    ShowInFront(*this);
}

void DlgDrawLine::accept()
{
    tool_.CurLineWidth = static_cast<int16_t>(widths_->currentIndex() + 1);
    if (const auto preset = colours_->SelectedPreset())
        tool_.CurLineColor = *preset;
    tool_.LineDlgOK = true;
    QDialog::accept();
}

void DlgDrawLine::reject()
{
    tool_.LineDlgOK = false;
    QDialog::reject();
}

} // namespace orv
