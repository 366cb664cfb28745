#include "framework/datetime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace kelvaro;

namespace {

struct SplitCase {
    DateTime value;
    DateParts date;
    TimeParts time;
    int weekday;
};

class DateTimeSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(DateTimeSplit, DecodesDateTimeAndWeekday) {
    const SplitCase& c = GetParam();
    EXPECT_EQ(decodeDate(c.value), c.date);
    EXPECT_EQ(decodeTime(c.value), c.time);
    EXPECT_EQ(dayOfWeek(c.value), c.weekday);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DateTimeSplit,
    ::testing::Values(
        SplitCase{0.0, {1899, 12, 30}, {0, 0, 0, 0}, 7}, SplitCase{0.5, {1899, 12, 30}, {12, 0, 0, 0}, 7},
        SplitCase{1.75, {1899, 12, 31}, {18, 0, 0, 0}, 1},
        // Negative: the whole part goes back, the fraction's magnitude is the time.
        SplitCase{-1.25, {1899, 12, 29}, {6, 0, 0, 0}, 6}, SplitCase{-0.25, {1899, 12, 30}, {6, 0, 0, 0}, 7},
        SplitCase{37257.0, {2002, 1, 1}, {0, 0, 0, 0}, 3}, SplitCase{60.0, {1900, 2, 28}, {0, 0, 0, 0}, 4},
        SplitCase{61.0, {1900, 3, 1}, {0, 0, 0, 0}, 5}, SplitCase{45351.0, {2024, 2, 29}, {0, 0, 0, 0}, 5},
        // 23:59:59.9996 rounds up into the next day.
        SplitCase{0.99999999999, {1899, 12, 31}, {0, 0, 0, 0}, 1}));

TEST(DateTimeRounding, SplitsOnTheNearestMillisecond) {
    // 08:00 minus 111 minutes lands a hair below 06:09 in binary.
    const DateTime t = encodeTime(8, 0, 0) - 111.0 / 1440.0;
    EXPECT_EQ(decodeTime(t), (TimeParts{6, 9, 0, 0}));
    EXPECT_EQ(decodeTime(780.0 / 86400.0), (TimeParts{0, 13, 0, 0}));
    EXPECT_EQ(decodeTime(encodeTime(7, 5, 30, 250)), (TimeParts{7, 5, 30, 250}));
    EXPECT_EQ(toMilliseconds(encodeTime(8, 0, 0) - 111.0 / 1440.0), toMilliseconds(encodeTime(6, 9, 0)));
}

// Minutes and seconds before the epoch belong to the minute that began before them.
TEST(DateTimeRounding, FloorDivRoundsDownOnBothSidesOfZero) {
    EXPECT_EQ(floorDiv(7, 2), 3);
    EXPECT_EQ(floorDiv(-7, 2), -4);
    EXPECT_EQ(floorDiv(-6, 2), -3);
    EXPECT_EQ(floorDiv(-1, 60), -1);
    EXPECT_EQ(floorDiv(0, 60), 0);
    EXPECT_EQ(floorDiv(7, -2), -4);
    EXPECT_EQ(floorDiv(-7, -2), 3);
}

TEST(DateTimeRange, ValuesWithoutADateRaiseTheConversionError) {
    const double inf = std::numeric_limits<double>::infinity();
    for (const double bad :
         {std::nan(""), inf, -inf, 1.07e11, -1.07e11, 1e300, MaxDateTimeDays * 1.0000001}) {
        EXPECT_THROW(formatDateTime("yyyy-mm-dd hh:nn:ss", bad, LocaleInfo::enUS()), ConvertError) << bad;
        EXPECT_THROW(decodeDate(bad), ConvertError) << bad;
        EXPECT_THROW(timeOfDay(bad), ConvertError) << bad;
    }
    try {
        toMilliseconds(std::nan(""));
        FAIL();
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), "Invalid date-time value");
    }
    // The edges themselves still have a date, and a time of day that fits the day.
    for (const double edge : {MaxDateTimeDays, -MaxDateTimeDays, MaxDateTimeDays - 0.5}) {
        const DateParts date = decodeDate(edge);
        EXPECT_GE(date.month, 1);
        EXPECT_LE(date.day, 31);
        EXPECT_LT(decodeTime(edge).hour, 24);
        EXPECT_FALSE(formatDateTime("yyyy-mm-dd hh:nn:ss", edge, LocaleInfo::enUS()).empty());
    }
}

TEST(DateTimeEncode, RejectsOutOfRangeParts) {
    EXPECT_FALSE(tryEncodeDate(2023, 2, 29));
    EXPECT_TRUE(tryEncodeDate(2000, 2, 29));
    EXPECT_FALSE(tryEncodeDate(1900, 2, 29));
    EXPECT_FALSE(tryEncodeDate(2024, 13, 1));
    EXPECT_FALSE(tryEncodeDate(0, 1, 1));
    EXPECT_FALSE(tryEncodeTime(24, 0, 0));
    EXPECT_FALSE(tryEncodeTime(0, 60, 0));
    EXPECT_FALSE(tryEncodeTime(0, 0, 0, 1000));
    EXPECT_THROW(encodeDate(2023, 2, 30), ConvertError);
    EXPECT_THROW(encodeTime(25, 0, 0), ConvertError);
    EXPECT_DOUBLE_EQ(encodeDate(1899, 12, 29), -1.0);
}

TEST(DateTimeCombine, NegativeDatesGoBackByTheTime) {
    EXPECT_DOUBLE_EQ(combineDateTime(2.0, 0.25), 2.25);
    EXPECT_DOUBLE_EQ(combineDateTime(-1.0, 0.25), -1.25);
    EXPECT_EQ(decodeTime(combineDateTime(-1.0, 0.25)), (TimeParts{6, 0, 0, 0}));
    EXPECT_DOUBLE_EQ(datePart(-1.25), -1.0);
    EXPECT_DOUBLE_EQ(timeOfDay(37257.75), 0.75);
}

} // namespace
