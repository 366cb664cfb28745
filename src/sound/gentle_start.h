#pragma once
// The gentle start of an alarm: its line climbs from a quiet level to the alarm
// level over a chosen number of seconds, so a sleeper is woken, not startled.
#include <cstdint>

namespace kelvaro {

// A twentieth of the alarm level (at least 1): heard in a quiet bedroom, not a shock.
int gentleStartLevel(int alarmLevel);
// The level `elapsedMs` into a climb of `seconds`; the alarm level once the climb is over.
int gentleLevelAt(int alarmLevel, std::int64_t elapsedMs, int seconds);

} // namespace kelvaro
