#include "platform/linux/linux_instance_guard.h"
#include "qt_test_support.h"

#include <QEventLoop>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <functional>
#include <future>

#include "../support/file_modes_as_user.h"

using namespace kelvaro;

namespace {

class InstanceGuardTest : public ::testing::Test {
  protected:
    InstanceGuardTest() { testApp(); }
    QTemporaryDir runtime_;
    ScopedEnv env_{"XDG_RUNTIME_DIR", runtime_.path().toStdString()};
    QString lockPath() const { return runtime_.filePath(QStringLiteral("kelvaro.lock")); }
};

pid_t deadPid() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

constexpr uid_t Nobody = 65534;

// Makes `path` another user's, as another local user could have made it.
bool giveAway(const QString& path, mode_t mode) {
    const QByteArray native = QFile::encodeName(path);
    return ::chmod(native.constData(), mode) == 0 && ::chown(native.constData(), Nobody, Nobody) == 0;
}

// No XDG_RUNTIME_DIR; the temp folder and the home folder are fresh ones of the test.
class FallbackFolderTest : public ::testing::Test {
  protected:
    FallbackFolderTest() { testApp(); }
    QTemporaryDir tmp_, home_;
    ScopedEnv runtime_{"XDG_RUNTIME_DIR", std::nullopt};
    ScopedEnv tmpEnv_{"TMPDIR", tmp_.path().toStdString()};
    ScopedEnv homeEnv_{"HOME", home_.path().toStdString()};
    QString tmpFolder() const {
        return tmp_.filePath(QStringLiteral("kelvaro-") + QString::number(geteuid()));
    }
    QString homeFolder() const { return home_.filePath(QStringLiteral(".cache/kelvaro-run")); }
};

mode_t modeOf(const QString& path) {
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

} // namespace

TEST_F(InstanceGuardTest, ALockFileOfAnotherUserIsNotAnotherInstance) {
    if (geteuid() != 0) GTEST_SKIP() << "making a file another user's needs root";
    QByteArray contents; // a lock file naming a live process: this one
    {
        InstanceGuard original;
        ASSERT_TRUE(original.acquire());
        QFile file(lockPath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        contents = file.readAll();
    }
    QFile planted(lockPath());
    ASSERT_TRUE(planted.open(QIODevice::WriteOnly));
    planted.write(contents);
    planted.close();
    ASSERT_TRUE(giveAway(lockPath(), 0644));

    FileModesAsUser asUser;
    InstanceGuard guard;
    EXPECT_EQ(guard.check(), InstanceCheck::Unverifiable);
    EXPECT_TRUE(guard.problem().contains(QStringLiteral("another user")));
}

TEST_F(FallbackFolderTest, AFolderAnotherUserMadeInTheTempFolderIsPassedOver) {
    if (geteuid() != 0) GTEST_SKIP() << "making a folder another user's needs root";
    ASSERT_EQ(::mkdir(QFile::encodeName(tmpFolder()).constData(), 0755), 0);
    ASSERT_TRUE(giveAway(tmpFolder(), 0755));
    FileModesAsUser asUser;
    EXPECT_EQ(InstanceGuard::runtimeFolder(), homeFolder());
    EXPECT_EQ(modeOf(homeFolder()), 0700u);
    InstanceGuard guard;
    EXPECT_EQ(guard.check(), InstanceCheck::First);
    EXPECT_TRUE(QFile::exists(homeFolder() + QStringLiteral("/kelvaro.lock")));

    // With the home fallback taken as well, nothing is safe: say why, and let the start go on.
    ASSERT_TRUE(giveAway(homeFolder(), 0777));
    InstanceGuard stranded;
    EXPECT_EQ(stranded.check(), InstanceCheck::Unverifiable);
    EXPECT_TRUE(stranded.problem().contains(tmpFolder())) << stranded.problem().toStdString();
    EXPECT_TRUE(stranded.problem().contains(QStringLiteral("owned by another user")));
    EXPECT_TRUE(stranded.serverName().isEmpty()) << "no socket in a shared folder";
    EXPECT_FALSE(stranded.listen([] {}));
}

TEST_F(FallbackFolderTest, ARuntimeFolderOfAnotherUserIsNotUsedAndOurOwnIsClosed) {
    QTemporaryDir foreign;
    if (geteuid() == 0)
        ASSERT_TRUE(giveAway(foreign.path(), 0700));
    else
        ASSERT_TRUE(QFile::setPermissions(foreign.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                              QFileDevice::ExeOwner |
                                                              QFileDevice::WriteOther));
    ScopedEnv runtime("XDG_RUNTIME_DIR", foreign.path().toStdString());
    ASSERT_EQ(::mkdir(QFile::encodeName(tmpFolder()).constData(), 0700), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(tmpFolder()).constData(), 0777), 0); // ours, but open
    EXPECT_EQ(InstanceGuard::runtimeFolder(), tmpFolder());
    EXPECT_EQ(modeOf(tmpFolder()), 0700u);
}

TEST_F(InstanceGuardTest, SecondGuardFailsUntilTheFirstIsGone) {
    auto first = std::make_unique<InstanceGuard>();
    ASSERT_TRUE(first->acquire());
    EXPECT_TRUE(first->acquire()); // asking again keeps it
    {
        InstanceGuard second;
        EXPECT_EQ(second.check(), InstanceCheck::AnotherRuns);
        EXPECT_FALSE(second.acquire());
        EXPECT_FALSE(second.isFirst());
    }
    first.reset();
    InstanceGuard third;
    EXPECT_TRUE(third.acquire());
}

TEST_F(InstanceGuardTest, LockOfADeadProcessDoesNotBlock) {
    QByteArray contents;
    {
        InstanceGuard original;
        ASSERT_TRUE(original.acquire());
        QFile file(lockPath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        contents = file.readAll();
    }
    // The same lock file as a killed run leaves: our format, another PID that is gone.
    ASSERT_FALSE(QFile::exists(lockPath()));
    const qsizetype endOfPid = contents.indexOf('\n');
    ASSERT_GT(endOfPid, 0);
    contents.replace(0, endOfPid, QByteArray::number(deadPid()));
    QFile stale(lockPath());
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(contents);
    stale.close();

    InstanceGuard next;
    EXPECT_TRUE(next.acquire());
}

TEST_F(InstanceGuardTest, SecondStartReachesTheFirst) {
    InstanceGuard first;
    ASSERT_TRUE(first.acquire());
    // A socket file left by a crashed run is cleared away.
    QFile leftover(first.serverName());
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();

    int raises = 0;
    ASSERT_TRUE(first.listen([&] { ++raises; }));
    EXPECT_TRUE(InstanceGuard::askFirstToRaise(first.serverName(), 1000));
    EXPECT_TRUE(processEventsUntil([&] { return raises == 1; }));
    EXPECT_TRUE(InstanceGuard::askFirstToRaise(first.serverName(), 1000));
    EXPECT_TRUE(processEventsUntil([&] { return raises == 2; }));
}

// The launcher's activation token travels with the raise, so the first may take the focus;
// what cannot be a token is dropped, and a raise without one leaves none behind.
TEST_F(InstanceGuardTest, TheActivationTokenTravelsWithTheRaise) {
    InstanceGuard first;
    ASSERT_TRUE(first.acquire());
    int raises = 0;
    QString token;
    ASSERT_TRUE(first.listen([&] {
        ++raises;
        token = first.takeActivationToken();
    }));
    const struct {
        QString sent, received;
    } cases[] = {{QStringLiteral("kwin-4f2a9c_TIME1234"), QStringLiteral("kwin-4f2a9c_TIME1234")},
                 {QStringLiteral("two words"), QString()},
                 {QString(), QString()}};
    for (const auto& c : cases) {
        token = QStringLiteral("stale");
        const int before = raises;
        EXPECT_TRUE(InstanceGuard::askFirstToRaise(first.serverName(), 1000, c.sent));
        EXPECT_TRUE(processEventsUntil([&] { return raises == before + 1; }));
        EXPECT_EQ(token, c.received) << c.sent.toStdString();
    }
}

// An event loop inside the answer (a box the request should not have shown) in which the
// asker goes away: the socket stays until the answer is done with it, and what the request
// left to show runs once, from the event loop.
TEST_F(InstanceGuardTest, AnAskerLeavingWhileTheAnswerIsWorkedOutHarmsNothing) {
    InstanceGuard first;
    ASSERT_TRUE(first.acquire());
    QLocalSocket asker;
    int answered = 0, after = 0;
    first.onRequest(
        [&](const std::string& line) {
            EXPECT_EQ(line, "stop");
            asker.abort();
            QEventLoop loop;
            QTimer::singleShot(300, &loop, &QEventLoop::quit);
            loop.exec();
            ++answered;
            return std::string("0\nstopped");
        },
        [&] { ++after; });
    ASSERT_TRUE(first.listen([] {}));
    asker.connectToServer(first.serverName());
    ASSERT_TRUE(asker.waitForConnected(1000));
    asker.write("stop\n");
    asker.flush();
    EXPECT_TRUE(processEventsUntil([&] { return after == 1; }));
    EXPECT_EQ(answered, 1);
}

TEST_F(InstanceGuardTest, NobodyListeningMeansNoRaise) {
    EXPECT_FALSE(InstanceGuard::askFirstToRaise(runtime_.filePath(QStringLiteral("nobody.socket")), 200));
    EXPECT_FALSE(InstanceGuard::askFirstToRaise(QString(), 200));
}

namespace {

// Runs `body` in a child process as another user (nobody) that keeps root's way through
// file modes, as root or a foreign root-run service could reach any socket; 0 when it
// succeeded. The child does plain system calls only.
pid_t asAnotherUser(const std::function<int()>& body) {
    const pid_t child = fork();
    if (child != 0) return child;
    ::alarm(10); // never outlives the test
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct caps[2]{};
    if (::prctl(PR_SET_KEEPCAPS, 1) != 0 || ::setresgid(Nobody, Nobody, Nobody) != 0 ||
        ::setresuid(Nobody, Nobody, Nobody) != 0 || ::syscall(SYS_capget, &header, caps) != 0)
        _exit(90);
    caps[0].effective = caps[0].permitted;
    if (::syscall(SYS_capset, &header, caps) != 0) _exit(91);
    _exit(body());
}

int exitOf(pid_t child) {
    int status = 0;
    if (!processEventsUntil([&] { return waitpid(child, &status, WNOHANG) == child; }, 8000)) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

sockaddr_un addressOf(const QString& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(path);
    std::memcpy(address.sun_path, native.constData(), std::min<size_t>(native.size(), 107));
    return address;
}

} // namespace

TEST_F(InstanceGuardTest, AnotherUserIsNeitherHeardNorAsked) {
    if (geteuid() != 0) GTEST_SKIP() << "a process of another user needs root to start";
    InstanceGuard first;
    ASSERT_TRUE(first.acquire());
    int requests = 0;
    first.onRequest([&](const std::string&) {
        ++requests;
        return std::string("0\nstopped");
    });
    ASSERT_TRUE(first.listen([] {}));

    // Another user's "stop" at the clock's socket: no answer, and nothing done.
    const sockaddr_un clock = addressOf(first.serverName());
    const pid_t asker = asAnotherUser([&] {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&clock), sizeof clock) != 0) return 2;
        (void)::write(fd, "stop\n", 5);
        char answer[64];
        return ::read(fd, answer, sizeof answer) > 0 ? 1 : 0; // closed without a word
    });
    EXPECT_EQ(exitOf(asker), 0);
    EXPECT_EQ(requests, 0);

