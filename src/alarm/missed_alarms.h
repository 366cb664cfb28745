#pragma once
// Alarm minutes and snooze ends that passed while the program was not ticking
// (the computer slept, the program was not running, the clock jumped forward),
// and the next alarm minute, for the wake-up. Plain rules on the city's clock;
// times are whole minutes counted from the framework's day 0.
#include "framework/datetime.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace kelvaro {

// What decides when the alarm sounds, read from the controls.
struct AlarmPlan {
    bool on = false;                 // the alarm switch
    std::array<bool, 7> days{};      // alarm days, [0] = Sunday
    int minuteOfDay = 0;             // the alarm time
    std::optional<int> sundayMinute; // a separate Sunday alarm time
    std::optional<int> snoozeMinute; // time of day a running snooze ends (whatever the switch says)
    friend bool operator==(const AlarmPlan&, const AlarmPlan&) = default;
};

struct DueMoment {
    std::int64_t minute = 0; // whole minutes since day 0, city time
    bool snooze = false;
    friend bool operator==(const DueMoment&, const DueMoment&) = default;
};

std::int64_t wholeMinute(DateTime value);
DateTime minuteToDateTime(std::int64_t minute);

// Every alarm minute and snooze end M with after < M <= upTo. A snooze ends once: only
// its first end after `after` counts. At most a week is looked at; older ones are dropped.
std::vector<DueMoment> dueMoments(const AlarmPlan& plan, std::int64_t after, std::int64_t upTo);

// The first alarm minute or snooze end after `after`, within a week.
std::optional<DueMoment> nextDue(const AlarmPlan& plan, std::int64_t after);

// What to do with moments missed by now: the latest one no more than lateLimit
// minutes ago sounds; every other one is only reported, so that last night's
// snooze does not ring in the office.
struct MissedVerdict {
    std::optional<DueMoment> sound;
    std::vector<DueMoment> reported;
};
MissedVerdict judgeMissed(const std::vector<DueMoment>& missed, std::int64_t now, int lateLimitMinutes);

} // namespace kelvaro
