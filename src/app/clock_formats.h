#pragma once
// The 12- and 24-hour forms: formats, the alarm boxes' layout, the switch.
#include <string>

namespace kelvaro {

class Application;

std::string TwoDigits(long long n);
bool is24Hour(Application& app);
// "hh:mm" or "h:mm AMPM", the form of the clock and the alarm label.
const char* clockFormat(Application& app);
void UpdateAlarmDisplay(Application& app);
void ApplyClockLayout(Application& app);
void N24HourFormat1Click(Application& app);
void installClockFormats(Application& app);

} // namespace kelvaro
