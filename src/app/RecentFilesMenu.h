#pragma once
// The ﾌｧｲﾙ menu's list of recent hat files, read from the window memory each time it opens.

#include <QMenu>

namespace orv {

class RecentFilesMenu : public QMenu {
    Q_OBJECT
public:
    explicit RecentFilesMenu(QWidget* parent = nullptr);

    // Fills the menu from the remembered list (also done each time it is about to show).
    void Rebuild();

signals:
    void FileChosen(const QString& path);
};

} // namespace orv
