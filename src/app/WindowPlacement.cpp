#include "app/WindowPlacement.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace orv {

QRect FittedWindowRect(QSize wanted, QRect available)
{
    const QSize size(std::max(1, std::min(wanted.width(), available.width() - FrameRoom)),
                     std::max(1, std::min(wanted.height(), available.height() - FrameRoom)));
    QRect frame(QPoint(0, 0), size);
    frame.moveCenter(available.center());
    return frame;
}

void PlaceWindow(QWidget& window, QSize wanted, const QByteArray& saved)
{
    if (!saved.isEmpty() && window.restoreGeometry(saved))
        return;
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        window.resize(wanted);
        return;
    }
    window.setGeometry(FittedWindowRect(wanted, screen->availableGeometry()));
}

void ShowInFront(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

QDialogButtonBox* OkCancelButtons(QDialog& dialog)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

} // namespace orv
