#include "document/ui/DlgUsrText.h"

#include "app/WindowPlacement.h"

#include "document/TextTool.h"
#include "document/ui/ToolColourGroup.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

namespace orv {

namespace {

constexpr int DefaultSizeEntry = 7; // "10"

} // namespace

DlgUsrText::DlgUsrText(TextTool& tool, QWidget* parent)
    : QDialog(parent), tool_(tool),
      colours_(new ToolColourGroup(QString(), QStringLiteral("OptnF_"), tool.CurTextColor, this)),
      text_(new QLineEdit(this)), sizes_(new QComboBox(this))
{
    setObjectName(QStringLiteral("DlgUsrText"));
    setWindowTitle(QStringLiteral("テキストの入力"));
    setModal(false);

    text_->setObjectName(QStringLiteral("UsrTextBox"));
    sizes_->setObjectName(QStringLiteral("CmbFntSize"));
    for (int size = SmallestTextSize; size <= LargestTextSize; ++size)
        sizes_->addItem(QString::number(size));
    colours_->setFlat(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("テキスト"), text_);
    form->addRow(QStringLiteral("文字色"), colours_);
    form->addRow(QStringLiteral("文字サイズ"), sizes_);

    QDialogButtonBox* buttons = OkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    refuse_ = [this](const QString& message) { QMessageBox::warning(this, windowTitle(), message); };
}

void DlgUsrText::Open()
{
    tool_.TextDlgOK = false;
    sizes_->setCurrentIndex(tool_.CurTextSize > 0 ? tool_.CurTextSize - SmallestTextSize : DefaultSizeEntry);
    colours_->ShowCurrent();
    ShowInFront(*this);
    text_->setFocus();
}

void DlgUsrText::accept()
{
    const QString text = text_->text();
    if (const auto character = FirstUnstorableCharacter(text)) {
        if (refuse_)
            refuse_(UnstorableCharacterMessage(*character));
        return;
    }
    tool_.PendingText = text;
    tool_.CurTextSize = static_cast<int16_t>(sizes_->currentText().toInt());
    if (const auto preset = colours_->SelectedPreset())
        tool_.CurTextColor = *preset;
    tool_.TextDlgOK = true;
    QDialog::accept();
}

void DlgUsrText::reject()
{
    tool_.TextDlgOK = false;
    QDialog::reject();
}

} // namespace orv
