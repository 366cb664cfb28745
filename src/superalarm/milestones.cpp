// The announcements of a planned morning: the bed-time note the evening before,
// the step lines on the main window with their colours, a note and (if wanted) a
// piece of music of its own at the start of each step, the ding at the driving step.
#include "framework/translatable.h"
#include "superalarm/superalarm.h"

#include "alarm/alarm_sounding.h"
#include "alarm/announcements.h"
#include "app/show_note.h"
#include "app/steps.h"
#include "app/windows.h"
#include "framework/application.h"
#include "framework/colors.h"
#include "framework/datetime.h"
#include "sound/alarm_sound.h"
#include "superalarm/plan.h"

#include <array>
#include <cmath>

namespace kelvaro {

namespace {

struct MilestoneState {
    long long bedNoteGiven = -1; // city minute (days * 1440 + minute) of the last bed-time note
};

using StepLines = std::array<Control*, 4>;

StepLines stepLines(Application& app) {
    MainWindow& w = mainWindow(app);
    return {&w.Labelss, &w.Labelsd, &w.Labelse, &w.Labelsdr};
}

void clearStepLines(Application& app) {
    for (Control* line : stepLines(app)) {
        line->caption.clear();
        line->color = colors::Black;
    }
}

// Given at most once a minute; marked before it is shown, so that ticks that run
// while the box is open neither repeat it nor stack a second box on it.
void bedTimeNote(Application& app) {
    MainWindow& w = mainWindow(app);
    if (nightScreen(app).form.visible) return;
    const int now = shownMinute(app, w.LabelTime.caption);
    if (now < 0 || now != shownMinute(app, notebook(app).LabelBedTime.caption)) return;
    const long long minute = static_cast<long long>(std::floor(app.main.CityNow)) * kMinutesPerDay + now;
    long long& given = app.feature<MilestoneState>().bedNoteGiven;
    if (given == minute) return;
    given = minute;
    ShowNote(
        app,
        fillPattern(KV_TR("It is now %1, Time to %2!"), {w.LabelTime.caption, notebook(app).EditBTT.text}),
        true);
}

std::string stepNote(Application& app, int stage) {
    SettingsNotebook& n = notebook(app);
    const std::string& now = mainWindow(app).LabelTime.caption;
    const Control* texts[] = {&n.Edit2MT, &n.Edit3MT, &n.Edit4MT, &n.Edit5MT};
    const Control* minutes[] = {&n.Edit2M, &n.Edit3M, &n.Edit4M};
    if (stage == 4) return fillPattern(KV_TR("It is now %1. %2."), {now, n.Edit5MT.text});
    const auto i = static_cast<std::size_t>(stage - 1);
    // English says "Minutes" for one too; the languages count with their own plural forms.
    constexpr const char* pattern = KV_TR("It is now %1. %2. You have %n Minutes before you should %3.");
    const std::string& count = minutes[i]->text;
    const auto minutesLeft = tryStrToInt(count);
    return fillCount(pattern, pattern, minutesLeft.value_or(0), {now, texts[i]->text, texts[i + 1]->text},
                     count);
}

// Lines before the stage's own are past (red), its own is current (green), later ones black.
void colourLines(Application& app, int stage) {
    const StepLines lines = stepLines(app);
    for (int i = 0; i < 4; ++i)
        lines[static_cast<std::size_t>(i)]->color = i + 1 < stage    ? colors::Red
                                                    : i + 1 == stage ? colors::Green
                                                                     : colors::Black;
}

void announceSteps(Application& app) {
    SettingsNotebook& n = notebook(app);
    const StepLines lines = stepLines(app);
    const Control* starts[] = {&n.LabelStartShower, &n.LabelStartDress, &n.LabelStartEatMisc,
                               &n.LabelStartDrive};
    const Control* texts[] = {&n.Edit2MT, &n.Edit3MT, &n.Edit4MT, &n.Edit5MT};
    int s[4];
    for (std::size_t i = 0; i < 4; ++i) {
        lines[i]->caption = starts[i]->caption + " - " + texts[i]->text;
        s[i] = shownMinute(app, starts[i]->caption);
    }
    const int now = shownMinute(app, mainWindow(app).LabelTime.caption);
    const int stage = now < 0 ? 0 : milestoneStage(now, s[0], s[1], s[2], s[3]);
    const bool announced = stage == 0 || lines[static_cast<std::size_t>(stage - 1)]->color == colors::Green;
    colourLines(app, stage); // the mark, set before the note is shown
    if (stage == 4) soundState(app).DingRequested = true;
    if (announced) return;
    announce(app, Announcement::SuperAlarmStep, stage);
    MusicStep(app, stage + 1);
    ShowNote(app, stepNote(app, stage), true);
}

} // namespace

void RefreshMilestones(Application& app) {
    MainState& m = app.main;
    if (!m.CityClockUpdated) StopAlarmSound(app);
    MainWindow& w = mainWindow(app);
    SettingsNotebook& n = notebook(app);
    const int alarm = shownMinute(app, w.LabelAlarmTime.caption);
    if (!n.CheckBoxShowMilestones.checked || alarm < 0 ||
        alarm != shownMinute(app, n.LabelMAlarmTime.caption)) {
        m.SuperAlarmActive = false;
        clearStepLines(app);
        for (Control* line : {&w.Labelsb1, &w.Labelsb2, &w.Labelsb3})
            line->caption.clear();
        return;
    }
    m.SuperAlarmActive = true;
    bedTimeNote(app);
    w.Labelsb1.caption = fillPattern(KV_TR("%1 by "), {n.EditBTT.text});
    w.Labelsb2.caption = n.LabelBedTime.caption;
    w.Labelsb3.caption =
        fillPattern(KV_TR("  to arrive at %1"), {n.ComboBoxHourM.text + app.locale().timeSeparator +
                                                 n.ComboBoxMinuteM.text + " " + n.ComboBoxAMPMM.text});
    if (!w.ButtonStopAlarm.enabled || w.LightCheckTestVolume.checked) {
        clearStepLines(app);
        return;
    }
    w.Labelsb1.caption.clear();
    w.Labelsb2.caption.clear();
    announceSteps(app);
}

void MusicStep(Application& app, int step) {
    MainWindow& w = mainWindow(app);
    SettingsNotebook& n = notebook(app);
    if (!w.MP3Music1.checked || !n.RadioButtonWInOrder.checked || !n.CheckBoxSTNewMusic.checked ||
        n.MgridWave.cells.size() <= 4 || !app.main.SuperAlarmActive)
        return;
    // Only silenced: the alarm stays in progress and the next service plays the step's row.
    alarmSoundingState(app).SilenceOnly = true;
    StopAlarmSound(app);
    app.main.SuperAlarmMusicStep = step;
    if (step == 5 || !w.LightCheckSnooze.checked) soundState(app).MediaRequested = true;
}

void installMilestones(Application& app) {
    defineStep(app, Step::RefreshMilestones, [&app] { RefreshMilestones(app); });
    app.defineOperation("MusicStep", [&app](const Args& a) {
        MusicStep(app, a.empty() ? 2 : std::stoi(a[0]));
        return std::string();
    });
    app.defineState("SuperAlarmActive",
                    [&app] { return std::string(app.main.SuperAlarmActive ? "true" : "false"); });
    app.defineState("SuperAlarmMusicStep", [&app] { return std::to_string(app.main.SuperAlarmMusicStep); });
}

} // namespace kelvaro
