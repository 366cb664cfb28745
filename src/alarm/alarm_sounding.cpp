// The alarm test of each minute, the snooze with its countdown, the automatic
// limits, the key that snoozes and the blinking of the alarm time.
#include "alarm/alarm_sounding.h"
#include "app/steps.h"
#include "app/windows.h"
#include "framework/translatable.h"

#include "alarm/announcements.h"
#include "alarm/sounding_rules.h"
#include "app/features.h"
#include "framework/application.h"
#include "framework/colors.h"
#include "framework/conversions.h"
#include "framework/datetime.h"
#include "framework/form_builder.h"
#include "framework/handle.h"
#include "sound/alarm_sound.h"
#include "sound/music_lists.h"

namespace kelvaro {

namespace {

bool snoozing(Application& app) {
    return mainWindow(app).LightCheckSnooze.checked;
}

void showSnoozeLabels(Application& app, bool shown) {
    mainWindow(app).LabelSnozDiff.visible = shown;
    mainWindow(app).LabelSnoozz.visible = shown;
}

std::string dueAlarmText(Application& app) {
    // A separate Sunday time that was never set leaves the ordinary alarm time in force.
    const std::string& sunday = mainWindow(app).LabelSundayAlarm1.caption;
    if (mainWindow(app).SundayAlarmSeperate1.checked && dayOfWeek(app.main.CityNow) == 1 && !sunday.empty())
        return sunday;
    return mainWindow(app).LabelAlarmTime.caption;
}

// At the alarm of a super-alarm morning the music starts again with the first step's piece.
bool startsSuperAlarmMusic(Application& app) {
    return mainWindow(app).MP3Music1.checked && notebook(app).RadioButtonWInOrder.checked &&
           notebook(app).CheckBoxSTNewMusic.checked && notebook(app).MgridWave.cells.size() >= 5 &&
           app.main.SuperAlarmActive && mainWindow(app).Labelss.color != colors::Green;
}

} // namespace

// Runs before the window handles are bound, so it finds controls by the names they are built under.
void addSnoozeLabels(Form& f) {
    addLabel(f, "LabelSnoozz", KV_TR("Snooze"), {410, 214, 48, 16}).visible = false;
    Control& countdown = addLabel(f, "LabelSnozDiff", "~00:00", {458, 214, 56, 16});
    countdown.visible = false;
    countdown.hint = KV_TR("After Alarm sounds press ANY Key to extend the Snooze Time");
    f.find("ButtonStopAlarm")->hint = KV_TR("Stop Alarm Sound until next alarm");
    f.find("LightCheckSnooze")->hint = KV_TR("Snoozing = Blue");
}

namespace {

void formKeyPress(Application& app) {
    if (!alarmInProgress(app)) return;
    KeyEvent* key = app.currentKey();
    // Space on "Stop Alarm", reached with Tab, presses it: the keyboard's way to end the alarm.
    if (key && key->key == "Space" && app.focused() == mainWindow(app).ButtonStopAlarm.name) return;
    if (key) key->suppressed = true;
    StartSnooze(app);
}

void flash1Timer(Application& app) {
    Control& label = mainWindow(app).LabelAlarmTime;
    label.color = label.color == colors::DarkRed ? colors::Green : colors::DarkRed;
}

} // namespace

AlarmSoundingState& alarmSoundingState(Application& app) {
    return app.feature<AlarmSoundingState>();
}

void CheckAlarmDue(Application& app) {
    AlarmSoundingState& a = alarmSoundingState(app);
    MainState& m = app.main;
    const bool snooze = snoozing(app);
    if (!snooze) {
        const TimeParts t = decodeTime(timeOfDay(strToTimeOrThrow(dueAlarmText(app), app.locale())));
        a.DueHour = static_cast<std::uint16_t>(t.hour);
        a.DueMinute = static_cast<std::uint16_t>(t.minute);
    }
    bool due = m.CityHour == a.DueHour && m.CityMinute == a.DueMinute;
    // A change of the city's zone: a skipped alarm minute rings at the first minute after the gap,
    // a repeated one rings once.
    if (alarmMinuteSkipped(app, a.DueHour, a.DueMinute))
        due = true;
    else if (!snooze && (cityMinuteRepeated(app) || alarmMinuteDealtWith(app)))
        due = false;
    // A running snooze comes back even when the alarm was switched off meanwhile.
    if (!((mainWindow(app).ON1.checked && m.TodayEnabled && due) || (due && snooze))) return;
    SoundAlarmNow(app);
}

void SoundAlarmNow(Application& app) {
    if (startsSuperAlarmMusic(app)) app.main.SuperAlarmMusicStep = 1;
    mainWindow(app).LightCheckSnooze.checked = false;
    showSnoozeLabels(app, false);
    RequestAlarmSound(app);
    ShowAlarmNotification(app);
    announce(app, Announcement::AlarmSounding);
}

void SoundAlarmNow(Application& app, int dueMinuteOfDay) {
    AlarmSoundingState& a = alarmSoundingState(app);
    const int minute = (dueMinuteOfDay % 1440 + 1440) % 1440;
    a.DueHour = static_cast<std::uint16_t>(minute / 60); // the notification names this time
    a.DueMinute = static_cast<std::uint16_t>(minute % 60);
    SoundAlarmNow(app);
}

void ShowSnoozeCountdown(Application& app) {
    const MainState& m = app.main;
    Control& countdown = mainWindow(app).LabelSnozDiff;
    if (!snoozing(app)) {
        countdown.caption = "00" + app.locale().timeSeparator + "00";
        return;
    }
    AlarmSoundingState& a = alarmSoundingState(app);
    const TimeParts end = decodeTime(timeOfDay(m.SnoozeUntil));
    a.DueHour = static_cast<std::uint16_t>(end.hour);
    a.DueMinute = static_cast<std::uint16_t>(end.minute);
    countdown.caption = snoozeCountdown(m.SnoozeUntil, m.CityTimeOfDay, app.locale());
}

void CheckMusicOff(Application& app) {
    const int minutes = app.main.MusicOffMinutes;
    if (minutes <= 0 || !alarmInProgress(app)) return;
    if (limitReached(soundState(app).AlarmStartTime, app.now(), minutes)) StopAlarmSound(app);
}

void CheckAutoSnooze(Application& app) {
    const int minutes = app.main.AutoSnoozeMinutes;
    if (minutes <= 0 || snoozing(app) || !alarmInProgress(app)) return;
    if (limitReached(soundState(app).AlarmStartTime, app.now(), minutes)) StartSnooze(app);
}

void StartSnooze(Application& app) {
    if (!alarmInProgress(app)) return;
    MainState& m = app.main;
    AlarmSoundingState& a = alarmSoundingState(app);
    if (!notebook(app).CheckBoxSnooze1.checked) {
        // Snoozing is off: the sound stops and nothing brings it back.
        mainWindow(app).LightCheckSnooze.checked = false;
        showSnoozeLabels(app, false);
        a.SilenceOnly = true;
        StopAlarmSound(app);
        return;
    }
    m.SnoozeUntil = snoozeEnd(m.CityTimeOfDay, mainWindow(app).ComboBoxSnooze.text, app.locale());
    mainWindow(app).LightCheckSnooze.checked = true;
    showSnoozeLabels(app, true);
    a.SilenceOnly = true;
    StopAlarmSound(app);
    // The stop clears the countdown; show the new snooze at once, not a second later.
    mainWindow(app).LabelSnozDiff.caption = snoozeCountdown(m.SnoozeUntil, m.CityTimeOfDay, app.locale());
    mainWindow(app).LabelAlarmTime.color = colors::Blue;
    runStep(app, Step::RecordAlarmProgress); // a kill before the next tick keeps the snooze's end
    announce(app, Announcement::Snoozed, strToIntDef(mainWindow(app).ComboBoxSnooze.text, 0));
}

void installAlarmSounding(Application& app) {
    installAlarmStop(app);
    installAlarmNotification(app);
    installSoundLimitBoxes(app);
    Form& window = mainWindow(app).form;
    handle(app, window, Event::KeyDown, "FormKeyPress", [&app] { formKeyPress(app); });
    window.handlers[Event::KeyPress] = window.handlers[Event::KeyDown];
    defineStep(app, Step::Flash1Timer, [&app] { flash1Timer(app); });
    mainWindow(app).Flash1.handlers[Event::Click] = stepName(Step::Flash1Timer);
    for (Control* label : {&mainWindow(app).LabelSnoozz, &mainWindow(app).LabelSnozDiff})
        handle(app, *label, Event::DblClick, "LabelSnoozzDblClick", [&app] {
            if (alarmInProgress(app)) StartSnooze(app);
        });
    // Choosing or entering the snooze box during an alarm snoozes (its click saves).
    Control& snooze = mainWindow(app).ComboBoxSnooze;
    handle(app, snooze, Event::Change, "ComboBoxSnoozeChange", [&app] { StartSnooze(app); });
    snooze.handlers[Event::Enter] = snooze.handlers[Event::Change];
    app.defineOperation("StartSnooze", [&app] { StartSnooze(app); });
    defineStep(app, Step::CheckAlarmDue, [&app] { CheckAlarmDue(app); });
    defineStep(app, Step::ShowSnoozeCountdown, [&app] { ShowSnoozeCountdown(app); });
    defineStep(app, Step::CheckMusicOff, [&app] { CheckMusicOff(app); });
    defineStep(app, Step::CheckAutoSnooze, [&app] { CheckAutoSnooze(app); });
    AlarmSoundingState& a = alarmSoundingState(app);
    app.defineState("SilenceOnly", [&a] { return std::string(a.SilenceOnly ? "true" : "false"); });
    app.defineState("MinimizeAfterStop",
                    [&a] { return std::string(a.MinimizeAfterStop ? "true" : "false"); });
    app.defineState("DueHour", [&a] { return std::to_string(a.DueHour); });
    app.defineState("DueMinute", [&a] { return std::to_string(a.DueMinute); });
}

} // namespace kelvaro
