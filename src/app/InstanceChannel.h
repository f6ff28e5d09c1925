#pragma once
// The line between a second start of the program and the copy already running: the running copy
// listens on a local socket in the user's runtime folder; a second start hands it the hat file it
// was given (or only asks it to come to the front) and ends. One short message per connection:
// "open\t<absolute path, percent-encoded>\n" or "raise\n", answered with "ok\n".

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace orv {

class InstanceChannel : public QObject {
    Q_OBJECT
public:
    // The socket beside the single-instance lock, in the user's runtime folder.
    static QString DefaultName();

    explicit InstanceChannel(QString name = DefaultName(), QObject* parent = nullptr);
    ~InstanceChannel() override;

    // The running copy starts listening. A socket left by a copy that crashed is removed first, so
    // call this only while holding the single-instance lock. False when listening failed.
    bool Listen();

    // A second start: hands `file` (empty: none) to the running copy. True when the running copy
    // confirmed; false when nobody answered within the time-out.
    static bool HandOver(const QString& name, const QString& file, int timeoutMs = 3000);

signals:
    void FileHandedOver(const QString& path);
    void RaiseRequested();

private:
    void Serve();
    void Read(QLocalSocket* socket);
    QString name_;
    QLocalServer* server_;
};

} // namespace orv
