#include "cities/zone_difference.h"

#include <cmath>
#include <cstdlib>

namespace kelvaro {

namespace {
std::string twoDigits(int n) {
    return std::string(1, static_cast<char>('0' + n / 10)) + static_cast<char>('0' + n % 10);
}
} // namespace

std::string hourDifferenceText(int minutes, const LocaleInfo& locale) {
    const int size = std::abs(minutes);
    std::string text = minutes < 0 ? "-" : "";
    text += std::to_string(size / 60);
    if (size % 60 != 0) text += locale.decimalSeparator + twoDigits(size % 60);
    return text;
}

std::optional<int> zoneDifferenceMinutes(const ZoneDatabase& zones, const std::string& cityZone,
                                         int homeOffsetMinutes, std::int64_t utcSeconds) {
    const auto city = zones.stateAt(cityZone, utcSeconds);
    if (!city) return std::nullopt;
    // Offsets of today's zones are whole minutes; old local mean times are not and get rounded.
    const int cityMinutes = static_cast<int>(std::lround(city->offsetSeconds / 60.0));
    const int difference = cityMinutes - homeOffsetMinutes;
    if (difference <= -24 * 60 || difference >= 24 * 60) return std::nullopt;
    return difference;
}

std::string utcOffsetText(int offsetSeconds) {
    const int minutes = std::abs(offsetSeconds) / 60;
    return std::string("UTC") + (offsetSeconds < 0 ? "-" : "+") + twoDigits(minutes / 60) + ":" +
           twoDigits(minutes % 60);
}

std::int64_t utcSecondsOf(double localDateTime, int utcOffsetMinutes) {
    constexpr double kDaysFrom1899To1970 = 25569.0;
    // Down to the second; the millisecond allowance absorbs the error of the days held as a double.
    const auto local =
        static_cast<std::int64_t>(std::floor((localDateTime - kDaysFrom1899To1970) * 86400.0 + 0.001));
    return local - utcOffsetMinutes * 60LL;
}

} // namespace kelvaro
