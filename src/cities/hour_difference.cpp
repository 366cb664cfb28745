#include "cities/hour_difference.h"

#include "framework/conversions.h"

#include <cmath>
#include <cstdlib>

namespace kelvaro {

std::optional<double> readHourDifference(std::string_view text, const LocaleInfo& locale) {
    if (auto value = tryStrToFloat(text, locale)) return value;
    if (locale.decimalSeparator == ".") return std::nullopt;
    LocaleInfo dotted = locale;
    dotted.decimalSeparator.assign(1, '.');
    return tryStrToFloat(text, dotted);
}

double hourDifferenceOrThrow(std::string_view text, const LocaleInfo& locale) {
    if (auto value = readHourDifference(text, locale)) return *value;
    return strToFloat(text, locale); // throws with the framework's message
}

HoursAndMinutes splitHourDifference(float offset) {
    const int hours = static_cast<int>(std::trunc(offset));
    const double minutes = static_cast<double>(offset) * 100.0 - static_cast<double>(hours) * 100.0;
    return {hours, static_cast<int>(std::round(minutes))};
}

HourDifferenceCheck checkHourDifference(std::string_view text, const LocaleInfo& locale) {
    if (text == "-") return HourDifferenceCheck::Keep;
    const auto value = readHourDifference(text, locale);
    if (!value) return HourDifferenceCheck::NotANumber;
    if (std::fabs(std::trunc(*value)) > 23.59) return HourDifferenceCheck::TooManyHours;
    if (std::abs(splitHourDifference(static_cast<float>(*value)).minutes) > 59)
        return HourDifferenceCheck::TooManyMinutes;
    return HourDifferenceCheck::Keep;
}

} // namespace kelvaro
