#pragma once
// The help window: shows the help file beside the program (HTML in UTF-8) at its contents, with
// buttons back to the contents and to close (Escape closes it too). Links inside the file move
// within it. It opens where it was last closed, or fitted to the screen.

#include <QWidget>

class QTextBrowser;

namespace orv {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(const QString& helpFile, QWidget* parent = nullptr);

    // Reads the file again and shows its beginning (the contents).
    void ShowContents();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    static inline const QString GeometryName = QStringLiteral("help");
    QString helpFile_;
    QTextBrowser* browser_;
};

} // namespace orv