    // Another user's socket where ours should be: nothing is sent to it, and the asker knows.
    QTemporaryDir other;
    ScopedEnv runtime("XDG_RUNTIME_DIR", other.path().toStdString());
    InstanceGuard asking;
    const sockaddr_un impostor = addressOf(asking.serverName());
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t server = asAnotherUser([&] {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::bind(fd, reinterpret_cast<const sockaddr*>(&impostor), sizeof impostor) != 0 ||
            ::listen(fd, 4) != 0)
            return 2;
        (void)::write(ready[1], "x", 1);
        for (int i = 0; i < 2; ++i) {
            const int peer = ::accept(fd, nullptr, nullptr);
            char request[64];
            if (::read(peer, request, sizeof request) > 0) return 1; // something was sent
            (void)::send(peer, "0\nstopped", 9, MSG_NOSIGNAL);       // the asker may have gone already
            ::close(peer);
        }
        return 0;
    });
    ::close(ready[1]);
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ::close(ready[0]);
    EXPECT_EQ(InstanceGuard::ask(asking.serverName(), "stop", 2000).result, AskResult::NotThisUser);
    EXPECT_FALSE(InstanceGuard::askFirstToRaise(asking.serverName(), 1000));
    EXPECT_EQ(exitOf(server), 0);
}

