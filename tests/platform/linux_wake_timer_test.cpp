// The wake-up adapter against the system: logind's delay inhibitor and
// PrepareForSleep through python3-dbusmock's logind on a private system bus, and
// the kernel's alarm timer with a near expiry (the machine is never suspended).
#include "platform/linux/linux_wake_timer.h"
#include "qt_test_support.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/timerfd.h>
#include <sys/types.h>
#include <time.h>
#include <unistd.h>

using namespace kelvaro;

namespace {

std::int64_t utcNow() {
    return static_cast<std::int64_t>(::time(nullptr));
}

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(5000);
    return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
}

class PrivateLogind {
  public:
    PrivateLogind() {
        if (access("/usr/bin/dbus-daemon", X_OK) != 0 || access("/usr/bin/gdbus", X_OK) != 0) {
            why_ = "needs dbus-daemon and gdbus";
            return;
        }
        bus_.start(QStringLiteral("/usr/bin/dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                    QStringLiteral("--address=unix:path=") + dir_.filePath(QStringLiteral("bus")),
                    QStringLiteral("--print-address=1")});
        if (!bus_.waitForReadyRead(5000)) {
            why_ = "dbus-daemon did not start";
            return;
        }
        address_ = QString::fromUtf8(bus_.readLine().trimmed());
        setenv("DBUS_SYSTEM_BUS_ADDRESS", address_.toUtf8().constData(), 1); // before the first use
        mock_.start(QStringLiteral("/usr/bin/python3"),
                    {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--template"),
                     QStringLiteral("logind")});
        mock_.waitForStarted(3000);
        if (!processEventsUntil(
                [&] {
                    return inhibitors().startsWith(QStringLiteral("(")) ||
                           mock_.state() == QProcess::NotRunning;
                },
                8000) ||
            mock_.state() == QProcess::NotRunning)
            why_ = "needs python3-dbusmock (its logind template did not start)";
    }
    ~PrivateLogind() {
        for (QProcess* p : {&mock_, &bus_}) {
            if (p->state() == QProcess::NotRunning) continue;
            p->kill();
            p->waitForFinished(2000);
        }
    }
    const std::string& skipReason() const { return why_; }
    QString call(const QString& method, const QStringList& args = {}) const {
        return run(QStringLiteral("/usr/bin/gdbus"),
                   QStringList{QStringLiteral("call"), QStringLiteral("--address"), address_,
                               QStringLiteral("-d"), QStringLiteral("org.freedesktop.login1"),
                               QStringLiteral("-o"), QStringLiteral("/org/freedesktop/login1"),
                               QStringLiteral("-m"), method} +
                       args);
    }
    QString inhibitors() const {
        return call(QStringLiteral("org.freedesktop.login1.Manager.ListInhibitors"));
    }
    void prepareForSleep(bool starting) const {
        call(QStringLiteral("org.freedesktop.DBus.Mock.EmitSignal"),
             {QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
              QStringLiteral("b"), starting ? QStringLiteral("[<true>]") : QStringLiteral("[<false>]")});
    }

  private:
    QTemporaryDir dir_;
    QProcess bus_, mock_;
    QString address_;
    std::string why_;
};

} // namespace

TEST(LinuxWakeTimer, HoldsTheSleepDelayAndLetsTheSystemSleepOnceReArmed) {
    testApp();
    PrivateLogind logind;
    if (!logind.skipReason().empty()) GTEST_SKIP() << logind.skipReason();
    LinuxWakeTimer timer;
    ASSERT_TRUE(timer.holdsSleepDelay());
    const QString held = logind.inhibitors();
    EXPECT_TRUE(held.contains(QStringLiteral("'sleep', 'Kelvaro Clock'")) &&
                held.contains(QStringLiteral("'delay'")))
        << held.toStdString();

    int sleeps = 0, resumes = 0;
    bool delayHeldWhileReArming = false;
    timer.onSleep = [&] {
        ++sleeps;
        delayHeldWhileReArming = timer.holdsSleepDelay();
        timer.sleepReady();
    };
    timer.onResume = [&] { ++resumes; };
    logind.prepareForSleep(true);
    ASSERT_TRUE(processEventsUntil([&] { return sleeps == 1; }, 5000));
    EXPECT_TRUE(delayHeldWhileReArming);
    EXPECT_FALSE(timer.holdsSleepDelay());
    // logind sees the delay gone and may suspend.
    EXPECT_TRUE(
        processEventsUntil([&] { return !logind.inhibitors().contains(QStringLiteral("Kelvaro")); }, 5000))
        << logind.inhibitors().toStdString();

    logind.prepareForSleep(false);
    ASSERT_TRUE(processEventsUntil([&] { return resumes == 1; }, 5000));
    EXPECT_TRUE(timer.holdsSleepDelay()); // for the next sleep
    EXPECT_TRUE(logind.inhibitors().contains(QStringLiteral("Kelvaro"))) << logind.inhibitors().toStdString();
}

