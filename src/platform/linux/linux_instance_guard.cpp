#include "platform/linux/linux_instance_guard.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include "platform/linux/linux_paths.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvaro {
namespace {

const QByteArray RaiseRequest = QByteArrayLiteral("raise");
// A token is one word of printable ASCII; anything else is dropped rather than passed on.
constexpr int LongestActivationToken = 512;

bool plausibleToken(const QByteArray& token) {
    if (token.isEmpty() || token.size() > LongestActivationToken) return false;
    return std::all_of(token.begin(), token.end(), [](char c) { return c > ' ' && c < 127; });
}
// Room for a socket path in sockaddr_un.sun_path (108 bytes with its terminator).
constexpr int LongestSocketPath = 100;
// An answer is a few lines; more is not the clock talking.
constexpr qint64 LongestAnswer = 64 * 1024;

// With no safe folder the lock is never taken (check() says why); the name is a placeholder.
QString lockPathFor(const QString& folder, const QString& key) {
    return (folder.isEmpty() ? QDir::tempPath() : folder) + u'/' + key + QStringLiteral(".lock");
}

} // namespace

namespace {

// Empty when `path` is a folder (not a link) of this user that no one else may write or enter;
// else why not. A folder of this user's own that is open to others is closed first.
QString unsafeFolderReason(const QString& path, bool followLink, bool closeIfOpen) {
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if ((followLink ? ::stat(native.constData(), &st) : ::lstat(native.constData(), &st)) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (!S_ISDIR(st.st_mode)) return QStringLiteral("not a folder");
    if (st.st_uid != ::geteuid()) return QStringLiteral("owned by another user");
    if ((st.st_mode & 077) != 0 && !(closeIfOpen && ::chmod(native.constData(), 0700) == 0))
        return QStringLiteral("open to other users");
    return {};
}

// `path`, made private (0700) when missing, if it then is safe; else empty and the reason.
QString ownedFolder(const QString& path, QStringList& reasons) {
    ::mkdir(QFile::encodeName(path).constData(), 0700); // an existing one is checked below
    const QString reason = unsafeFolderReason(path, false, true);
    if (reason.isEmpty()) return path;
    reasons << path + QStringLiteral(": ") + reason;
    return {};
}

// The socket in `folder` (private). Where that path does not fit a socket address, a short
// name hashed from it in kelvaro-<uid> of the temp folder, or of /tmp: never a name another
// user could take first. Empty when there is no such place.
QString socketNameFor(const QString& folder, const QString& key) {
    if (folder.isEmpty()) return {};
    const QString path = folder + u'/' + key + QStringLiteral(".socket");
    if (QFile::encodeName(path).size() <= LongestSocketPath) return path;
    const QString hashed =
        key + u'-' +
        QString::fromLatin1(
            QCryptographicHash::hash(QFile::encodeName(path), QCryptographicHash::Sha256).toHex().left(16)) +
        QStringLiteral(".socket");
    const QString own = QStringLiteral("/kelvaro-") + QString::number(::geteuid());
    QStringList unused;
    for (const QString& temp : {QDir::tempPath(), QStringLiteral("/tmp")}) {
        const QString candidate = temp + own + u'/' + hashed;
        if (QFile::encodeName(candidate).size() > LongestSocketPath) continue;
        if (!ownedFolder(temp + own, unused).isEmpty()) return candidate;
    }
    return {};
}

// The user id of the process at the other end of a connected local socket.
std::optional<uid_t> peerUser(qintptr descriptor) {
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (descriptor < 0 ||
        ::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0)
        return std::nullopt;
    return credentials.uid;
}

bool peerIsThisUser(qintptr descriptor) {
    return peerUser(descriptor) == ::geteuid();
}

} // namespace

QString InstanceGuard::runtimeFolder(QString* problem) {
    QStringList reasons;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        const QString reason = unsafeFolderReason(runtime, true, false);
        if (reason.isEmpty()) return runtime;
        reasons << runtime + QStringLiteral(": ") + reason;
    }
    const QString uid = QString::number(::geteuid());
    QString folder = ownedFolder(QDir::tempPath() + QStringLiteral("/kelvaro-") + uid, reasons);
    if (folder.isEmpty()) {
        // Someone else took the name in the shared temp folder: the home folder is the user's own.
        const QString cache = QString::fromStdString(userHomeFolder()) + QStringLiteral("/.cache");
        ::mkdir(QFile::encodeName(cache).constData(), 0700);
        folder = ownedFolder(cache + QStringLiteral("/kelvaro-run"), reasons);
    }
    if (folder.isEmpty() && problem)
        *problem =
            QStringLiteral("no private folder for the lock (") + reasons.join(QStringLiteral("; ")) + u')';
    return folder;
}

