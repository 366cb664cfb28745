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
    MinuteBoxReading r{text};
    const auto value = tryStrToInt(text);
    if (!value) {
        r.text = "120";
    } else if (*value < 0) {
        r.text = "0"; // the up-down's bottom; no count of minutes is negative
    } else if (*value > 9999) {
        r.text = "60";
        r.tooLarge = true;
    }
    r.value = strToIntDef(r.text, 0);
    return r;
}

} // namespace kelvaro
