#include "app/RecentFilesMenu.h"

#include "app/WindowMemory.h"

#include <QDir>
#include <QFileInfo>

namespace orv {

RecentFilesMenu::RecentFilesMenu(QWidget* parent) : QMenu(QStringLiteral("最近使った笠ファイル(&R)"), parent)
{
    setObjectName(QStringLiteral("mnuRecent"));
    setToolTipsVisible(true);
    connect(this, &QMenu::aboutToShow, this, &RecentFilesMenu::Rebuild);
    Rebuild();
}

void RecentFilesMenu::Rebuild()
{
    clear();
    const QStringList recent = WindowMemory().RecentFiles();
    int number = 1;
    for (const QString& path : recent) {
        // Numbered 1 to 8 with an access key; "&" in a file name is shown as it is.
        const QString name = QFileInfo(path).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = addAction(QStringLiteral("&%1 %2").arg(number++).arg(name));
        item->setToolTip(QDir::toNativeSeparators(path));
        connect(item, &QAction::triggered, this, [this, path] { emit FileChosen(path); });
    }
    if (recent.isEmpty())
        addAction(QStringLiteral("（なし）"))->setEnabled(false);
    addSeparator();
    QAction* clearItem = addAction(QStringLiteral("一覧を消去(&C)"));
    clearItem->setObjectName(QStringLiteral("mnuRecentClear"));
    clearItem->setEnabled(!recent.isEmpty());
    connect(clearItem, &QAction::triggered, this, [] { WindowMemory().ClearRecentFiles(); });
}

} // namespace orv
