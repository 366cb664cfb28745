#include "platform/linux_instance_guard.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace kelvaro {
namespace {

const QByteArray RaiseRequest = QByteArrayLiteral("raise\n");
// Room for a socket path in sockaddr_un.sun_path (108 bytes with its terminator).
constexpr int LongestSocketPath = 100;

QString socketNameFor(const QString& folder, const QString& key) {
    const QString path = folder + u'/' + key + QStringLiteral(".socket");
    if (path.toLocal8Bit().size() <= LongestSocketPath)
        return path;
    // A bare name lands in the temp folder; the user id keeps users apart.
    return key + u'-' + QString::number(getuid());
}

} // namespace

QString InstanceGuard::runtimeFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir() && QFileInfo(runtime).isWritable())
        return runtime;
    const QString folder = QDir::tempPath() + QStringLiteral("/kelvaro-") + QString::number(getuid());
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return folder;
}

InstanceGuard::InstanceGuard(const QString& key, QObject* parent)
    : QObject(parent), lock_(runtimeFolder() + u'/' + key + QStringLiteral(".lock")),
      serverName_(socketNameFor(runtimeFolder(), key)) {
    // Age alone never makes the lock stale: the first instance may run for weeks.
    // A lock whose process is gone is still taken over (QLockFile checks the PID).
    lock_.setStaleLockTime(0);
}

InstanceGuard::~InstanceGuard() {
    if (server_)
        server_->close();
}

bool InstanceGuard::acquire() {
    if (lock_.isLocked())
        return true;
    if (lock_.tryLock(0))
        return true;
    // A dead holder's file on another host name or a damaged file: check once more.
    if (lock_.error() == QLockFile::LockFailedError && lock_.removeStaleLockFile())
        return lock_.tryLock(0);
    return false;
}

bool InstanceGuard::listen(std::function<void()> onRaiseRequest) {
    onRaise_ = std::move(onRaiseRequest);
    if (!server_) {
        server_ = new QLocalServer(this);
        server_->setSocketOptions(QLocalServer::UserAccessOption);
        connect(server_, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* socket = server_->nextPendingConnection())
                serve(socket);
        });
    }
    if (server_->isListening())
        return true;
    // Only the lock holder gets here, so a socket left behind is a crashed run's.
    QLocalServer::removeServer(serverName_);
    return server_->listen(serverName_);
}

void InstanceGuard::serve(QLocalSocket* socket) {
    auto handle = [this, socket] {
        while (socket->canReadLine()) {
            if (socket->readLine().trimmed() == "raise" && onRaise_)
                onRaise_();
        }
    };
    connect(socket, &QLocalSocket::readyRead, this, handle);
    connect(socket, &QLocalSocket::disconnected, this, [socket, handle] {
        handle();
        socket->deleteLater();
    });
    handle();
}

bool InstanceGuard::askFirstToRaise(const QString& serverName, int timeoutMs) {
    if (serverName.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(RaiseRequest);
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return sent;
}

} // namespace kelvaro