TEST(LinuxWakeTimer, KernelAlarmTimerFiresAtItsTimeAndADisarmedOneDoesNot) {
    testApp();
    QString why;
    if (!LinuxWakeTimer::kernelAlarmAllowed(&why))
        GTEST_SKIP() << "CLOCK_REALTIME_ALARM is refused here (" << why.toStdString()
                     << "): the wake helper or a system timer takes over";
    LinuxWakeTimer timer;
    ASSERT_EQ(timer.method(), WakeMethod::KernelAlarm);
    ASSERT_TRUE(timer.arm(utcNow() + 1));
    EXPECT_TRUE(processEventsUntil([&] { return timer.expiries() == 1; }, 4000));

    ASSERT_TRUE(timer.arm(utcNow() + 1));
    timer.disarm();
    processEventsUntil([] { return false; }, 2500);
    EXPECT_EQ(timer.expiries(), 1);

    // A moved wake-up replaces the earlier one: only the later fires.
    ASSERT_TRUE(timer.arm(utcNow() + 60));
    ASSERT_TRUE(timer.arm(utcNow() + 1));
    EXPECT_TRUE(processEventsUntil([&] { return timer.expiries() == 2; }, 4000));
}

namespace {

struct HelperRun {
    int exit = -1; // -1: still running (it holds a timer)
    QString said;
};

// Starts the helper; waits for its "armed" or for its end.
HelperRun startHelper(QProcess& helper, const QStringList& args, const QStringList& prefix = {}) {
    const QString path = QStringLiteral(KELVARO_WAKE_HELPER);
    if (prefix.isEmpty())
        helper.start(path, args);
    else
        helper.start(prefix.first(), prefix.mid(1) + QStringList{path} + args);
    helper.waitForStarted(2000);
    processEventsUntil([&] { return helper.canReadLine() || helper.state() == QProcess::NotRunning; }, 5000);
    HelperRun run;
    run.said = QString::fromUtf8(helper.readAllStandardOutput() + helper.readAllStandardError());
    if (helper.state() == QProcess::NotRunning) run.exit = helper.exitCode();
    return run;
}

HelperRun runHelper(const QStringList& args, const QStringList& prefix = {}) {
    QProcess helper;
    HelperRun run = startHelper(helper, args, prefix);
    helper.kill();
    helper.waitForFinished(2000);
    return run;
}

// A private logind where this user has an active local session, unless the test changes it.
class WakeHelperTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testApp();
        if (!logind_.skipReason().empty()) GTEST_SKIP() << logind_.skipReason();
        const HelperRun probe = runHelper({QStringLiteral("--probe")});
        if (probe.exit == 1)
            GTEST_SKIP() << "the helper may not set an alarm timer here: " << probe.said.toStdString();
        session_ = addSession(QStringLiteral("c1"), getuid(), true);
    }
    QString addSession(const QString& id, uid_t uid, bool active) {
        const QString path = logind_.call(QStringLiteral("org.freedesktop.DBus.Mock.AddSession"),
                                          {id, QStringLiteral("seat0"), QString::number(uid),
                                           QStringLiteral("user%1").arg(uid),
                                           active ? QStringLiteral("true") : QStringLiteral("false")});
        return path.section(u'\'', 1, 1);
    }
    void setSession(const QString& property, const QString& value) {
        run(QStringLiteral("/usr/bin/gdbus"),
            {QStringLiteral("call"), QStringLiteral("--address"),
             QString::fromLocal8Bit(qgetenv("DBUS_SYSTEM_BUS_ADDRESS")), QStringLiteral("-d"),
             QStringLiteral("org.freedesktop.login1"), QStringLiteral("-o"), session_, QStringLiteral("-m"),
             QStringLiteral("org.freedesktop.DBus.Properties.Set"),
             QStringLiteral("org.freedesktop.login1.Session"), property, value});
    }
    PrivateLogind logind_;
    QString session_;
};

} // namespace

