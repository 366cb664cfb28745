#include "platform/linux/linux_clock.h"
#include "platform/linux/zone_offset_memo.h"

#include <QDateTime>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

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
    const ClockReading both = clock.read();
    EXPECT_NEAR(both.now, expected, 5.0 / 86400.0);
    EXPECT_EQ(both.utcOffsetMinutes, clock.utcOffsetMinutes());
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
    EXPECT_EQ(clock.read().utcOffsetMinutes, -180);
    EXPECT_NEAR(clock.read().now, clock.now(), 5.0 / 86400.0);
    EXPECT_NEAR(kathmandu - clock.now(), (345 + 180) / 1440.0, 5.0 / 86400.0);
    if (hadTz)
        qputenv("TZ", saved);
    else
        qunsetenv("TZ");
}

// The offset is remembered until the zone's next transition: each change is seen at its second.
TEST(ZoneOffsetMemo, SeesADaylightSavingChangeAtItsSecondAndAClockSetBack) {
    const QTimeZone berlin("Europe/Berlin");
    if (!berlin.isValid()) GTEST_SKIP() << "no tz database (Debian package tzdata)";
    const std::time_t springForward = QDateTime(QDate(2024, 3, 31), QTime(1, 0), Qt::UTC).toSecsSinceEpoch();
    ZoneOffsetMemo memo;
    EXPECT_EQ(memo.offsetAt(berlin, springForward - 3600), 3600);
    EXPECT_EQ(memo.offsetAt(berlin, springForward - 1), 3600);
    EXPECT_EQ(memo.offsetAt(berlin, springForward), 7200);
    EXPECT_EQ(memo.offsetAt(berlin, springForward + 86400 * 100), 7200);
    EXPECT_EQ(memo.offsetAt(berlin, springForward - 1), 3600); // the clock set back
    memo.forget();
    EXPECT_EQ(memo.offsetAt(berlin, springForward), 7200);
}

namespace {

// The seconds to ask for: every five hours or so, and each side of every transition.
std::vector<std::time_t> probeSeconds(const QTimeZone& zone, std::time_t start, std::time_t end) {
    std::vector<std::time_t> seconds;
    for (std::time_t t = start; t < end; t += 18007)
        seconds.push_back(t);
    const auto span = zone.transitions(QDateTime::fromSecsSinceEpoch(start, Qt::UTC),
                                       QDateTime::fromSecsSinceEpoch(end, Qt::UTC));
    for (const QTimeZone::OffsetData& change : span)
        for (int d : {-1, 0, 1})
            seconds.push_back(static_cast<std::time_t>(change.atUtc.toSecsSinceEpoch()) + d);
    std::sort(seconds.begin(), seconds.end());
    return seconds;
}

} // namespace

TEST(ZoneOffsetMemo, AgreesWithTheZoneForwardsAndBackwards) {
    for (const char* id : {"Europe/Berlin", "Australia/Lord_Howe", "America/Sao_Paulo", "UTC"}) {
        const QTimeZone zone(id);
        if (!zone.isValid()) GTEST_SKIP() << "no tz database (Debian package tzdata)";
        const std::time_t start = QDateTime(QDate(2018, 1, 1), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
        const std::vector<std::time_t> seconds = probeSeconds(zone, start, start + 2 * 366 * 86400);
        ZoneOffsetMemo forwards, backwards;
        for (std::size_t i = 0; i < seconds.size(); ++i) {
            const std::time_t t = seconds[i], back = seconds[seconds.size() - 1 - i];
            ASSERT_EQ(forwards.offsetAt(zone, t),
                      zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(t, Qt::UTC)))
                << id << " at " << t;
            ASSERT_EQ(backwards.offsetAt(zone, back),
                      zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(back, Qt::UTC)))
                << id << " at " << back;
        }
    }
}
