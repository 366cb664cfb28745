#pragma once
// The plain rules behind the alarm boxes and the alarm days: which values the
// boxes accept, which keys pass, and the day mask with its status texts.
#include <array>
#include <string>

namespace kelvaro {

// Hour limits of the alarm hour box: 0..23 in the 24-hour form, 1..12 otherwise.
bool hourOutOfRange(int hour, bool h24);
bool minuteOutOfRange(int minute);  // 60 and above
bool snoozeOutOfRange(int minutes); // above 59

// Key filters; `character` is the character the key produces (Backspace = 8).
bool passesAmPmFilter(char character);  // Backspace and the capitals A, M, P
bool passesDigitFilter(char character); // Backspace and 0..9

// Day mask: bit 1 Sunday, 2 Monday, 4 Tuesday, ... 64 Saturday.
constexpr int kAllDaysMask = 127;
constexpr int kWeekDaysMask = 62;
constexpr int kWeekendsMask = 65;
using DayChecks = std::array<bool, 7>; // [0] = Sunday

int dayBit(int day); // day 1 = Sunday .. 7 = Saturday; 0 for anything else
int maskOfChecks(const DayChecks& checks);
DayChecks checksOfMask(int mask);
bool dayInMask(int mask, int day); // false for day 0
// "Su Mo Tu We Th Fr Sa " with "-- " for each day left out.
std::string daysSummary(int mask);
// "__ " under today, three blanks under every other day.
std::string underlineFor(int weekday);

} // namespace kelvaro