// A long private folder: the socket gets a short name, hashed from the path, in a private
// folder of the temp folder; both sides find the same one.
TEST_F(FallbackFolderTest, ALongRuntimePathGetsAShortPrivateSocket) {
    const QString deep = tmp_.filePath(QString(120, u'r'));
    ASSERT_EQ(::mkdir(QFile::encodeName(deep).constData(), 0700), 0);
    ScopedEnv runtime("XDG_RUNTIME_DIR", deep.toStdString());
    InstanceGuard first;
    ASSERT_TRUE(first.acquire());
    const QString name = first.serverName();
    EXPECT_TRUE(name.startsWith(tmpFolder() + u'/')) << name.toStdString();
    EXPECT_LE(QFile::encodeName(name).size(), 100);
    EXPECT_EQ(modeOf(tmpFolder()), 0700u);
    int raises = 0;
    ASSERT_TRUE(first.listen([&] { ++raises; }));
    InstanceGuard second;
    EXPECT_EQ(second.serverName(), name);
    EXPECT_TRUE(InstanceGuard::askFirstToRaise(second.serverName(), 1000));
    EXPECT_TRUE(processEventsUntil([&] { return raises == 1; }));

    const QString deeper = deep + QStringLiteral("/x");
    ASSERT_EQ(::mkdir(QFile::encodeName(deeper).constData(), 0700), 0);
    ScopedEnv elsewhere("XDG_RUNTIME_DIR", deeper.toStdString());
    EXPECT_NE(InstanceGuard().serverName(), name); // another runtime folder, another clock
}

