#pragma once
// When the alarm sounds and what the user can do while it sounds: snooze, stop,
// the automatic limits and the alarm switch.
#include <cstdint>
#include <string>

namespace kelvaro {

class Application;

struct AlarmSoundingState {
    bool SilenceOnly = false;      // the next stop silences and keeps the alarm in progress
    bool MinimizeAfterStop = true; // a full stop minimises the application
    std::uint16_t DueHour = 0, DueMinute = 0;
};
AlarmSoundingState& alarmSoundingState(Application& app);

void CheckAlarmDue(Application& app);
// The alarm fires now (a due minute, a snooze's end, a missed alarm within the late limit).
void SoundAlarmNow(Application& app);
// The same for an alarm minute or snooze end of the city's clock (minutes since midnight) that
// the alarm test did not see: a missed alarm sounding late.
void SoundAlarmNow(Application& app, int dueMinuteOfDay);
void ShowSnoozeCountdown(Application& app);
void CheckMusicOff(Application& app);
void CheckAutoSnooze(Application& app);
void StartSnooze(Application& app);
void StopAlarmSound(Application& app);

// The alarm switch: the menu pair, the double-click on the alarm time, the taskbar menu.
void ON1Click(Application& app, const std::string& item);
void ImageAlarmOFFDblClick(Application& app);
void AlarmON1Click(Application& app);
void Labelsb1DblClick(Application& app);

// The desktop's notification of the alarm in progress, with "Snooze" and "Stop".
void ShowAlarmNotification(Application& app);
void CloseAlarmNotification(Application& app);

void installAlarmStop(Application& app);
void installAlarmNotification(Application& app);
void installSoundLimitBoxes(Application& app);

} // namespace kelvaro
