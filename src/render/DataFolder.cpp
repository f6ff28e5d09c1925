#include "render/DataFolder.h"

#include <QDir>
#include <QFile>

namespace orv {

void ProblemLog::Add(const QString& message)
{
    if (!messages_.contains(message))
        messages_.append(message);
}

QString DataFolder::ProgramFolderOf(const QString& executableDir)
{
    if (executableDir.isEmpty())
        return executableDir;
    const QDir beside(executableDir);
    if (beside.exists(QStringLiteral("DATA")))
        return executableDir;
    const QString shared = QDir::cleanPath(beside.absoluteFilePath(QStringLiteral("../share/orvenza")));
    return QDir(shared).exists(QStringLiteral("DATA")) ? shared : executableDir;
}

DataFolder::DataFolder(const QString& executableDir) : programDir_(ProgramFolderOf(executableDir)) {}

QString DataFolder::DataDir() const
{
    return QDir(programDir_).filePath(QStringLiteral("DATA"));
}

namespace {

std::optional<QByteArray> ReadWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

} // namespace

std::optional<QByteArray> DataFolder::Read(const QString& fileName, bool dataFolderOnly) const
{
    if (auto bytes = ReadWhole(QDir(DataDir()).filePath(fileName)))
        return bytes;
    if (dataFolderOnly)
        return std::nullopt;
    return ReadWhole(QDir(programDir_).filePath(fileName));
}

std::optional<QByteArray> DataFolder::ReadOrLog(const QString& fileName, ProblemLog& log,
                                                bool dataFolderOnly) const
{
    auto bytes = Read(fileName, dataFolderOnly);
    if (!bytes)
        log.Add(MissingMessage(fileName, dataFolderOnly));
    return bytes;
}

QString DataFolder::MissingMessage(const QString& fileName, bool dataFolderOnly) const
{
    if (dataFolderOnly)
        return QStringLiteral("データファイル %1 が見つかりません（%2 を探しました）。")
            .arg(fileName, QDir::toNativeSeparators(DataDir()));
    return QStringLiteral("データファイル %1 が見つかりません（%2 と %3 を探しました）。")
        .arg(fileName, QDir::toNativeSeparators(DataDir()), QDir::toNativeSeparators(programDir_));
}

} // namespace orv
