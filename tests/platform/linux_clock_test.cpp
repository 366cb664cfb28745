#include "platform/linux_clock.h"

#include <QDateTime>

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
