// Ending the sound, fully or only silencing it, and the alarm switch with its
// three handlers and messages.
#include "alarm/alarm_sounding.h"

#include "framework/application.h"
#include "framework/datetime.h"
#include "app/show_note.h"
#include "settings/settings_lock.h"
#include "settings/settings_store.h"
#include "sound/alarm_sound.h"
#include "sound/music_lists.h"

namespace kelvaro {

namespace {

constexpr int kBlack = 0;
constexpr int kMaroon = 128;
constexpr const char* kAlarmOffNote = "You have turned your alarm off. It will be silent.";

void stopPlayer(Application& app) {
    MediaPlayer* player = app.platform().player;
    if (!player) return;
    // A player paused for a message would otherwise be resumed by the watch.
    const PlayerMode mode = player->mode();
    if (mode != PlayerMode::Playing && mode != PlayerMode::Paused) return;
    try {
        player->stop();
    } catch (const std::exception&) {
    }
    try {
        player->close();
    } catch (const std::exception&) {
    }
}

bool testVolumeLit(Application& app) {
    const Control* lamp = app.find("LightCheckTestVolume");
    return lamp && lamp->checked;
}

void refreshTaskbar(Application& app, bool withBlank) {
    const bool on = app.ctl("ON1").checked;
    app.hook("UpdateTaskbarClock", {app.ctl("LabelTime").caption + (withBlank ? " " : ""), on ? "0" : "128"});
}

void showSwitchIndicators(Application& app) {
    const bool off = !app.ctl("ON1").checked;
    app.ctl("ImageAlarmOFF").visible = off;
    app.ctl("LabelAlarmOFF").visible = off;
}

std::string alarmOnNote(Application& app, const char* on) {
    return std::string("You have turned your alarm ") + on + ".  It will play " +
           app.ctl("LabelSound").caption + " at " + app.ctl("LabelAlarmTime").caption + ".";
}

void setSwitch(Application& app, bool on) {
    app.ctl("ON1").checked = on;
    app.ctl("OFF1").checked = !on;
}

// The double-click flip; `offOnly` is the "Alarm Once" step, which never switches on.
void flipAlarmSwitch(Application& app, bool offOnly) {
    if (ConfirmSettingChange(app)) return;
    const bool on = !app.ctl("ON1").checked;
    if (offOnly && on) return;
    setSwitch(app, on);
    refreshTaskbar(app, true);
    showSwitchIndicators(app);
    ShowNote(app, on ? alarmOnNote(app, "awwn") : kAlarmOffNote, true);
    SaveAllSettings(app);
    refreshTaskbar(app, true);
}

} // namespace

void StopAlarmSound(Application& app) {
    AlarmSoundingState& a = alarmSoundingState(app);
    SoundState& s = soundState(app);
    // Only the end of a real alarm may switch the alarm off; not a volume test,
    // and not the stop made when the window closes with no alarm at all.
    const bool realAlarmEnds = alarmInProgress(app) && !testVolumeLit(app);
    s.DingRequested = s.CdRequested = s.MidiRequested = s.MediaRequested = false;
    app.ctl("LabelCDTrack").caption.clear();
    s.SoundPlaying = false;
    app.ctl("LabelSnozDiff").caption = "00" + app.locale().timeSeparator + "00";
    stopPlayer(app);
    app.ctl("Flash1").enabled = false;
    app.hook("RestoreLineVolumes");
    app.ctl("LabelAlarmTime").color = kBlack;
    if (a.SilenceOnly) {
        app.ctl("ButtonStopAlarm").enabled = true;
        app.ctl("MusicSettings1").enabled = false;
    } else {
        if (app.ctl("CheckBoxAlarmOnce1").checked && realAlarmEnds && app.ctl("ON1").checked)
            flipAlarmSwitch(app, true);
        if (!testVolumeLit(app) && app.main.MayRaiseWindow && a.MinimizeAfterStop)
            app.applicationMinimized = true;
        a.MinimizeAfterStop = true;
        app.main.SuperAlarmMusicStep = 1;
        listPlayState(app).reset();
        app.ctl("LightCheckSnooze").checked = false;
        app.ctl("LabelSnozDiff").visible = false;
        app.ctl("LabelSnoozz").visible = false;
        app.ctl("MusicSettings1").enabled = true;
        app.ctl("ButtonStopAlarm").enabled = false;
        app.ctl("ButtonTestVolume").enabled = true;
        if (Control* lamp = app.find("LightCheckTestVolume")) lamp->checked = false;
    }
    a.SilenceOnly = false;
}

void ON1Click(Application& app, const std::string& item) {
    if (ConfirmSettingChange(app)) return;
    setSwitch(app, item != "OFF1");
    refreshTaskbar(app, true);
    showSwitchIndicators(app);
    ShowNote(app, app.ctl("ON1").checked ? alarmOnNote(app, "on") : kAlarmOffNote, true);
}

void ImageAlarmOFFDblClick(Application& app) {
    flipAlarmSwitch(app, false);
}

void AlarmON1Click(Application& app) {
    if (ConfirmSettingChange(app)) return;
    setSwitch(app, !app.ctl("ON1").checked);
    refreshTaskbar(app, false);
    showSwitchIndicators(app);
    SaveAllSettings(app);
}

// Sounds a missed alarm of today late, from the planner's status line.
void Labelsb1DblClick(Application& app) {
    const Control* status = app.find("Labelsb1");
    if (!status || status->caption.empty() || status->caption == "...") return;
    if (alarmInProgress(app) || !app.ctl("ON1").checked || !app.main.TodayEnabled) return;
    const LocaleInfo& loc = app.locale();
    const DateTime now = strToTimeOrThrow(app.ctl("LabelTime").caption, loc);
    const DateTime alarm = strToTimeOrThrow(app.ctl("LabelAlarmTime").caption, loc);
    if (toMilliseconds(now) < toMilliseconds(alarm)) return;
    app.hook("SaveLineVolumes");
    RequestCheckedSource(app);
    soundState(app).AlarmStartTime = app.now();
    ShowAlarmControls(app);
    app.hook("RefreshMilestones");
}

void installAlarmStop(Application& app) {
    app.ctl("ButtonStopAlarm").handlers[Event::Click] = "ButtonStopAlarmClick";
    app.defineOperation("ButtonStopAlarmClick", [&app] { StopAlarmSound(app); });
    app.defineOperation("StopAlarmSound", [&app] { StopAlarmSound(app); });
    app.ctl("ON1").handlers[Event::Click] = "ON1Click";
    app.ctl("OFF1").handlers[Event::Click] = "OFF1Click";
    app.defineOperation("ON1Click", [&app](const Args& a) {
        ON1Click(app, a.empty() ? "ON1" : a[0]);
        return std::string();
    });
    app.defineOperation("OFF1Click", [&app] { ON1Click(app, "OFF1"); });
    for (const char* name : {"LabelAlarmTime", "ImageAlarmON", "ImageAlarmOFF", "LabelAlarmOFF"})
        if (Control* c = app.find(name)) c->handlers[Event::DblClick] = "ImageAlarmOFFDblClick";
    app.defineOperation("ImageAlarmOFFDblClick", [&app] { ImageAlarmOFFDblClick(app); });
    if (Control* item = app.find("AlarmON1")) item->handlers[Event::Click] = "AlarmON1Click";
    app.defineOperation("AlarmON1Click", [&app] { AlarmON1Click(app); });
    for (const char* name : {"Labelsb1", "Labelsb2"})
        if (Control* c = app.find(name)) c->handlers[Event::DblClick] = "Labelsb1DblClick";
    app.defineOperation("Labelsb1DblClick", [&app] { Labelsb1DblClick(app); });
}

} // namespace kelvaro
