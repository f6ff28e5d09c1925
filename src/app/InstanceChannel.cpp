#include "app/InstanceChannel.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace orv {

namespace {

const QByteArray OpenWord = "open\t";
const QByteArray RaiseWord = "raise";
const QByteArray Answer = "ok\n";

} // namespace

QString InstanceChannel::DefaultName()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("orvenza.socket"));
}

InstanceChannel::InstanceChannel(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)), server_(new QLocalServer(this))
{
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &InstanceChannel::Serve);
}

InstanceChannel::~InstanceChannel() = default;

bool InstanceChannel::Listen()
{
    QLocalServer::removeServer(name_);
    return server_->listen(name_);
}

void InstanceChannel::Serve()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(socket); });
        Read(socket);
    }
}

void InstanceChannel::Read(QLocalSocket* socket)
{
    if (!socket->canReadLine())
        return;
    QByteArray line = socket->readLine();
    line.chop(1);
    socket->write(Answer);
    // Leaves once the answer is written.
    socket->disconnectFromServer();
    if (line.startsWith(OpenWord))
        emit FileHandedOver(QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(OpenWord.size()))));
    else if (line == RaiseWord)
        emit RaiseRequested();
}

bool InstanceChannel::HandOver(const QString& name, const QString& file, int timeoutMs)
{
    // The running copy may have taken the lock a moment ago and not be listening yet (two files
    // opened at once from a file manager): keep knocking until the time is up.
    QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(name);
        if (socket.waitForConnected(static_cast<int>(deadline.remainingTime())))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    // Percent-encoded, so that no character of a path can end the line.
    const QByteArray message = file.isEmpty() ? RaiseWord + '\n' : OpenWord + file.toUtf8().toPercentEncoding() + '\n';
    socket.write(message);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    return socket.readLine() == Answer;
}

} // namespace orv
