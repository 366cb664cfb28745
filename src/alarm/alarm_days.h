#pragma once
// The alarm days of the current city, its separate Sunday alarm time and the
// status line above the clock.
#include "framework/datetime.h"

namespace kelvaro {

class Application;

// Sets the day items and the status line from the city's day mask; true when `day`
// (1 = Sunday .. 7 = Saturday) is an alarm day. Day 0 gives false.
bool ShowCityDays(Application& app, int day);
void StoreCityDays(Application& app);
void ShowSundayAlarm(Application& app);
void StoreSundayAlarm(Application& app);
// The minute step: the city's weekday, today's underline and TodayEnabled.
void WeekdayStep(Application& app, DateTime cityNow);
void installSundayAlarm(Application& app); // part of installAlarmDays

} // namespace kelvaro
