#pragma once
// The alarm boxes under the clock: their lists, the checks on leaving them,
// their key filters and the up-down buttons.
namespace kelvaro {

class Application;
struct Control;

void ComboBoxHourExit(Application& app);
void ComboBoxMinuteExit(Application& app);
void ComboBoxAMPMExit(Application& app);
void ComboBoxSnoozeExit(Application& app);
// The planner's hour box takes only the 12-hour rule and leaves MayRaiseWindow alone.
void CheckPlannerHourBox(Application& app, Control& box);

} // namespace kelvaro
