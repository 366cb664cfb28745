#pragma once
// The steps that the tick, the start-up and the close run for the features, and
// the questions one feature answers for another. A step is a named operation, so
// scripts can call it, but the program only reaches it through `Step`: a
// misspelt step fails the build, and the wiring check (app/wiring.h) finds
// a step that no feature defines.
#include "framework/application.h"

#include <functional>
#include <string>

namespace kelvaro {

// clang-format off
#define KELVARO_STEPS(X) \
    X(ApplyAlarmVolume) X(BannerStep) X(BatteryStep) X(CheckAlarmDue) \
    X(CheckAutoSnooze) X(CheckMusicOff) X(CheckOnline) X(CityGridEdited) X(DiscoverMixerLines) \
    X(EndSessionThreadTerminate) X(LoadCityZones) X(RefreshCityZones) X(SaveCityZones) \
    X(ShowCityZone) X(Flash1Timer) X(GivePlayerDefaultFile) X(LoadCitiesAtStart) X(LoadCityPlan) \
    X(LoadMusicListsAtStart) X(LogProgress) X(OnlineStartup) X(OpenBanner) X(PausePlayerForNote) \
    X(PlaceTaskbarClock) X(RaiseLevelsForNote) X(RefreshMilestones) X(RestoreLevelsAfterNote) \
    X(RestoreLineVolumes) X(SaveCityList) X(SaveLineVolumes) X(ServiceAlarmSound) X(SetMoonDate) \
    X(ShapeMainWindow) X(ShowCdTrack) X(ShowCityDays) X(ShowMainWindow) X(ShowPlannerAmPm) X(ShowSnoozeCountdown) \
    X(ShowSundayAlarm) X(ShowSundayAlarmAtStart) X(SleepMinuteStep) X(StopAlarmSound) \
    X(StoreCityAlarm) X(StoreCityPlan) X(StoreCityDays) X(SyncAlarmUpDowns) X(TFormCityCloseMore) \
    X(TFormCityShowMore) X(UpdateTaskbarClock) X(UpdateTrayTip) X(WatchPlayer) X(WebTimeMinuteStep) X(WeekdayStep) \
    X(CheckMissedAlarms) \
    X(RecordAlarmProgress)
// clang-format on
enum class Step {
#define KELVARO_STEP_ENUM(name) name,
    KELVARO_STEPS(KELVARO_STEP_ENUM)
#undef KELVARO_STEP_ENUM
};

inline constexpr Step kAllSteps[] = {
#define KELVARO_STEP_VALUE(name) Step::name,
    KELVARO_STEPS(KELVARO_STEP_VALUE)
#undef KELVARO_STEP_VALUE
};

const char* stepName(Step step);

void defineStep(Application& app, Step step, Operation op);
void defineStep(Application& app, Step step, std::function<void()> op);
bool stepDefined(Application& app, Step step);
// Runs the step; nothing when no feature defines it yet.
std::string runStep(Application& app, Step step, const Args& args = {});

// Questions a feature answers for others, with typed answers.
struct Queries {
    std::function<bool()> playerIsPlaying;
    // A change of the chosen city's zone just skipped the minute hour:minute of its wall clock.
    std::function<bool(int hour, int minute)> alarmMinuteSkipped;
    // The chosen city's wall clock shows a minute again that it showed before a change of its zone.
    std::function<bool()> cityMinuteRepeated;
    // The chosen city's zone for a tip: "CEST, UTC+02:00"; empty for a city without one.
    std::function<std::string()> cityZoneTip;
    // The city clock's time for the tray tip where the desktop cannot show the city clock
    // itself ("City clock 10:08 PM"); empty where it stands on the screen or is switched off.
    std::function<std::string()> cityClockTip;
    // How the computer gets to the alarm, for the tray tip: "Wakes the computer for the alarm (...)".
    std::function<std::string()> wakeTip;
    // No wake-up works here: the power feature keeps its sleep block while this is true.
    std::function<bool()> keepAwakeForAlarm;
    // The present minute rang or was passed before this start (the alarm record says so).
    std::function<bool()> alarmMinuteDealtWith;
};
Queries& queries(Application& app);
bool playerIsPlaying(Application& app);
bool alarmMinuteSkipped(Application& app, int hour, int minute);
bool cityMinuteRepeated(Application& app);
std::string cityZoneTip(Application& app);
bool alarmMinuteDealtWith(Application& app);

} // namespace kelvaro
