// The clock setter against python3-dbusmock's timedated on a private bus that the
// test starts: the call and its microseconds, and the NTP switch. The machine's
// own clock is never reached.
#include "platform/linux/linux_clock_setter.h"
#include "private_buses.h"
#include "qt_test_support.h"

#include "framework/datetime.h"

#include <QDBusConnection>
#include <QDBusMessage>

#include <gtest/gtest.h>

using namespace kelvaro;

TEST(TimedatedClockSetter, CallsSetTimeWithTheMicrosecondsAndReadsTheNtpState) {
    testApp();
    PrivateBuses buses;
    if (!buses.skipReason().empty()) GTEST_SKIP() << buses.skipReason();
    buses.becomeDefault(); // before the setter's first use of the system bus
    const QString logFile = buses.file(QStringLiteral("timedated.log"));
    if (!buses.mock(QStringLiteral("org.freedesktop.timedate1"),
                    {QStringLiteral("--system"), QStringLiteral("-l"), logFile, QStringLiteral("--template"),
                     QStringLiteral("timedated"), QStringLiteral("-p"), QStringLiteral("{\"NTP\": false}")}))
        GTEST_SKIP() << "the timedated template of python3-dbusmock did not start";
    const auto log = [&] { return PrivateBuses::read(logFile); };
    TimedatedClockSetter setter;
    const double utc = encodeDate(2023, 6, 1) + encodeTime(0, 1, 4, 250);
    EXPECT_TRUE(setter.setUtc(utc, false));
    EXPECT_TRUE(log().contains(QStringLiteral("SetTime 1685577664250000 False False")))
        << log().toStdString();
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
