#include "alarm/alarm_rules.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(AlarmHourRange, EachFormHasItsOwnLimits) {
    EXPECT_TRUE(hourOutOfRange(0, false));
    EXPECT_FALSE(hourOutOfRange(1, false));
    EXPECT_FALSE(hourOutOfRange(12, false));
    EXPECT_TRUE(hourOutOfRange(13, false));
    EXPECT_FALSE(hourOutOfRange(0, true));
    EXPECT_FALSE(hourOutOfRange(23, true));
    EXPECT_TRUE(hourOutOfRange(24, true));
    EXPECT_TRUE(hourOutOfRange(-1, true));
}

TEST(AlarmMinuteAndSnooze, FiftyNineIsTheLastAcceptedValue) {
    EXPECT_FALSE(minuteOutOfRange(59));
    EXPECT_TRUE(minuteOutOfRange(60));
    EXPECT_FALSE(snoozeOutOfRange(59));
    EXPECT_TRUE(snoozeOutOfRange(60));
}

TEST(KeyFilters, PassOnlyTheirCharactersAndBackspace) {
    for (char c : {'A', 'M', 'P', '\b'})
        EXPECT_TRUE(passesAmPmFilter(c)) << int(c);
    for (char c : {'a', 'm', 'p', 'B', '\r', '1'})
        EXPECT_FALSE(passesAmPmFilter(c)) << int(c);
    for (char c : {'0', '9', '\b'})
        EXPECT_TRUE(passesDigitFilter(c)) << int(c);
    for (char c : {'a', '-', '\r', '/', ':'})
        EXPECT_FALSE(passesDigitFilter(c)) << int(c);
}

TEST(DayMask, PresetsAndRoundTrip) {
    DayChecks weekDays{false, true, true, true, true, true, false};
    EXPECT_EQ(maskOfChecks(weekDays), kWeekDaysMask);
    EXPECT_EQ(maskOfChecks(DayChecks{true, false, false, false, false, false, true}), kWeekendsMask);
    EXPECT_EQ(maskOfChecks(DayChecks{true, true, true, true, true, true, true}), kAllDaysMask);
    for (int mask = 0; mask <= 127; ++mask)
        EXPECT_EQ(maskOfChecks(checksOfMask(mask)), mask);
}

TEST(DayMask, DayNumbersCountFromSunday) {
    EXPECT_FALSE(dayInMask(kWeekDaysMask, 1));
    EXPECT_TRUE(dayInMask(kWeekDaysMask, 2));
    EXPECT_TRUE(dayInMask(kWeekDaysMask, 6));
    EXPECT_FALSE(dayInMask(kWeekDaysMask, 7));
    EXPECT_FALSE(dayInMask(kAllDaysMask, 0));
    EXPECT_FALSE(dayInMask(kAllDaysMask, 8));
}

TEST(DayTexts, SummaryAndUnderlineUseThreeCharactersADay) {
    EXPECT_EQ(daysSummary(kAllDaysMask), "Su Mo Tu We Th Fr Sa ");
    EXPECT_EQ(daysSummary(kWeekDaysMask), "-- Mo Tu We Th Fr -- ");
    EXPECT_EQ(daysSummary(0), "-- -- -- -- -- -- -- ");
    EXPECT_EQ(underlineFor(1), "__                   ");
    EXPECT_EQ(underlineFor(7), "                  __ ");
    for (int day = 1; day <= 7; ++day) {
        const std::string line = underlineFor(day);
        ASSERT_EQ(line.size(), 21u);
        EXPECT_EQ(line.find("__"), static_cast<size_t>((day - 1) * 3));
    }
}

} // namespace
} // namespace kelvaro
