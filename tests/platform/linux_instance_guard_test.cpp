#include "platform/linux/linux_instance_guard.h"
#include "qt_test_support.h"

#include <QEventLoop>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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
