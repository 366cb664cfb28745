// Ending the sound, fully or only silencing it, and the alarm switch with its
// three handlers and messages.
#include "alarm/alarm_sounding.h"
#include "app/steps.h"
#include "app/windows.h"
#include "framework/translatable.h"

#include "app/show_note.h"
#include "framework/application.h"
#include "framework/datetime.h"
#include "framework/handle.h"
#include "settings/settings_lock.h"
#include "settings/settings_store.h"
#include "sound/alarm_sound.h"
#include "sound/music_lists.h"

namespace kelvaro {

namespace {

constexpr int kBlack = 0;
constexpr int kMaroon = 128;
constexpr const char* kAlarmOffNote = KV_TR("You have turned your alarm off. It will be silent.");

void stopPlayer(Application& app) {
    MediaPlayer* player = app.platform().player;
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
    return mainWindow(app).LightCheckTestVolume.checked;
}

void refreshTaskbar(Application& app, bool withBlank) {
    const bool on = mainWindow(app).ON1.checked;
    runStep(app, Step::UpdateTaskbarClock,
            {mainWindow(app).LabelTime.caption + (withBlank ? " " : ""), on ? "0" : "128"});
}

void showSwitchIndicators(Application& app) {
    const bool off = !mainWindow(app).ON1.checked;
    mainWindow(app).ImageAlarmOFF.visible = off;
    mainWindow(app).LabelAlarmOFF.visible = off;
}

std::string alarmOnNote(Application& app, const char* on) {
    // "awwn" is how the note has always spelt it; each spelling is a text of its own.
    const std::string_view pattern = std::string_view(on) == "awwn"
                                         ? KV_TR("You have turned your alarm awwn.  It will play %1 at %2.")
                                         : KV_TR("You have turned your alarm on.  It will play %1 at %2.");
    return fillPattern(pattern, {mainWindow(app).LabelSound.caption, mainWindow(app).LabelAlarmTime.caption});
}

void setSwitch(Application& app, bool on) {
    mainWindow(app).ON1.checked = on;
    mainWindow(app).OFF1.checked = !on;
}

// The double-click flip; `offOnly` is the "Alarm Once" step, which never switches on.
void flipAlarmSwitch(Application& app, bool offOnly) {
    if (ConfirmSettingChange(app)) return;
    const bool on = !mainWindow(app).ON1.checked;
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
    mainWindow(app).LabelCDTrack.caption.clear();
    s.SoundPlaying = false;
    mainWindow(app).LabelSnozDiff.caption = "00" + app.locale().timeSeparator + "00";
    stopPlayer(app);
    mainWindow(app).Flash1.enabled = false;
    runStep(app, Step::RestoreLineVolumes);
    mainWindow(app).LabelAlarmTime.color = kBlack;
    if (a.SilenceOnly) {
        mainWindow(app).ButtonStopAlarm.enabled = true;
        mainWindow(app).MusicSettings1.enabled = false;
    } else {
        if (notebook(app).CheckBoxAlarmOnce1.checked && realAlarmEnds && mainWindow(app).ON1.checked &&
            !AskAfterRemoteAnswer(app, [&app] {
                if (mainWindow(app).ON1.checked) flipAlarmSwitch(app, true);
            }))
            flipAlarmSwitch(app, true);
        if (!testVolumeLit(app) && app.main.mayRaiseWindow() && a.MinimizeAfterStop)
            app.applicationMinimized = true;
        a.MinimizeAfterStop = true;
        app.main.SuperAlarmMusicStep = 1;
        listPlayState(app).reset();
        s.StandIn = s.Failed = SoundSource::None; // the next alarm tries the user's choice again
        s.StandInToNote = false;
        mainWindow(app).LightCheckSnooze.checked = false;
        mainWindow(app).LabelSnozDiff.visible = false;
        mainWindow(app).LabelSnoozz.visible = false;
        mainWindow(app).MusicSettings1.enabled = true;
        mainWindow(app).ButtonStopAlarm.enabled = false;
        mainWindow(app).ButtonTestVolume.enabled = true;
        mainWindow(app).LightCheckTestVolume.checked = false;
        CloseAlarmNotification(app);
    }
    a.SilenceOnly = false;
}

void ON1Click(Application& app, bool on) {
    if (ConfirmSettingChange(app)) return;
    setSwitch(app, on);
    refreshTaskbar(app, true);
    showSwitchIndicators(app);
    // Saved at once, or a crash would bring back a switch the user changed.
    SaveAllSettings(app);
    ShowNote(app, mainWindow(app).ON1.checked ? alarmOnNote(app, "on") : kAlarmOffNote, true);
}

void ImageAlarmOFFDblClick(Application& app) {
    flipAlarmSwitch(app, false);
}

void AlarmON1Click(Application& app) {
    if (ConfirmSettingChange(app)) return;
    setSwitch(app, !mainWindow(app).ON1.checked);
    refreshTaskbar(app, false);
    showSwitchIndicators(app);
    SaveAllSettings(app);
}

// Sounds a missed alarm of today late, from the planner's status line.
void Labelsb1DblClick(Application& app) {
    const std::string& status = mainWindow(app).Labelsb1.caption;
    if (status.empty() || status == "...") return;
    if (alarmInProgress(app) || !mainWindow(app).ON1.checked || !app.main.TodayEnabled) return;
    const LocaleInfo& loc = app.locale();
    const DateTime now = strToTimeOrThrow(mainWindow(app).LabelTime.caption, loc);
    const DateTime alarm = strToTimeOrThrow(mainWindow(app).LabelAlarmTime.caption, loc);
    if (toMilliseconds(now) < toMilliseconds(alarm)) return;
    runStep(app, Step::SaveLineVolumes);
    RequestCheckedSource(app);
    soundState(app).AlarmStartTime = app.now();
    ShowAlarmControls(app);
    ShowAlarmNotification(app);
    runStep(app, Step::RefreshMilestones);
}

void installAlarmStop(Application& app) {
    handle(app, mainWindow(app).ButtonStopAlarm, Event::Click, "ButtonStopAlarmClick",
           [&app] { StopAlarmSound(app); });
    defineStep(app, Step::StopAlarmSound, [&app] { StopAlarmSound(app); });
    handle(app, mainWindow(app).ON1, Event::Click, "ON1Click", [&app](const Args& a) {
        ON1Click(app, a.empty() || a[0] != "OFF1"); // a script may name the item it clicks
        return std::string();
    });
    handle(app, mainWindow(app).OFF1, Event::Click, "OFF1Click", [&app] { ON1Click(app, false); });
    MainWindow& w = mainWindow(app);
    for (Control* c : {&w.LabelAlarmTime, &w.ImageAlarmON, &w.ImageAlarmOFF, &w.LabelAlarmOFF})
        handle(app, *c, Event::DblClick, "ImageAlarmOFFDblClick", [&app] { ImageAlarmOFFDblClick(app); });
    handle(app, w.AlarmON1, Event::Click, "AlarmON1Click", [&app] { AlarmON1Click(app); });
    for (Control* line : {&w.Labelsb1, &w.Labelsb2})
        handle(app, *line, Event::DblClick, "Labelsb1DblClick", [&app] { Labelsb1DblClick(app); });
}

} // namespace kelvaro
