#pragma once
// One running program per user. The first start holds a lock file and listens
// on a local socket; a later start finds the lock taken and asks the first,
// through that socket, to come to the front. The socket lives only in a folder of
// this user's that no one else may enter, and each side checks that the other is
// this user; a request is one short line, answered or dropped within seconds.
#include <QLockFile>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

class QLocalServer;
class QLocalSocket;

namespace kelvaro {

// What became of a request to the running program.
enum class AskResult {
    Answered,    // the answer is there
    NoListener,  // no socket, or nothing listens on it: no program of this user runs
    NotThisUser, // the other end is another user's: nothing was sent
    NoAnswer,    // it took the request but did not answer within the time-out
};

struct AskReply {
    AskResult result = AskResult::NoListener;
    std::string answer;
};

enum class InstanceCheck {
    First,        // this start holds the lock
    AnotherRuns,  // this user's program already runs
    Unverifiable, // no safe place for the lock, or a lock file of someone else: start anyway
};

class InstanceGuard : public QObject {
    Q_OBJECT
  public:
    // The key names the lock and the socket; tests use their own keys.
    explicit InstanceGuard(const QString& key = QStringLiteral("kelvaro"), QObject* parent = nullptr);
    ~InstanceGuard() override;

    // Takes the lock when free. A lock left by a process that died does not count;
    // only a lock file of this user in a folder of this user counts as another
    // instance. Keeps the lock until destruction.
    InstanceCheck check();
    // True when this is the first instance (check() gave First).
    bool acquire() { return check() == InstanceCheck::First; }
    // Why the last check() gave Unverifiable.
    const QString& problem() const { return problem_; }
    bool isFirst() const { return lock_.isLocked(); }

    // Starts listening for raise requests (first instance only). False when the
    // socket could not be opened; the program then runs without the hand-over.
    bool listen(std::function<void()> onRaiseRequest);

    // Requests other than "raise" (one line each, from `kelvaro --status` and the like): the
    // answer goes back and the connection is closed; then `afterAnswer` runs, from the event
    // loop, for what the request left to show.
    void onRequest(std::function<std::string(const std::string& line)> answer,
                   std::function<void()> afterAnswer = {}) {
        onRequest_ = std::move(answer);
        afterAnswer_ = std::move(afterAnswer);
    }
    // From another process: sends one request line and returns the whole answer; nothing
    // when no instance listens or it did not answer within the time-out.
    static std::optional<std::string> request(const QString& serverName, const std::string& line,
                                              int timeoutMs);
    // The same, saying why there is no answer.
    static AskReply ask(const QString& serverName, const std::string& line, int timeoutMs);

    // What a connection may cost the listening program: at most this much of a request
    // (its line end included), this long from connecting to the request line, this many at once.
    struct Limits {
        int requestBytes = 4096;
        int lineWithinMs = 3000;
        int connections = 8;
    };
    void setLimits(const Limits& limits) { limits_ = limits; }

    // The socket's path, the token written to the hand-over file as "apphdl": in the private
    // folder, or, where that path is too long for a socket, a short name hashed from it in
    // kelvaro-<uid> of the temp folder (or of /tmp). Empty when no private folder is found.
    QString serverName() const { return serverName_; }

    // From a later instance: asks the first to come to the front, handing over the launcher's
    // activation token (Wayland's XDG_ACTIVATION_TOKEN, X11's DESKTOP_STARTUP_ID) when there is
    // one: without it the desktop would not let the first take the focus. False when nothing
    // answered within the time-out.
    static bool askFirstToRaise(const QString& serverName, int timeoutMs = 1000,
                                const QString& activationToken = {});
    // The activation token of the last raise request, once; empty when it came without one.
    QString takeActivationToken() { return std::exchange(activationToken_, QString()); }

    // The first folder of this user that no one else may write or enter (0700):
    // $XDG_RUNTIME_DIR, else kelvaro-<uid> in the temp folder, else ~/.cache/kelvaro-run
    // (both made when missing). Empty, with the reason in `problem`, when none is.
    static QString runtimeFolder(QString* problem = nullptr);

  private:
    void serve(QLocalSocket* socket);
    void drop(QLocalSocket* socket);

    QString folderProblem_; // set while folder_ is found
    QString folder_;
    QString lockPath_;
    QLockFile lock_;
    QString serverName_;
    QString problem_;
    QLocalServer* server_ = nullptr;
    Limits limits_;
    QSet<QLocalSocket*> open_; // connections being served
    std::function<void()> onRaise_;
    QString activationToken_;
    std::function<std::string(const std::string&)> onRequest_;
    std::function<void()> afterAnswer_;
};

} // namespace kelvaro
