#include "alarm/missed_alarms.h"

#include <cmath>

namespace kelvaro {

namespace {

constexpr std::int64_t kDay = 1440;
constexpr std::int64_t kWeek = 7 * kDay;

// Day 0 (1899-12-30) was a Saturday.
int weekdayIndex(std::int64_t day) {
    return static_cast<int>(((day + 6) % 7 + 7) % 7); // 0 = Sunday
}

std::optional<std::int64_t> alarmOn(const AlarmPlan& plan, std::int64_t day) {
    const int weekday = weekdayIndex(day);
    if (!plan.on || !plan.days[static_cast<std::size_t>(weekday)]) return std::nullopt;
    const int minute = weekday == 0 && plan.sundayMinute ? *plan.sundayMinute : plan.minuteOfDay;
    return day * kDay + minute;
}

} // namespace

std::int64_t wholeMinute(DateTime value) {
    return floorDiv(toMilliseconds(value), 60000);
}

DateTime minuteToDateTime(std::int64_t minute) {
    return fromMilliseconds(minute * 60000);
}

std::vector<DueMoment> dueMoments(const AlarmPlan& plan, std::int64_t after, std::int64_t upTo) {
    std::vector<DueMoment> out;
    if (upTo - after > kWeek) after = upTo - kWeek; // a week off: older ones no longer matter
    if (upTo <= after) return out;
    for (std::int64_t day = floorDiv(after, kDay); day <= floorDiv(upTo, kDay); ++day)
        if (auto m = alarmOn(plan, day); m && *m > after && *m <= upTo) out.push_back({*m, false});
    if (plan.snoozeMinute) {
        std::int64_t end = floorDiv(after, kDay) * kDay + *plan.snoozeMinute;
        if (end <= after) end += kDay;
        if (end <= upTo) {
            auto at = out.begin();
            while (at != out.end() && at->minute < end)
                ++at;
            out.insert(at, {end, true});
        }
    }
    return out;
}

std::optional<DueMoment> nextDue(const AlarmPlan& plan, std::int64_t after) {
    auto moments = dueMoments(plan, after, after + kWeek);
    if (moments.empty()) return std::nullopt;
    return moments.front();
}

MissedVerdict judgeMissed(const std::vector<DueMoment>& missed, std::int64_t now, int lateLimitMinutes) {
    MissedVerdict verdict;
    for (auto it = missed.rbegin(); it != missed.rend(); ++it) {
        if (!verdict.sound && now - it->minute <= lateLimitMinutes)
            verdict.sound = *it;
        else
            verdict.reported.insert(verdict.reported.begin(), *it);
    }
    return verdict;
}

} // namespace kelvaro