TEST_F(WakeHelperTest, HoldsTheTimerUntilItExpiresOrItsInputCloses) {
    const HelperRun probe = runHelper({QStringLiteral("--probe")});
    EXPECT_EQ(probe.exit, 0) << probe.said.toStdString();
    QProcess expires;
    EXPECT_EQ(startHelper(expires, {QString::number(utcNow() + 1)}).said, QStringLiteral("armed\n"));
    ASSERT_TRUE(expires.waitForFinished(4000));
    EXPECT_EQ(expires.exitCode(), 0);

    QProcess released;
    EXPECT_EQ(startHelper(released, {QString::number(utcNow() + 3600)}).exit, -1);
    released.closeWriteChannel(); // the clock disarms, or ends
    EXPECT_TRUE(released.waitForFinished(2000));
    EXPECT_EQ(released.exitCode(), 0);
}

// Whom the helper holds a timer for: the user of an active local session, once, within a week.
TEST_F(WakeHelperTest, HoldsOneTimerAWeekAheadAtMostForTheUserOfAnActiveLocalSession) {
    const QString inAnHour = QString::number(utcNow() + 3600);
    QProcess first;
    ASSERT_EQ(startHelper(first, {inAnHour}).exit, -1);
    HelperRun second = runHelper({inAnHour});
    EXPECT_EQ(second.exit, 3) << "a second timer for the same user";
    EXPECT_TRUE(second.said.contains(QStringLiteral("already armed"))) << second.said.toStdString();
    first.closeWriteChannel();
    ASSERT_TRUE(first.waitForFinished(2000));
    EXPECT_EQ(runHelper({inAnHour}).exit, -1) << "once the first let go";

    const HelperRun far = runHelper({QString::number(utcNow() + 8 * 24 * 3600)});
    EXPECT_EQ(far.exit, 3);
    EXPECT_TRUE(far.said.contains(QStringLiteral("more than a week"))) << far.said.toStdString();

    setSession(QStringLiteral("Remote"), QStringLiteral("<true>"));
    EXPECT_EQ(runHelper({inAnHour}).exit, 3) << "a session over the network";
    setSession(QStringLiteral("Remote"), QStringLiteral("<false>"));
    setSession(QStringLiteral("Active"), QStringLiteral("<false>"));
    const HelperRun inactive = runHelper({QStringLiteral("--probe")});
    EXPECT_EQ(inactive.exit, 3) << "a session in the background";
    EXPECT_TRUE(inactive.said.contains(QStringLiteral("no active local session")))
        << inactive.said.toStdString();

    // Another user, given the capability: the private bus is not even theirs to ask.
    if (getuid() != 0 || access("/usr/bin/setpriv", X_OK) != 0) return;
    setSession(QStringLiteral("Active"), QStringLiteral("<true>"));
    const QStringList asNobody = {
        QStringLiteral("/usr/bin/setpriv"),       QStringLiteral("--reuid=65534"),
        QStringLiteral("--regid=65534"),          QStringLiteral("--clear-groups"),
        QStringLiteral("--inh-caps=+wake_alarm"), QStringLiteral("--ambient-caps=+wake_alarm")};
    const HelperRun nobody = runHelper({inAnHour}, asNobody);
    EXPECT_EQ(nobody.exit, 3) << nobody.said.toStdString();
    EXPECT_TRUE(nobody.said.contains(QStringLiteral("refused"))) << nobody.said.toStdString();
}

TEST(WakeHelper, WithoutTheCapabilityItSaysWhyAndFails) {
    testApp();
    if (access("/usr/sbin/capsh", X_OK) != 0) GTEST_SKIP() << "needs capsh (libcap2-bin)";
    const QString helper = QStringLiteral(KELVARO_WAKE_HELPER);
    QProcess p;
    p.start(QStringLiteral("/usr/sbin/capsh"), {QStringLiteral("--drop=cap_wake_alarm"), QStringLiteral("--"),
                                                QStringLiteral("-c"), helper + QStringLiteral(" --probe")});
    ASSERT_TRUE(p.waitForFinished(3000));
    if (p.exitCode() == 0 && getuid() != 0) GTEST_SKIP() << "capsh could not drop the capability here";
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_TRUE(p.readAllStandardError().contains("no alarm timer"));
}
