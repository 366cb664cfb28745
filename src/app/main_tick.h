#pragma once
#include "framework/datetime.h"

namespace kelvaro {

class Application;

// The shift of a city's hours.minutes offset as a time of day (5.30 is 05:30).
DateTime cityShift(float cityOffset, const LocaleInfo& locale);
DateTime cityTime(DateTime now, float cityOffset, const LocaleInfo& locale);

void Timer1Timer(Application& app);
void installMainTick(Application& app);

} // namespace kelvaro