// A request is one short line, sent soon; a crowd of connections gets a few served.
TEST_F(InstanceGuardTest, WhatAConnectionMayCostIsBounded) {
    InstanceGuard first;
    ASSERT_TRUE(first.acquire());
    first.setLimits({.requestBytes = 4096, .lineWithinMs = 400, .connections = 2});
    int requests = 0;
    first.onRequest([&](const std::string&) {
        ++requests;
        return std::string("0\nok");
    });
    ASSERT_TRUE(first.listen([] {}));
    auto connectNew = [&] {
        auto socket = std::make_unique<QLocalSocket>();
        socket->connectToServer(first.serverName());
        EXPECT_TRUE(socket->waitForConnected(1000));
        return socket;
    };
    auto closedByTheClock = [](QLocalSocket& socket) {
        return processEventsUntil([&] { return socket.state() == QLocalSocket::UnconnectedState; }, 3000);
    };

    auto silent = connectNew();
    EXPECT_TRUE(closedByTheClock(*silent)) << "a silent asker is let go";

    auto flood = connectNew();
    const QByteArray noLineEnd(1 << 20, 'x');
    flood->write(noLineEnd);
    EXPECT_TRUE(closedByTheClock(*flood)) << "a request without a line end is dropped";
    EXPECT_EQ(requests, 0);

    auto a = connectNew(), b = connectNew(), c = connectNew();
    EXPECT_TRUE(closedByTheClock(*c)) << "a third connection while two are open";
    EXPECT_EQ(a->state(), QLocalSocket::ConnectedState);
    a->abort();
    b->abort();
    auto asked = std::async(std::launch::async, [name = first.serverName()] {
        return InstanceGuard::ask(name, "status", 2000);
    }); // the asker waits; the clock, here, must go on
    ASSERT_TRUE(processEventsUntil(
        [&] { return asked.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 3000));
    const AskReply reply = asked.get();
    EXPECT_EQ(reply.result, AskResult::Answered);
    EXPECT_EQ(reply.answer, "0\nok");
}
