#include "colour/ui/ucClrComDlg.h"

#include "colour/ColourValue.h"

#include <QColorDialog>
#include <QMessageBox>
#include <QResizeEvent>
#include <array>

namespace orv {

namespace {

// Puts a table into Qt's global custom colours for the lifetime of the object, then reads the
// user's changes back into the table and restores what was there before.
class CustomColoursLent {
public:
    explicit CustomColoursLent(CustomColourTable& table) : table_(table)
    {
        for (int i = 0; i < CustomColourTable::Size; ++i) {
            saved_[static_cast<std::size_t>(i)] = QColorDialog::customColor(i);
            QColorDialog::setCustomColor(i, ToQColor(table_.At(i)));
        }
    }
    ~CustomColoursLent()
    {
        for (int i = 0; i < CustomColourTable::Size; ++i) {
            table_.Set(i, FromQColor(QColorDialog::customColor(i)));
            QColorDialog::setCustomColor(i, saved_[static_cast<std::size_t>(i)]);
        }
    }
    CustomColoursLent(const CustomColoursLent&) = delete;
    CustomColoursLent& operator=(const CustomColoursLent&) = delete;

private:
    CustomColourTable& table_;
    std::array<QColor, CustomColourTable::Size> saved_;
};

} // namespace

ucClrComDlg::ucClrComDlg(QWidget* parent) : QWidget(parent)
{
    setFixedSize(Side, Side);
}

void ucClrComDlg::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (event->size() != QSize(Side, Side))
        resize(Side, Side);
}

std::optional<QColor> ucClrComDlg::RunQtDialog(QWidget* owner, const QColor& initial)
{
    QColorDialog dialog(initial, owner);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}

bool ucClrComDlg::ShowColor()
{
    QWidget* owner = owner_ ? owner_.data() : window();
    const QColor initial = (flags_ & FlagStartWithColor) ? ToQColor(color_) : QColor(Qt::black);

    std::optional<QColor> chosen;
    {
        CustomColoursLent lent(custom_);
        chosen = runner_ ? runner_(owner, initial) : RunQtDialog(owner, initial);
    }
    if (chosen && chosen->isValid()) {
        color_ = FromQColor(*chosen);
        return true;
    }
    if (cancelError_)
        emit ErorrOccured(0, CancelMessage);
    return false;
}

void ucClrComDlg::showAbout()
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("ｺﾓﾝﾀﾞｲｱﾛｸﾞﾕｰｻﾞｰｺﾝﾄﾛｰﾙのﾊﾞｰｼﾞｮﾝ情報"),
                    QStringLiteral("ShowColor Common Dialog UserControl - Version 1.0.1\r\n"
                                   "Orvenza 開発チーム\r\n"
                                   "\r\n"
                                   "ucClrComDlg ﾕｰｻﾞｰｺﾝﾄﾛｰﾙ\r\n"
                                   "ppColFlags ﾌﾟﾛﾊﾟﾃｨﾍﾟｰｼﾞ"),
                    QMessageBox::Ok, this);
    box.exec();
}

} // namespace orv
