#include "framework/datetime.h"

#include <cctype>
#include <cmath>

namespace kelvaro {

namespace {

// Day number of 30 December 1899 counted from 1 January 1970.
constexpr std::int64_t EpochOffsetDays = -25569;

std::int64_t daysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

DateParts civilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

struct Split {
    std::int64_t day;     // whole days, negative going back
    std::int64_t msOfDay; // 0 .. MillisecondsPerDay-1
};

// Round to the millisecond first, then split as the framework does: for negative values the
// absolute time of day is kept and the day counts backwards.
Split split(DateTime value) {
    const std::int64_t ms = toMilliseconds(value);
    const std::int64_t magnitude = ms < 0 ? -ms : ms;
    const std::int64_t days = magnitude / MillisecondsPerDay;
    return {ms < 0 ? -days : days, magnitude % MillisecondsPerDay};
}

} // namespace

std::int64_t toMilliseconds(DateTime value) {
    // NaN and values whose milliseconds do not fit 64 bits have no date; refuse them before rounding.
    if (!(std::fabs(value) <= MaxDateTimeDays)) throw ConvertError("Invalid date-time value");
    return std::llround(value * static_cast<double>(MillisecondsPerDay));
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

DateTime fromMilliseconds(std::int64_t milliseconds) {
    return static_cast<double>(milliseconds) / static_cast<double>(MillisecondsPerDay);
}

bool isLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int daysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

std::optional<DateTime> tryEncodeDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
        return std::nullopt;
    return static_cast<double>(daysFromCivil(year, month, day) - EpochOffsetDays);
}

std::optional<DateTime> tryEncodeTime(int hour, int minute, int second, int millisecond) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0 ||
        millisecond > 999)
        return std::nullopt;
    return fromMilliseconds(((hour * 60LL + minute) * 60 + second) * 1000 + millisecond);
}

DateTime encodeDate(int year, int month, int day) {
    if (auto d = tryEncodeDate(year, month, day)) return *d;
    throw ConvertError("Invalid argument to date encode");
}

DateTime encodeTime(int hour, int minute, int second, int millisecond) {
    if (auto t = tryEncodeTime(hour, minute, second, millisecond)) return *t;
    throw ConvertError("Invalid argument to time encode");
}

DateParts decodeDate(DateTime value) {
    return civilFromDays(split(value).day + EpochOffsetDays);
}

TimeParts decodeTime(DateTime value) {
    const std::int64_t ms = split(value).msOfDay;
    return {static_cast<int>(ms / 3'600'000), static_cast<int>(ms / 60'000 % 60),
            static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)};
}

int dayOfWeek(DateTime value) {
    // Day 0 (30 December 1899) was a Saturday.
    const std::int64_t r = (split(value).day % 7 + 7) % 7;
    return static_cast<int>((r + 6) % 7) + 1;
}

DateTime datePart(DateTime value) {
    return static_cast<double>(split(value).day);
}

DateTime timeOfDay(DateTime value) {
    return fromMilliseconds(split(value).msOfDay);
}

DateTime combineDateTime(DateTime date, DateTime time) {
    return date >= 0 ? date + time : date - time;
}

} // namespace kelvaro
