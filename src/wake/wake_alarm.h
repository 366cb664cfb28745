#pragma once
// An alarm that cannot be slept through: the computer is woken (or kept awake)
// for the next alarm, alarms missed while the program was not ticking sound late
// or are reported, and one verdict says whether tomorrow's alarm will ring.
#include "alarm/missed_alarms.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

class Application;
struct Form;

// How the computer gets to the alarm, best first.
enum class WakeTier {
    WakeTimer,   // the kernel's alarm timer (the program's own or the helper's)
    SystemTimer, // a system timer that wakes the machine
    StayAwake,   // no wake-up: the computer is kept from sleeping while an alarm is near
    None,        // the computer will not wake for the alarm
};

struct WakeState {
    std::optional<std::int64_t> armedAt; // UTC seconds of the wake-up asked for
    bool armFailed = false;              // the system refused the last wake-up
    std::optional<AlarmPlan> armedPlan;  // the plan the wake-up was worked out from
    std::int64_t armedCityMinute = -1;
    std::int64_t lastTickUtcMs = 0; // 0: no tick yet
    double lastCityNow = 0;
    bool noWakeNoteShown = false;
    // A desktop notification for missed alarms; filled by the notification feature.
    std::function<void(const std::string& title, const std::string& body)> notify;
};
WakeState& wakeState(Application& app);

AlarmPlan alarmPlan(Application& app);
WakeTier wakeTierInForce(Application& app);
std::string wakeTierText(Application& app);
// UTC seconds of a city date-time, through the computer's zone.
std::int64_t cityToUtcSeconds(Application& app, DateTime city);

// Re-arms the wake-up for the next alarm (or removes it); cheap when nothing changed.
void RearmWakeUp(Application& app, bool force = false);
// The tick's look back: alarms that fell due while the program was not ticking.
void CheckMissedAlarms(Application& app);
// Why alarms were missed, as the note of one that sounds late says it.
enum class MissedBecause {
    NotTicking, // a sleep or a clock set forward while the program ran
    NotRunning, // the program was closed, killed or the computer was off
};
// Sounds the latest of these city minutes within the late limit, reports the others.
void DealWithMissed(Application& app, std::vector<DueMoment> missed, std::int64_t toMinute,
                    MissedBecause because);
// The first tick's look back, from the alarm record in the program folder to now.
void LookBackFromRecord(Application& app);
// Writes the alarm record when something changed (cheap otherwise), or always when forced.
void RecordAlarmProgress(Application& app, bool force = false);

void addWakeControls(Form& notebook);
void installWakeUp(Application& app);
void installMissedAlarms(Application& app);
void installAlarmRecord(Application& app);

} // namespace kelvaro
