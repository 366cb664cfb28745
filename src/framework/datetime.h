#pragma once

#include "framework/conversions.h"
#include "framework/locale_info.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelvaro {

// Days since 30 December 1899; the fraction is the time of day. For a negative value the whole
// part is the date (going back) and the fraction's absolute value is the time of day.
using DateTime = double;

inline constexpr std::int64_t MillisecondsPerDay = 86'400'000;

struct DateParts {
    int year = 1899;
    int month = 12;
    int day = 30;
    friend bool operator==(const DateParts&, const DateParts&) = default;
};

struct TimeParts {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    friend bool operator==(const TimeParts&, const TimeParts&) = default;
};

// Largest distance from day 0 that has a date (about 270 million years either way): its
// milliseconds still fit 64 bits, its year an int.
inline constexpr double MaxDateTimeDays = 1e11;

// The value rounded to the nearest millisecond. Compare times with this, never as doubles.
// Throws ConvertError "Invalid date-time value" for NaN, infinities and |value| > MaxDateTimeDays;
// so does everything that takes a date-time apart (decodeDate, formatDateTime, ...).
std::int64_t toMilliseconds(DateTime value);
DateTime fromMilliseconds(std::int64_t milliseconds);
// a / b rounded down, not towards zero (b != 0): the minute or day of a time before the epoch.
std::int64_t floorDiv(std::int64_t a, std::int64_t b);

bool isLeapYear(int year);
int daysInMonth(int year, int month);

std::optional<DateTime> tryEncodeDate(int year, int month, int day);
std::optional<DateTime> tryEncodeTime(int hour, int minute, int second, int millisecond = 0);
// Throw ConvertError "Invalid argument to date encode" / "... time encode" on a bad argument.
DateTime encodeDate(int year, int month, int day);
DateTime encodeTime(int hour, int minute, int second, int millisecond = 0);

DateParts decodeDate(DateTime value);
TimeParts decodeTime(DateTime value);
int dayOfWeek(DateTime value); // 1 = Sunday ... 7 = Saturday

// Whole-day part (the date) and time-of-day part (0 <= t < 1), both after millisecond rounding.
DateTime datePart(DateTime value);
DateTime timeOfDay(DateTime value);
// Date plus time the way the framework joins them: a negative date goes back by the time.
DateTime combineDateTime(DateTime date, DateTime time);

// Date-time format language: c d dd ddd dddd ddddd dddddd m mm mmm mmmm yy yyyy h hh n nn s ss
// z zzz t tt am/pm a/p ampm / : and "..." or '...' literals; m right after h/hh means minutes.
std::string formatDateTime(std::string_view format, DateTime value, const LocaleInfo& locale);
std::string dateTimeToStr(DateTime value, const LocaleInfo& locale); // short date [+ long time]
std::string dateToStr(DateTime value, const LocaleInfo& locale);
std::string timeToStr(DateTime value, const LocaleInfo& locale);

// Reading back: hours[:minutes[:seconds[<decimal separator>milliseconds]]] with an optional AM/PM
// designator (the locale's or the plain "AM"/"PM") after or before the numbers. With a designator
// the hour must be 1..12. nullopt for anything else.
std::optional<DateTime> strToTime(std::string_view text, const LocaleInfo& locale);
// A date in the order of the short date format, optionally followed by a time; or a time alone.
// Two-digit or missing years are taken relative to referenceYear (window of 50 years).
std::optional<DateTime> strToDateTime(std::string_view text, const LocaleInfo& locale,
                                      int referenceYear = 2000);
std::optional<DateTime> strToDate(std::string_view text, const LocaleInfo& locale, int referenceYear = 2000);

// Throwing forms carrying the framework's messages ("'x' is not a valid time", ...).
DateTime strToTimeOrThrow(std::string_view text, const LocaleInfo& locale);
DateTime strToDateTimeOrThrow(std::string_view text, const LocaleInfo& locale, int referenceYear = 2000);

} // namespace kelvaro
