#include "superalarm/plan.h"

#include <numeric>

namespace kelvaro {

namespace {

int wrap(int minutes) {
    const int m = minutes % kMinutesPerDay;
    return m < 0 ? m + kMinutesPerDay : m;
}

} // namespace

int planTotal(const PlanInput& in) {
    return std::accumulate(in.minutes.begin(), in.minutes.end(), 0);
}

PlanProblem checkPlan(const PlanInput& in) {
    if (planTotal(in) >= kMinutesPerDay) return PlanProblem::StepsFillADay;
    if (in.sleepHours >= 24) return PlanProblem::SleepFillsADay;
    return PlanProblem::None;
}

PlanTimes computePlan(const PlanInput& in) {
    PlanTimes t;
    t.alarm = wrap(in.target - planTotal(in));
    t.bed = wrap(t.alarm - in.sleepHours * 60);
    const auto& m = in.minutes;
    t.shower = wrap(t.alarm + m[0]);
    t.dress = wrap(t.shower + m[1]);
    t.eat = wrap(t.dress + m[2]);
    t.drive = wrap(t.eat + m[3]);
    return t;
}

std::optional<int> minuteOfDay12(int hour, int minute, bool pm) {
    if (hour < 1 || hour > 12 || minute < 0 || minute > 59) return std::nullopt;
    return (hour % 12 + (pm ? 12 : 0)) * 60 + minute;
}

std::optional<int> planNumber(std::string_view text) {
    if (text.empty() || text.size() > 6) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

int milestoneStage(int now, int shower, int dress, int eat, int drive) {
    if (now >= drive) return 4;
    if (now >= eat) return 3;
    if (now >= dress) return 2;
    if (now >= shower) return 1;
    return 0;
}

} // namespace kelvaro
