#pragma once
#include "framework/datetime.h"

#include <cstddef>
#include <string>
#include <vector>

namespace kelvaro {

class Application;

// The shift of a city's hours.minutes offset as a time of day (5.30 is 05:30).
DateTime cityShift(float cityOffset, const LocaleInfo& locale);
DateTime cityTime(DateTime now, float cityOffset, const LocaleInfo& locale);

// The clock's captions for the `count` minutes after the one it shows, as the tick will
// write them if nothing changes meanwhile; none while its format shows the seconds.
std::vector<std::string> comingClockCaptions(Application& app, std::size_t count);
// The same for the taskbar clock, which the tick gives the clock's caption and a space.
std::string taskbarClockCaption(const std::string& clockCaption);
std::vector<std::string> comingTaskbarClockCaptions(Application& app, std::size_t count);

void Timer1Timer(Application& app);
void installMainTick(Application& app);

} // namespace kelvaro
