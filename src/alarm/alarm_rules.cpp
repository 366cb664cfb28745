#include "alarm/alarm_rules.h"

#include "framework/translatable.h"

namespace kelvaro {

namespace {
constexpr const char* kDayLetters[7] = {KV_TR("Su "), KV_TR("Mo "), KV_TR("Tu "), KV_TR("We "),
                                        KV_TR("Th "), KV_TR("Fr "), KV_TR("Sa ")};
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
    // One pattern of seven letters, so a language shows its own letters in the same columns.
    std::string days[7];
    for (int d = 0; d < 7; ++d)
        days[d] = (mask & dayBit(d + 1)) ? kDayLetters[d] : "-- ";
    return fillPattern(KV_TR("%1%2%3%4%5%6%7"),
                       {days[0], days[1], days[2], days[3], days[4], days[5], days[6]});
}

std::string underlineFor(int weekday) {
    std::string text;
    for (int d = 1; d <= 7; ++d)
        text += d == weekday ? "__ " : "   ";
    return text;
}

} // namespace kelvaro
