#pragma once
// The super alarm: the planner's page (the plan worked out backwards from a start
// time, kept per city and as defaults) and the announcements of its steps.
#include <string>

namespace kelvaro {

class Application;
struct Control;

// sender: the field whose change asks for it, nullptr when the program asks.
void RecalculatePlan(Application& app, const Control* sender);
void SavePlanDefaults(Application& app);
void UsePlanDefaults(Application& app);
void LoadCityPlan(Application& app);
void StoreCityPlan(Application& app);
void SetSuperAlarm(Application& app);
// The planner page's minute check: 60 or more is refused and becomes 59.
void CheckPlannerMinute(Application& app);

void RefreshMilestones(Application& app);
void MusicStep(Application& app, int step);

// Minute of the day of a time shown as text; -1 when it does not read as a time.
int shownMinute(Application& app, const std::string& text);
std::string planTimeText(Application& app, int minuteOfDay); // "hh:mm AMPM"

void installPlanner(Application& app);
void installMilestones(Application& app);

} // namespace kelvaro
