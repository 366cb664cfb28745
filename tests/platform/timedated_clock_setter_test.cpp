// The clock setter against python3-dbusmock's timedated on a private bus that the
// test starts: the call and its microseconds, and the NTP switch. The machine's
// own clock is never reached.
#include "platform/linux_clock_setter.h"
#include "qt_test_support.h"

#include "framework/datetime.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <unistd.h>

using namespace kelvaro;

namespace {

class PrivateTimedated {
  public:
    explicit PrivateTimedated(bool ntp) {
        if (access("/usr/bin/dbus-daemon", X_OK) != 0) {
            why_ = "needs dbus-daemon";
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
        const QByteArray address = bus_.readLine().trimmed();
        setenv("DBUS_SYSTEM_BUS_ADDRESS", address.constData(), 1); // before the first use of the system bus
        log_ = dir_.filePath(QStringLiteral("timedated.log"));
        mock_.start(QStringLiteral("/usr/bin/python3"),
                    {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("-l"), log_,
                     QStringLiteral("--template"), QStringLiteral("timedated"), QStringLiteral("-p"),
                     ntp ? QStringLiteral("{\"NTP\": true}") : QStringLiteral("{\"NTP\": false}")});
        mock_.waitForStarted(3000);
        if (!processEventsUntil([&] { return hasName(address) || mock_.state() == QProcess::NotRunning; },
                                8000) ||
            mock_.state() == QProcess::NotRunning)
            why_ = "needs python3-dbusmock (its timedated template did not start)";
    }
    ~PrivateTimedated() {
        for (QProcess* p : {&mock_, &bus_}) {
            if (p->state() == QProcess::NotRunning) continue;
            p->kill();
            p->waitForFinished(2000);
        }
    }
    const std::string& skipReason() const { return why_; }
    QString log() const {
        QFile f(log_);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

  private:
    static bool hasName(const QByteArray& address) {
        QProcess ask;
        ask.start(QStringLiteral("dbus-send"),
                  {QStringLiteral("--bus=") + QString::fromUtf8(address), QStringLiteral("--print-reply"),
                   QStringLiteral("--dest=org.freedesktop.DBus"), QStringLiteral("/"),
                   QStringLiteral("org.freedesktop.DBus.NameHasOwner"),
                   QStringLiteral("string:org.freedesktop.timedate1")});
        ask.waitForFinished(2000);
        return ask.readAllStandardOutput().contains("boolean true");
    }

    QTemporaryDir dir_;
    QProcess bus_, mock_;
    QString log_;
    std::string why_;
};

} // namespace

TEST(TimedatedClockSetter, CallsSetTimeWithTheMicrosecondsAndReadsTheNtpState) {
    testApp();
    PrivateTimedated timedated(false);
    if (!timedated.skipReason().empty()) GTEST_SKIP() << timedated.skipReason();
    TimedatedClockSetter setter;
    const double utc = encodeDate(2023, 6, 1) + encodeTime(0, 1, 4, 250);
    EXPECT_TRUE(setter.setUtc(utc, false));
    EXPECT_TRUE(timedated.log().contains(QStringLiteral("SetTime 1685577664250000 False False")))
        << timedated.log().toStdString();
    EXPECT_FALSE(setter.ntpSynchronized());
    // One private bus per process: the system bus is connected once.
    QDBusMessage ntpOn = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("/org/freedesktop/timedate1"),
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("SetNTP"));
    ntpOn << true << false;
    QDBusConnection::systemBus().call(ntpOn);
    EXPECT_TRUE(setter.ntpSynchronized());
}

TEST(TimedatedClockSetter, MicrosecondsAreWholeMillisecondsSince1970) {
    EXPECT_EQ(unixMicroseconds(25569.0), 0);
    EXPECT_EQ(unixMicroseconds(encodeDate(2023, 6, 1) + encodeTime(0, 1, 4, 250)), 1'685'577'664'250'000);
}
