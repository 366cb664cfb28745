#include "platform/linux_clock.h"

#include <QDateTime>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <cmath>

using namespace kelvaro;

namespace {

std::tm civil(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

} // namespace

TEST(LinuxClock, DateTimeCountsDaysFrom30December1899) {
    EXPECT_EQ(localDateTimeFrom(civil(1899, 12, 30), 0), 0.0);
    EXPECT_EQ(localDateTimeFrom(civil(1900, 3, 1), 0), 61.0);
    EXPECT_EQ(localDateTimeFrom(civil(2002, 1, 1), 0), 37257.0);
    EXPECT_EQ(localDateTimeFrom(civil(2024, 2, 29, 12), 0), 45351.5);
    EXPECT_DOUBLE_EQ(localDateTimeFrom(civil(2024, 3, 1, 23, 59, 59), 500), 45353.0 - 0.5 / 86400.0);
}

TEST(LinuxClock, AgreesWithQtsLocalTime) {
    LinuxClock clock;
    const QDateTime local = QDateTime::currentDateTime();
    const double expected =
        QDate(1899, 12, 30).daysTo(local.date()) + local.time().msecsSinceStartOfDay() / 86'400'000.0;
    EXPECT_NEAR(clock.now(), expected, 5.0 / 86400.0);
    EXPECT_EQ(clock.utcOffsetMinutes(), QDateTime::currentDateTime().offsetFromUtc() / 60);
}

// The zone is read at each reading: a computer that changes its zone while the program runs.
TEST(LinuxClock, FollowsAChangeOfTheSystemZoneWhileRunning) {
    if (!QTimeZone::isTimeZoneIdAvailable("Asia/Kathmandu"))
        GTEST_SKIP() << "no tz database (Debian package tzdata)";
    const QByteArray saved = qgetenv("TZ");
    const bool hadTz = qEnvironmentVariableIsSet("TZ");
    LinuxClock clock;
    qputenv("TZ", "Asia/Kathmandu");
    EXPECT_EQ(clock.zoneId(), "Asia/Kathmandu");
    EXPECT_EQ(clock.utcOffsetMinutes(), 345);
    const double kathmandu = clock.now();
    qputenv("TZ", "America/Sao_Paulo");
    EXPECT_EQ(clock.zoneId(), "America/Sao_Paulo");
    EXPECT_EQ(clock.utcOffsetMinutes(), -180);
    EXPECT_NEAR(kathmandu - clock.now(), (345 + 180) / 1440.0, 5.0 / 86400.0);
    if (hadTz)
        qputenv("TZ", saved);
    else
        qunsetenv("TZ");
}
