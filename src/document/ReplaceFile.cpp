#include "document/ReplaceFile.h"

#include <cerrno>
#include <csignal>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace orv {

namespace {

// Why a write failed, from the system's error number.
QString WriteFailure(int error)
{
    switch (error) {
    case ENOSPC: return QStringLiteral("ディスクの空き容量が足りません。");
    case EFBIG: return QStringLiteral("ファイルの大きさの上限を超えました。");
    case EDQUOT: return QStringLiteral("ディスクの使用量の上限を超えました。");
    case EACCES:
    case EPERM: return QStringLiteral("書き込みが許可されていません。");
    case EROFS: return QStringLiteral("読み取り専用の場所には書き込めません。");
    case EIO: return QStringLiteral("ディスクの読み書きでエラーが起きました。");
    case 0: return QStringLiteral("書き込みでエラーが起きました。");
    default: return QStringLiteral("書き込みでエラーが起きました（エラー番号 %1）。").arg(error);
    }
}

QString CreateFailure(const QString& path, int error)
{
    if (!QFileInfo(path).absoluteDir().exists())
        return QStringLiteral("フォルダが見つかりません。");
    if (QFileInfo(path).isDir())
        return QStringLiteral("同じ名前のフォルダがあります。");
    return WriteFailure(error);
}

// A file-size limit makes the system send a signal that would end the program in the middle of
// the write; ignored, it turns into a write error that is reported like any other.
void LetFileSizeLimitFailWrites()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace

QString WriteFileReplacing(const QString& path, const QByteArray& bytes, const std::function<void()>& midway)
{
    LetFileSizeLimitFailWrites();
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return CreateFailure(path, errno);
    int error = 0;
    // One step of the write; false (with the error number kept) when it did not go through.
    const auto step = [&](bool done) {
        if (!done && error == 0)
            error = errno;
        return done;
    };
    const qsizetype half = midway ? bytes.size() / 2 : bytes.size();
    errno = 0;
    bool ok = step(file.write(bytes.constData(), half) == half);
    if (ok && midway) {
        ok = step(file.flush());
        midway();
        errno = 0;
        ok = ok && step(file.write(bytes.constData() + half, bytes.size() - half) == bytes.size() - half);
    }
    // The final flush is checked here: a commit does not always report that its own flush failed.
    errno = 0;
    ok = ok && step(file.flush()) && step(file.error() == QFileDevice::NoError);
    if (!ok) {
        file.cancelWriting();
        file.commit();
        return WriteFailure(error);
    }
    errno = 0;
    if (!file.commit())
        return WriteFailure(errno);
    return {};
}

} // namespace orv
