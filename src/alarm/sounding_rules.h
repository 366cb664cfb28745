#pragma once
// Plain rules of a sounding alarm: the snooze end and its countdown, the
// automatic limits, and the two minute boxes of the settings tab.
#include "framework/datetime.h"

#include <string>

namespace kelvaro {

// The city's time of day cut to whole minutes plus the snooze box's minutes
// ("05"). Past midnight the value exceeds one day. Throws ConvertError for a
// snooze text that is not a minute count.
DateTime snoozeEnd(DateTime cityTimeOfDay, const std::string& snoozeText, const LocaleInfo& locale);
// "hh:mm:ss" left until the snooze ends, or "00:00" once it has passed.
std::string snoozeCountdown(DateTime snoozeUntil, DateTime cityTimeOfDay, const LocaleInfo& locale);

// Real time since the sound started: 1500 minutes are 25 hours, not a time of day.
bool limitReached(DateTime alarmStart, DateTime now, int minutes);

// The text and value a minute box ends with. Above 9999 it becomes "60" (and
// the user is told), below 0 it becomes "0"; a text that is not a number becomes "120".
struct MinuteBoxReading {
    std::string text;
    int value = 0;
    bool tooLarge = false;
};
MinuteBoxReading readMinuteBox(const std::string& text);

} // namespace kelvaro
