#include "app/OutsideFiles.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace orv {

bool IsHatFileName(const QString& path)
{
    return path.endsWith(QStringLiteral(".orv"), Qt::CaseInsensitive);
}

QString DroppedHatFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && IsHatFileName(url.toLocalFile()))
            return url.toLocalFile();
    return {};
}

QString CommandLineFile(const QString& argument)
{
    if (argument.isEmpty())
        return {};
    // A launcher may pass a file:// address instead of a path.
    const QUrl url(argument);
    const QString path = url.isLocalFile() ? url.toLocalFile() : argument;
    return QFileInfo(path).absoluteFilePath();
}

} // namespace orv