InstanceGuard::InstanceGuard(const QString& key, QObject* parent)
    : QObject(parent), folder_(runtimeFolder(&folderProblem_)), lockPath_(lockPathFor(folder_, key)),
      lock_(lockPath_), serverName_(socketNameFor(folder_, key)) {
    // Age alone never makes the lock stale: the first instance may run for weeks.
    // A lock whose process is gone is still taken over (QLockFile checks the PID).
    lock_.setStaleLockTime(0);
}

InstanceGuard::~InstanceGuard() {
    delete server_; // closes it, and its connections go while what counts them is still here
}

InstanceCheck InstanceGuard::check() {
    problem_.clear();
    if (lock_.isLocked()) return InstanceCheck::First;
    if (!folderProblem_.isEmpty()) {
        problem_ = folderProblem_;
        return InstanceCheck::Unverifiable;
    }
    if (lock_.tryLock(0)) return InstanceCheck::First;
    // A dead holder's file on another host name or a damaged file: check once more.
    if (lock_.error() == QLockFile::LockFailedError && lock_.removeStaleLockFile() && lock_.tryLock(0))
        return InstanceCheck::First;
    if (lock_.error() != QLockFile::LockFailedError) {
        const bool denied = lock_.error() == QLockFile::PermissionError;
        problem_ = QStringLiteral("the lock file ") + lockPath_ +
                   (denied ? QStringLiteral(" cannot be written") : QStringLiteral(" cannot be used"));
        return InstanceCheck::Unverifiable;
    }
    // Held: by this user's program only if the file is this user's.
    struct stat st {};
    if (::lstat(QFile::encodeName(lockPath_).constData(), &st) == 0 && st.st_uid != ::geteuid()) {
        problem_ = QStringLiteral("the lock file ") + lockPath_ + QStringLiteral(" belongs to another user");
        return InstanceCheck::Unverifiable;
    }
    return InstanceCheck::AnotherRuns;
}

bool InstanceGuard::listen(std::function<void()> onRaiseRequest) {
    onRaise_ = std::move(onRaiseRequest);
    if (serverName_.isEmpty()) return false; // no private folder: better no socket than a shared one
    if (!server_) {
        server_ = new QLocalServer(this);
        server_->setSocketOptions(QLocalServer::UserAccessOption);
        connect(server_, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* socket = server_->nextPendingConnection()) {
                // Another user's process (root may enter any folder) is never heard; a flood of
                // connections gets no more than a few served at once.
                if (open_.size() >= limits_.connections || !peerIsThisUser(socket->socketDescriptor())) {
                    socket->abort();
                    socket->deleteLater();
                    continue;
                }
                serve(socket);
            }
        });
    }
    if (server_->isListening()) return true;
    // Only the lock holder gets here, so a socket left behind is a crashed run's.
    QLocalServer::removeServer(serverName_);
    return server_->listen(serverName_);
}

void InstanceGuard::drop(QLocalSocket* socket) {
    open_.remove(socket);
    socket->abort();
    socket->deleteLater();
}

