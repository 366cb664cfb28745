#pragma once
// A city's hour difference: hours.minutes text such as "5.30" (five and a half hours ahead) or
// "-0.45" (45 minutes behind). The digits after the separator count minutes, not fractions.
#include "framework/locale_info.h"

#include <optional>
#include <string_view>

namespace kelvaro {

// The locale's decimal separator, or "." as well: a list carried over from a computer with
// another locale must stay readable.
std::optional<double> readHourDifference(std::string_view text, const LocaleInfo& locale);
// As above; a text that is no number raises the framework's conversion error.
double hourDifferenceOrThrow(std::string_view text, const LocaleInfo& locale);

struct HoursAndMinutes {
    int hours = 0;   // cut towards zero, keeps the sign
    int minutes = 0; // rounded, keeps the sign (-0.45 gives 0 and -45)
};
// The split the clock uses: the offset is held as a single float, so 5.45 comes out as
// 44.99998 minutes before the rounding.
HoursAndMinutes splitHourDifference(float offset);

// What a key in the hour-difference cell leaves behind.
enum class HourDifferenceCheck {
    Keep,           // as typed (also a lone "-", a minus sign being typed)
    TooManyHours,   // 24 hours or more: the cell becomes "0"
    TooManyMinutes, // more than 59 minutes: the cell becomes "0"
    NotANumber,     // the cell becomes "0" and the city loses its current mark
};
HourDifferenceCheck checkHourDifference(std::string_view text, const LocaleInfo& locale);

} // namespace kelvaro
