#include "alarm/alarm_rules.h"

namespace kelvaro {

namespace {
constexpr const char* kDayLetters[7] = {"Su ", "Mo ", "Tu ", "We ", "Th ", "Fr ", "Sa "};
}

bool hourOutOfRange(int hour, bool h24) {
    return h24 ? (hour > 23 || hour < 0) : (hour > 12 || hour < 1);
}

bool minuteOutOfRange(int minute) {
    return minute >= 60;
}

bool snoozeOutOfRange(int minutes) {
    return minutes > 59;
}

bool passesAmPmFilter(char character) {
    return character == 8 || character == 'A' || character == 'M' || character == 'P';
}

bool passesDigitFilter(char character) {
    return character == 8 || (character >= '0' && character <= '9');
}

int dayBit(int day) {
    return day >= 1 && day <= 7 ? 1 << (day - 1) : 0;
}

int maskOfChecks(const DayChecks& checks) {
    int mask = 0;
    for (int d = 0; d < 7; ++d)
        if (checks[d]) mask |= dayBit(d + 1);
    return mask;
}

DayChecks checksOfMask(int mask) {
    DayChecks checks{};
    for (int d = 0; d < 7; ++d)
        checks[d] = (mask & dayBit(d + 1)) != 0;
    return checks;
}

bool dayInMask(int mask, int day) {
    return (mask & dayBit(day)) != 0;
}

std::string daysSummary(int mask) {
    std::string text;
    for (int d = 0; d < 7; ++d)
        text += (mask & dayBit(d + 1)) ? kDayLetters[d] : "-- ";
    return text;
}

std::string underlineFor(int weekday) {
    std::string text;
    for (int d = 1; d <= 7; ++d)
        text += d == weekday ? "__ " : "   ";
    return text;
}

} // namespace kelvaro