void InstanceGuard::serve(QLocalSocket* socket) {
    // Counted until it is closed; its deletion waits for the event loop.
    open_.insert(socket);
    connect(socket, &QObject::destroyed, this, [this, socket] { open_.remove(socket); });
    // A request is one short line: the socket buffers no more than that.
    socket->setReadBufferSize(limits_.requestBytes);
    // The socket is deleted only from the event loop, never while its request is answered:
    // an asker that goes away in between must not pull it from under the answer.
    struct Serving {
        bool busy = false;
        bool gone = false;
    };
    auto serving = std::make_shared<Serving>();
    // An asker that says nothing, or too slowly, is let go.
    QTimer::singleShot(limits_.lineWithinMs, socket, [this, socket, serving] {
        if (!serving->busy) drop(socket);
    });
    auto handle = [this, socket, serving] {
        if (serving->busy) return;
        while (socket->canReadLine()) {
            const QByteArray line = socket->readLine().trimmed();
            if (line == RaiseRequest || line.startsWith(QByteArray(RaiseRequest + ' '))) {
                const QByteArray token = line.mid(RaiseRequest.size()).trimmed();
                activationToken_ = plausibleToken(token) ? QString::fromLatin1(token) : QString();
                // From the event loop: bringing the window back must not run inside the socket's signal.
                if (onRaise_) QTimer::singleShot(0, this, onRaise_);
            } else if (onRequest_) {
                serving->busy = true;
                const std::string answer = onRequest_(line.toStdString());
                serving->busy = false;
                if (socket->state() == QLocalSocket::ConnectedState) {
                    socket->write(QByteArray::fromStdString(answer));
                    socket->flush();
                    socket->disconnectFromServer(); // after the answer is written
                }
                if (serving->gone) socket->deleteLater();
                // What the request left to show (its notes, a question) opens its boxes only now.
                if (afterAnswer_) QTimer::singleShot(0, this, afterAnswer_);
                return;
            }
        }
        // A full buffer with no line end: not a request of ours.
        if (socket->bytesAvailable() >= limits_.requestBytes) drop(socket);
    };
    connect(socket, &QLocalSocket::readyRead, this, handle);
    connect(socket, &QLocalSocket::disconnected, this, [this, socket, handle, serving] {
        open_.remove(socket);
        if (serving->busy) {
            serving->gone = true; // deleted once the answer is done with it
            return;
        }
        handle();
        socket->deleteLater();
    });
    handle();
}

AskReply InstanceGuard::ask(const QString& serverName, const std::string& line, int timeoutMs) {
    if (serverName.isEmpty()) return {AskResult::NoListener, {}};
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(1000)) {
        switch (socket.error()) {
        case QLocalSocket::ServerNotFoundError:
        case QLocalSocket::ConnectionRefusedError: // a socket file a crashed run left
            return {AskResult::NoListener, {}};
        case QLocalSocket::SocketAccessError:
            return {AskResult::NotThisUser, {}};
        default:
            return {AskResult::NoAnswer, {}};
        }
    }
    // The request goes only to this user's own program.
    if (!peerIsThisUser(socket.socketDescriptor())) return {AskResult::NotThisUser, {}};
    socket.write(QByteArray::fromStdString(line + "\n"));
    QDeadlineTimer deadline(timeoutMs);
    if (!socket.waitForBytesWritten(timeoutMs)) return {AskResult::NoAnswer, {}};
    QByteArray answer;
    // The clock closes the connection once it has answered.
    while (socket.state() == QLocalSocket::ConnectedState && answer.size() <= LongestAnswer &&
           !deadline.hasExpired() && socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
        answer += socket.readAll();
    answer += socket.readAll();
    if (socket.state() == QLocalSocket::ConnectedState || answer.size() > LongestAnswer)
        return {AskResult::NoAnswer, {}};
    return {AskResult::Answered, answer.toStdString()};
}

std::optional<std::string> InstanceGuard::request(const QString& serverName, const std::string& line,
                                                  int timeoutMs) {
    AskReply reply = ask(serverName, line, timeoutMs);
    if (reply.result != AskResult::Answered) return std::nullopt;
    return std::move(reply.answer);
}

bool InstanceGuard::askFirstToRaise(const QString& serverName, int timeoutMs,
                                    const QString& activationToken) {
    if (serverName.isEmpty()) return false;
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(timeoutMs)) return false;
    if (!peerIsThisUser(socket.socketDescriptor())) return false; // not this user's program
    const QByteArray token = activationToken.toLatin1();
    socket.write(plausibleToken(token) ? QByteArray(RaiseRequest + ' ' + token + '\n')
                                       : QByteArray(RaiseRequest + '\n'));
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(timeoutMs);
    return sent;
}

} // namespace kelvaro
