#pragma once

// Date-time values as the clock passes them: days since 30 December 1899, the fraction being the
// time of day. The moon takes them as Universal Time and, lacking a better clock, as dynamical time.
namespace kelvaro::moon {

// Days since 30 December 1899 of a proleptic Gregorian date (negative before it).
constexpr long long DaysSinceDateTimeEpoch(int year, int month, int day) {
    // Days-from-civil count, shifted so that the year starts in March.
    const int y = year - (month <= 2 ? 1 : 0);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yearOfEra = y - era * 400;
    const long long dayOfYear = (153LL * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const long long daysSince1970 = era * 146097 + dayOfEra - 719468;
    return daysSince1970 + 25569;
}

// The date-time of a calendar instant, counted linearly (also before 1899).
constexpr double EncodeMoonDateTime(int year, int month, int day, int hour = 0, int minute = 0,
                                    double second = 0.0) {
    return static_cast<double>(DaysSinceDateTimeEpoch(year, month, day)) +
           ((hour * 60 + minute) * 60 + second) / 86400.0;
}

// Offset from date-time to Julian day: JD 2451544.5 is the start of 1 January 2000.
inline constexpr double kDateTimeToJulianDay = 2451544.5 - EncodeMoonDateTime(2000, 1, 1);

constexpr double JulianDayFromDateTime(double dateTime) {
    return dateTime + kDateTimeToJulianDay;
}

inline constexpr double kJ2000 = 2451545.0;

// Julian centuries of 36525 days from J2000.0.
constexpr double JulianCenturiesSinceJ2000(double julianDay) {
    return (julianDay - kJ2000) / 36525.0;
}

// The computer's local date-time now.
double CurrentLocalDateTime();

} // namespace kelvaro::moon
