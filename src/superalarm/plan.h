#pragma once
// The super alarm's plan worked out backwards from a start-of-work or boarding
// time. Plain arithmetic on minutes of the day; the tab formats the results.
#include <array>
#include <optional>
#include <string_view>

namespace kelvaro {

inline constexpr int kPlanSteps = 9;
inline constexpr int kMinutesPerDay = 24 * 60;

struct PlanInput {
    std::array<int, kPlanSteps> minutes{}; // getting out of bed .. the margin before the start
    int target = 0;                        // minute of the day work starts or boarding closes
    int sleepHours = 0;
};

// Minutes of the day (0 .. 1439) of each result; a time before midnight of the
// target day is the clock time of the evening before.
struct PlanTimes {
    int alarm = 0;
    int bed = 0;
    int shower = 0;
    int dress = 0;
    int eat = 0;
    int drive = 0;
};

enum class PlanProblem { None, StepsFillADay, SleepFillsADay };

int planTotal(const PlanInput& in);
// A plan whose steps or sleep span a whole day has no clock time to show.
PlanProblem checkPlan(const PlanInput& in);
// Requires checkPlan(in) == PlanProblem::None.
PlanTimes computePlan(const PlanInput& in);

// Minutes of the day of a 12-hour clock time; nullopt unless 1 <= hour <= 12 and 0 <= minute <= 59.
std::optional<int> minuteOfDay12(int hour, int minute, bool pm);
// A field's whole number: digits only (as the fields' key filter lets through), at most six.
std::optional<int> planNumber(std::string_view text);

// Where "now" stands among the four step starts: 0 before the shower, 1 shower .. 4 driving.
// Compared as times of day, as the step lines show them.
int milestoneStage(int now, int shower, int dress, int eat, int drive);

} // namespace kelvaro
