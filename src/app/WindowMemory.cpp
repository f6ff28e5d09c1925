#include "app/WindowMemory.h"

#include <QFileInfo>

namespace orv {

namespace {

const QString LastFolderKey = QStringLiteral("files/lastFolder");
const QString RecentKey = QStringLiteral("files/recent");

QString GeometryKey(const QString& window)
{
    return QStringLiteral("windows/%1").arg(window);
}

} // namespace

QStringList WithRecentFile(QStringList recent, const QString& path, int count)
{
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > count)
        recent.removeLast();
    return recent;
}

WindowMemory::WindowMemory() : settings_(QStringLiteral("Orvenza"), QStringLiteral("orvenza")) {}

QByteArray WindowMemory::Geometry(const QString& window) const
{
    return settings_.value(GeometryKey(window)).toByteArray();
}

void WindowMemory::SetGeometry(const QString& window, const QByteArray& geometry)
{
    settings_.setValue(GeometryKey(window), geometry);
}

QString WindowMemory::LastFolder() const
{
    return settings_.value(LastFolderKey).toString();
}

void WindowMemory::SetLastFolder(const QString& folder)
{
    settings_.setValue(LastFolderKey, folder);
}

QStringList WindowMemory::RecentFiles() const
{
    return settings_.value(RecentKey).toStringList();
}

void WindowMemory::FileUsed(const QString& path)
{
    const QFileInfo file(path);
    settings_.setValue(RecentKey, WithRecentFile(RecentFiles(), file.absoluteFilePath(), RecentCount));
    SetLastFolder(file.absolutePath());
}

void WindowMemory::ForgetRecentFile(const QString& path)
{
    QStringList recent = RecentFiles();
    recent.removeAll(path);
    settings_.setValue(RecentKey, recent);
}

void WindowMemory::ClearRecentFiles()
{
    settings_.remove(RecentKey);
}

} // namespace orv
