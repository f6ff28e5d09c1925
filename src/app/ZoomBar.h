#pragma once
// The zoom controls at the bottom right of the main window: buttons for the zoom commands and the
// zoom shown in per cent.

#include <QList>
#include <QWidget>

class QAction;
class QLabel;

namespace orv {

class ZoomBar : public QWidget {
    Q_OBJECT
public:
    ZoomBar(const QList<QAction*>& commands, QWidget* parent = nullptr);

    void ShowZoom(double zoom);

private:
    QLabel* percent_;
};

} // namespace orv
