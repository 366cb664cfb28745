#include "platform/linux_instance_guard.h"
#include "qt_test_support.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

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
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

} // namespace

TEST_F(InstanceGuardTest, SecondGuardFailsUntilTheFirstIsGone) {
    auto first = std::make_unique<InstanceGuard>();
    ASSERT_TRUE(first->acquire());
    EXPECT_TRUE(first->acquire()); // asking again keeps it
    {
        InstanceGuard second;
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

TEST_F(InstanceGuardTest, NobodyListeningMeansNoRaise) {
    EXPECT_FALSE(InstanceGuard::askFirstToRaise(runtime_.filePath(QStringLiteral("nobody.socket")), 200));
    EXPECT_FALSE(InstanceGuard::askFirstToRaise(QString(), 200));
}
