#include "app/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace orv {

QString SingleInstance::DefaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("orvenza.lock"));
}

SingleInstance::SingleInstance(const QString& lockPath) : lock_(std::make_unique<QLockFile>(lockPath))
{
    // No age limit: a lock is stale only when its process is gone.
    lock_->setStaleLockTime(0);
}

bool SingleInstance::Acquire()
{
    return lock_->tryLock(0);
}

void SingleInstance::Release()
{
    lock_->unlock();
}

} // namespace orv
