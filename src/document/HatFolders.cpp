#include "document/HatFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace orv {

QString HatFolderIn(const QString& documentsFolder)
{
    return QDir(documentsFolder).absoluteFilePath(HatFolderName);
}

QString DefaultHatFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        return QDir::homePath();
    const QString folder = HatFolderIn(documents);
    return QDir().mkpath(folder) ? folder : QDir::homePath();
}

QString ChooserFolder(const QString& lastUsed)
{
    if (!lastUsed.isEmpty() && QDir::isAbsolutePath(lastUsed) && QDir(lastUsed).exists())
        return lastUsed;
    return DefaultHatFolder();
}

} // namespace orv
