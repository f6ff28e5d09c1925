#pragma once
// frmHyoshi, the cover shown at start: the hat picture, the product and maker lines, what the
// program can do, and a prompt. A click anywhere on it or any key starts the program.

#include <QWidget>

class QLabel;

namespace orv {

class CoverWindow : public QWidget {
    Q_OBJECT
public:
    explicit CoverWindow(const QString& pictureFolder, QWidget* parent = nullptr);

signals:
    // The user clicked the cover or pressed a key on it.
    void Activated();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* AddLabel(const QString& name, const QString& text, int pointSize, bool bold = false);
    bool activated_ = false;
    void Activate();
};

} // namespace orv
