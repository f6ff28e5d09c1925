#include "app/WindowPlacement.h"

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

} // namespace orv
