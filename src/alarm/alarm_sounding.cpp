// The alarm test of each minute, the snooze with its countdown, the automatic
// limits, the key that snoozes and the blinking of the alarm time.
#include "alarm/alarm_sounding.h"

#include "alarm/sounding_rules.h"
#include "framework/application.h"
#include "framework/colors.h"
#include "framework/datetime.h"
#include "app/features.h"
#include "framework/form_builder.h"
#include "sound/alarm_sound.h"
#include "sound/music_lists.h"

namespace kelvaro {

namespace {

bool snoozing(Application& app) {
    return app.ctl("LightCheckSnooze").checked;
}

void showSnoozeLabels(Application& app, bool shown) {
    app.ctl("LabelSnozDiff").visible = shown;
    app.ctl("LabelSnoozz").visible = shown;
}

std::string dueAlarmText(Application& app) {
    // A separate Sunday time that was never set leaves the ordinary alarm time in force.
    const std::string& sunday = app.ctl("LabelSundayAlarm1").caption;
    if (app.ctl("SundayAlarmSeperate1").checked && dayOfWeek(app.main.CityNow) == 1 && !sunday.empty())
        return sunday;
    return app.ctl("LabelAlarmTime").caption;
}

// At the alarm of a super-alarm morning the music starts again with the first step's piece.
bool startsSuperAlarmMusic(Application& app) {
    const Control* status = app.find("Labelss");
    return app.ctl("MP3Music1").checked && app.ctl("RadioButtonWInOrder").checked &&
           app.ctl("CheckBoxSTNewMusic").checked && app.ctl(kMediaGrid).cells.size() >= 5 &&
           app.main.SuperAlarmActive && !(status && status->color == colors::Green);
}

void addSnoozeLabels(Application& app) {
    Form& f = app.form("TFormKelvaro");
    addLabel(f, "LabelSnoozz", "Snooze", {410, 214, 48, 16}).visible = false;
    Control& countdown = addLabel(f, "LabelSnozDiff", "~00:00", {458, 214, 56, 16});
    countdown.visible = false;
    countdown.hint = "After Alarm sounds press ANY Key to extend the Snooze Time";
    app.ctl("ButtonStopAlarm").hint = "Stop Alarm Sound until next alarm";
    app.ctl("LightCheckSnooze").hint = "Snoozing = Blue";
}

void formKeyPress(Application& app) {
    if (!alarmInProgress(app)) return;
    if (KeyEvent* key = app.currentKey()) key->suppressed = true;
    StartSnooze(app);
}

void flash1Timer(Application& app) {
    Control& label = app.ctl("LabelAlarmTime");
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
    const bool due = m.CityHour == a.DueHour && m.CityMinute == a.DueMinute;
    // A running snooze comes back even when the alarm was switched off meanwhile.
    if (!((app.ctl("ON1").checked && m.TodayEnabled && due) || (due && snooze))) return;
    if (startsSuperAlarmMusic(app)) m.SuperAlarmMusicStep = 1;
    app.ctl("LightCheckSnooze").checked = false;
    showSnoozeLabels(app, false);
    RequestAlarmSound(app);
}

void ShowSnoozeCountdown(Application& app) {
    const MainState& m = app.main;
    Control& countdown = app.ctl("LabelSnozDiff");
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
    if (!app.ctl("CheckBoxSnooze1").checked) {
        // Snoozing is off: the sound stops and nothing brings it back.
        app.ctl("LightCheckSnooze").checked = false;
        showSnoozeLabels(app, false);
        a.SilenceOnly = true;
        StopAlarmSound(app);
        return;
    }
    m.SnoozeUntil = snoozeEnd(m.CityTimeOfDay, app.ctl("ComboBoxSnooze").text, app.locale());
    app.ctl("LightCheckSnooze").checked = true;
    showSnoozeLabels(app, true);
    a.SilenceOnly = true;
    StopAlarmSound(app);
    // The stop clears the countdown; show the new snooze at once, not a second later.
    app.ctl("LabelSnozDiff").caption = snoozeCountdown(m.SnoozeUntil, m.CityTimeOfDay, app.locale());
    app.ctl("LabelAlarmTime").color = colors::Blue;
}

void installAlarmSounding(Application& app) {
    addSnoozeLabels(app);
    installAlarmStop(app);
    installSoundLimitBoxes(app);
    Form& window = app.form("TFormKelvaro");
    window.handlers[Event::KeyDown] = "FormKeyPress";
    window.handlers[Event::KeyPress] = "FormKeyPress";
    app.defineOperation("FormKeyPress", [&app] { formKeyPress(app); });
    app.defineOperation("Flash1Timer", [&app] { flash1Timer(app); });
    app.ctl("Flash1").handlers[Event::Click] = "Flash1Timer";
    for (const char* label : {"LabelSnoozz", "LabelSnozDiff"})
        app.ctl(label).handlers[Event::DblClick] = "LabelSnoozzDblClick";
    app.defineOperation("LabelSnoozzDblClick", [&app] {
        if (alarmInProgress(app)) StartSnooze(app);
    });
    // Choosing or entering the snooze box during an alarm snoozes (its click saves).
    app.ctl("ComboBoxSnooze").handlers[Event::Change] = "ComboBoxSnoozeChange";
    app.ctl("ComboBoxSnooze").handlers[Event::Enter] = "ComboBoxSnoozeChange";
    app.defineOperation("ComboBoxSnoozeChange", [&app] { StartSnooze(app); });
    app.defineOperation("StartSnooze", [&app] { StartSnooze(app); });
    app.defineOperation("CheckAlarmDue", [&app] { CheckAlarmDue(app); });
    app.defineOperation("ShowSnoozeCountdown", [&app] { ShowSnoozeCountdown(app); });
    app.defineOperation("CheckMusicOff", [&app] { CheckMusicOff(app); });
    app.defineOperation("CheckAutoSnooze", [&app] { CheckAutoSnooze(app); });
    AlarmSoundingState& a = alarmSoundingState(app);
    app.defineState("SilenceOnly", [&a] { return std::string(a.SilenceOnly ? "true" : "false"); });
    app.defineState("MinimizeAfterStop",
                    [&a] { return std::string(a.MinimizeAfterStop ? "true" : "false"); });
    app.defineState("DueHour", [&a] { return std::to_string(a.DueHour); });
    app.defineState("DueMinute", [&a] { return std::to_string(a.DueMinute); });
}

} // namespace kelvaro
