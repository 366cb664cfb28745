#include "alarm/sounding_rules.h"

namespace kelvaro {

DateTime snoozeEnd(DateTime cityTimeOfDay, const std::string& snoozeText, const LocaleInfo& locale) {
    const DateTime minuteStart = strToTimeOrThrow(formatDateTime("hh:mm", cityTimeOfDay, locale), locale);
    return minuteStart + strToTimeOrThrow("00" + locale.timeSeparator + snoozeText, locale);
}

std::string snoozeCountdown(DateTime snoozeUntil, DateTime cityTimeOfDay, const LocaleInfo& locale) {
    if (toMilliseconds(cityTimeOfDay) <= toMilliseconds(snoozeUntil))
        return formatDateTime("hh:mm:ss", snoozeUntil - cityTimeOfDay, locale);
    return "00" + locale.timeSeparator + "00";
}

bool limitReached(DateTime alarmStart, DateTime now, int minutes) {
    if (minutes <= 0) return false;
    return toMilliseconds(now) - toMilliseconds(alarmStart) >= static_cast<std::int64_t>(minutes) * 60'000;
}

MinuteBoxReading readMinuteBox(const std::string& text) {
    // Each text is made whole in its initialiser: assigning a short literal over the
    // copy gives GCC 12 a false -Wrestrict at -O3.
    const auto value = tryStrToInt(text);
    MinuteBoxReading r{!value ? std::string("120")
                       : *value < 0
                           ? std::string("0") // the up-down's bottom; no count of minutes is negative
                       : *value > 9999 ? std::string("60")
                                       : text};
    r.tooLarge = value && *value > 9999;
    r.value = strToIntDef(r.text, 0);
    return r;
}

} // namespace kelvaro
