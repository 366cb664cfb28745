#pragma once
// One running program per user. The first start holds a lock file and listens
// on a local socket; a later start finds the lock taken and asks the first,
// through that socket, to come to the front.
#include <QLockFile>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;

namespace kelvaro {

class InstanceGuard : public QObject {
    Q_OBJECT
public:
    // The key names the lock and the socket; tests use their own keys.
    explicit InstanceGuard(const QString& key = QStringLiteral("kelvaro"), QObject* parent = nullptr);
    ~InstanceGuard() override;

    // True when this is the first instance. A lock left by a process that died
    // does not count. Keeps the lock until destruction.
    bool acquire();
    bool isFirst() const { return lock_.isLocked(); }

    // Starts listening for raise requests (first instance only). False when the
    // socket could not be opened; the program then runs without the hand-over.
    bool listen(std::function<void()> onRaiseRequest);

    // The socket's name, the token written to the hand-over file as "apphdl".
    QString serverName() const { return serverName_; }

    // From a later instance: asks the first to come to the front. False when
    // nothing answered within the time-out.
    static bool askFirstToRaise(const QString& serverName, int timeoutMs = 1000);

    // $XDG_RUNTIME_DIR, or a private folder under the temp folder.
    static QString runtimeFolder();

private:
    void serve(QLocalSocket* socket);

    QLockFile lock_;
    QString serverName_;
    QLocalServer* server_ = nullptr;
    std::function<void()> onRaise_;
};

} // namespace kelvaro
