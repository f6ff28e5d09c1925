#pragma once
// The help window: shows the help file beside the program (HTML in UTF-8) at its contents, with
// buttons back to the contents and to close. Links inside the file move within it.

#include <QWidget>

class QTextBrowser;

namespace orv {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(const QString& helpFile, QWidget* parent = nullptr);

    // Reads the file again and shows its beginning (the contents).
    void ShowContents();

private:
    QString helpFile_;
    QTextBrowser* browser_;
};

} // namespace orv
