#include "alarm/sounding_rules.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

DateTime at(int h, int m, int s) {
    return encodeTime(h, m, s);
}

TEST(SnoozeEnd, CountsFromTheStartOfThePresentMinute) {
    const LocaleInfo us = LocaleInfo::enUS();
    const DateTime end = snoozeEnd(at(7, 0, 40), "05", us);
    EXPECT_EQ(toMilliseconds(end), toMilliseconds(at(7, 5, 0)));
    EXPECT_EQ(snoozeCountdown(end, at(7, 0, 40), us), "00:04:20");
    EXPECT_EQ(toMilliseconds(snoozeEnd(at(7, 3, 10), "05", us)), toMilliseconds(at(7, 8, 0)));
    EXPECT_EQ(toMilliseconds(snoozeEnd(at(7, 3, 10), "00", us)), toMilliseconds(at(7, 3, 0)));
    EXPECT_THROW(snoozeEnd(at(7, 3, 10), "x", us), ConvertError);
}

TEST(SnoozeEnd, PastMidnightRunsIntoTheNextDay) {
    const LocaleInfo us = LocaleInfo::enUS();
    const DateTime end = snoozeEnd(at(23, 58, 0), "05", us);
    EXPECT_EQ(toMilliseconds(end), toMilliseconds(1.0 + at(0, 3, 0)));
    EXPECT_EQ(snoozeCountdown(end, at(23, 59, 30), us), "00:03:30");
    EXPECT_EQ(snoozeCountdown(end, at(0, 1, 0), us), "00:02:00");
}

TEST(SnoozeCountdown, ShowsZeroOnceTheEndHasPassedInTheLocalesSeparator) {
    EXPECT_EQ(snoozeCountdown(at(7, 5, 0), at(7, 5, 0), LocaleInfo::enUS()), "00:00:00");
    EXPECT_EQ(snoozeCountdown(at(7, 5, 0), at(7, 5, 1), LocaleInfo::enUS()), "00:00");
    LocaleInfo dotted = LocaleInfo::enUS();
    dotted.timeSeparator = ".";
    EXPECT_EQ(snoozeCountdown(at(7, 5, 0), at(7, 6, 0), dotted), "00.00");
}

TEST(LimitReached, CountsRealElapsedTimeBeyondOneDay) {
    const DateTime start = encodeDate(2026, 12, 7) + at(7, 0, 0);
    EXPECT_FALSE(limitReached(start, start + at(0, 1, 59), 2));
    EXPECT_TRUE(limitReached(start, start + at(0, 2, 0), 2));
    EXPECT_FALSE(limitReached(start, start + 5.0, 0)); // 0 is never
    // 1500 minutes are 25 hours: not reached after 1 hour, nor after 24.
    EXPECT_FALSE(limitReached(start, start + at(1, 0, 0), 1500));
    EXPECT_FALSE(limitReached(start, start + 1.0, 1500));
    EXPECT_TRUE(limitReached(start, start + 1.0 + at(1, 0, 0), 1500));
    EXPECT_TRUE(limitReached(start, start + 7.0, 9999));
    EXPECT_FALSE(limitReached(start, start + 6.0, 9999));
}

TEST(MinuteBox, TooLargeBecomes60AndNonNumbers120) {
    const MinuteBoxReading big = readMinuteBox("10000");
    EXPECT_TRUE(big.tooLarge);
    EXPECT_EQ(big.text, "60");
    EXPECT_EQ(big.value, 60);
    const MinuteBoxReading limit = readMinuteBox("9999");
    EXPECT_FALSE(limit.tooLarge);
    EXPECT_EQ(limit.value, 9999);
    const MinuteBoxReading text = readMinuteBox("ten");
    EXPECT_FALSE(text.tooLarge);
    EXPECT_EQ(text.text, "120");
    EXPECT_EQ(text.value, 120);
    EXPECT_EQ(readMinuteBox("").text, "120");
    EXPECT_EQ(readMinuteBox("0").value, 0);
}

} // namespace
} // namespace kelvaro
