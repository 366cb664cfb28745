#include "cities/hour_difference.h"

#include "framework/conversions.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(ReadHourDifference, TakesTheLocaleSeparatorAndAlsoADot) {
    const LocaleInfo us = LocaleInfo::enUS();
    const LocaleInfo de = LocaleInfo::deDE();
    EXPECT_DOUBLE_EQ(*readHourDifference("5.30", us), 5.30);
    EXPECT_DOUBLE_EQ(*readHourDifference("5,30", de), 5.30);
    EXPECT_DOUBLE_EQ(*readHourDifference("5.30", de), 5.30); // a list carried over from elsewhere
    EXPECT_DOUBLE_EQ(*readHourDifference("-3.30", de), -3.30);
    EXPECT_FALSE(readHourDifference("5,30", us)); // a comma is no separator in a dot locale
    EXPECT_FALSE(readHourDifference("", us));
    EXPECT_FALSE(readHourDifference("abc", de));
    EXPECT_FALSE(readHourDifference("5.3.0", de));
}

TEST(ReadHourDifference, UnreadableTextRaisesTheConversionError) {
    EXPECT_THROW(hourDifferenceOrThrow("abc", LocaleInfo::deDE()), ConvertError);
    EXPECT_DOUBLE_EQ(hourDifferenceOrThrow("-0.45", LocaleInfo::deDE()), -0.45);
}

TEST(SplitHourDifference, MinutesAreTheDigitsAfterThePointRoundedFromTheFloat) {
    struct Case {
        float offset;
        int hours, minutes;
    };
    const Case cases[] = {
        {5.30f, 5, 30},    {5.45f, 5, 45}, // 44.99998 before rounding
        {3.30f, 3, 30},    {5.5f, 5, 50},       {0.45f, 0, 45},   {-0.45f, 0, -45},
        {-3.30f, -3, -30}, {-23.59f, -23, -59}, {23.59f, 23, 59}, {0.0f, 0, 0},
    };
    for (const Case& c : cases) {
        const HoursAndMinutes split = splitHourDifference(c.offset);
        EXPECT_EQ(split.hours, c.hours) << c.offset;
        EXPECT_EQ(split.minutes, c.minutes) << c.offset;
    }
}

TEST(CheckHourDifference, EachStageOfTypingIsJudgedOnItsOwn) {
    using C = HourDifferenceCheck;
    const LocaleInfo us = LocaleInfo::enUS();
    struct Case {
        const char* text;
        C expected;
    };
    const Case cases[] = {
        {"-", C::Keep},
        {"-2", C::Keep},
        {"-23.", C::Keep},
        {"-23.59", C::Keep},
        {"23.59", C::Keep},
        {"5.", C::Keep},
        {"0", C::Keep},
        {"2", C::Keep},
        {"24", C::TooManyHours},
        {"-24", C::TooManyHours},
        {"1e5", C::TooManyHours},
        {"5.7", C::TooManyMinutes},
        {"5.60", C::TooManyMinutes},
        {"-0.6", C::TooManyMinutes},
        {"5.59", C::Keep},
        {"", C::NotANumber},
        {".", C::NotANumber},
        {"-.", C::NotANumber},
        {"abc", C::NotANumber},
        {"5,30", C::NotANumber},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checkHourDifference(c.text, us), c.expected) << c.text;
    EXPECT_EQ(checkHourDifference("5,7", LocaleInfo::deDE()), C::TooManyMinutes);
    EXPECT_EQ(checkHourDifference("5.7", LocaleInfo::deDE()), C::TooManyMinutes);
}

} // namespace
} // namespace kelvaro
