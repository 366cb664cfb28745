#pragma once
// Minutes and plans the missed-alarm and alarm-record tests are written in.
#include "alarm/missed_alarms.h"

namespace kelvaro::testing {

// 2026-12-07 is a Monday.
inline std::int64_t at(int day, int hour, int minute) {
    return wholeMinute(encodeDate(2026, 12, day) + encodeTime(hour, minute, 0));
}

inline AlarmPlan everyDayAt(int hour, int minute) {
    AlarmPlan plan;
    plan.on = true;
    plan.days.fill(true);
    plan.minuteOfDay = hour * 60 + minute;
    return plan;
}

} // namespace kelvaro::testing
