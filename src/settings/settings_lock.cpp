// The settings lock and the confirmation asked before a change.
#include "settings/settings_lock.h"
#include "app/windows.h"
#include "framework/translatable.h"

#include "app/after_remote_answer.h"
#include "app/show_note.h"
#include "framework/application.h"
#include "framework/handle.h"
#include "settings/settings_store.h"

#include <optional>
#include <vector>

namespace kelvaro {

namespace {

constexpr const char* kQuestion = KV_TR("Are you sure you want to Change This Setting?");

// Controls the lock simply disables.
std::vector<Control*> plainLocked(Application& app) {
    MainWindow& w = mainWindow(app);
    SettingsNotebook& nb = notebook(app);
    return {&nb.CheckBoxLowBattCheck1, &nb.CheckBoxWarnifChangingSettings1, &nb.CheckBoxSnooze1,
            &nb.CheckBoxAlarmOnce1, &nb.CheckBoxVolumeMuteFix1, &nb.CheckBoxShowKVTimeinTaskBar1,
            &nb.CheckBoxStopHybernateandSleep1, &nb.CheckBoxAutoStartwithWindows1, &w.CDPlayer1,
            &w.MIDIMusic1, &w.MP3Music1, &w.ProgramofYourChoice1, &w.Ding1, &w.Sunday1, &w.Monday1,
            &w.Tuesday1, &w.Wednesday1, &w.Thursday1, &w.Friday1, &w.Saturday1, &w.WeekDaysOnly1,
            &w.WeekendsOnly1, &w.AllDays1, &w.Cities1, &w.ComboBoxHour, &w.UpDown2, &w.ComboBoxMinute,
            &w.UpDown1, &w.ON1, &w.OFF1, &w.SundayAlarmSeperate1, &w.N24HourFormat1, &w.LabelSundayAlarm,
            &w.LabelSundayAlarm1, &nb.GradBtnnMSetAlarm, &nb.GradBtnnMUseDefaults,
            // their double-click flips the alarm switch
            &w.ImageAlarmON, &w.ImageAlarmOFF, &w.LabelAlarmOFF, &nb.GradBtnnChangeTimeFontSize1};
}

// The notebook's own copy of the question; `raiseFlag` says whether it guards MayRaiseWindow.
bool askToConfirm(Application& app, bool raiseFlag) {
    std::optional<RaiseHold> hold;
    if (raiseFlag) hold.emplace(app.main);
    bool refused = false;
    if (notebook(app).CheckBoxWarnifChangingSettings1.checked) {
        ShowNote(app, kQuestion, true);
        const Answer a = app.box(BoxKind::Confirmation, kQuestion, {Answer::Yes, Answer::Cancel});
        refused = a != Answer::Yes;
        ShowNote(app, refused ? KV_TR("Setting not changed.") : KV_TR("Setting changed."), false);
    }
    return refused;
}

} // namespace

void ApplySettingsLock(Application& app) {
    const bool locked = mainWindow(app).CheckBoxLock.checked;
    const bool snooze = notebook(app).CheckBoxSnooze1.checked;
    mainWindow(app).ComboBoxSnooze.visible = snooze;
    mainWindow(app).AdvPanelSetting.visible = !locked;
    for (Control* c : plainLocked(app))
        c->enabled = !locked;
    mainWindow(app).ComboBoxSnooze.enabled = !locked && snooze;
    mainWindow(app).ComboBoxAMPM.enabled = !locked && !mainWindow(app).N24HourFormat1.checked;
    mainWindow(app).EditProgramParams.enabled = !locked && mainWindow(app).ProgramofYourChoice1.checked;
    mainWindow(app).LockSettings1.checked = locked;
}

bool ConfirmSettingChange(Application& app) {
    return askToConfirm(app, true);
}
bool ConfirmNotebookChange(Application& app) {
    return askToConfirm(app, false);
}

bool RefuseCheckBoxChange(Application& app, Control& box) {
    // Loading the file sets the marks too; that is no change of the user's, so it
    // asks nothing, or a user with "WarnChange" on would be asked at every start.
    if (!app.main.SettingsLoaded || !ConfirmSettingChange(app)) return false;
    box.checked = !box.checked;
    return true;
}

bool AskAfterRemoteAnswer(Application& app, std::function<void()> change) {
    RemoteAnswerHold& remote = remoteAnswerHold(app);
    if (!remote.answering || !notebook(app).CheckBoxWarnifChangingSettings1.checked) return false;
    remote.after.push_back(std::move(change));
    return true;
}

void installSettingsLock(Application& app) {
    // The check box saves as well, so that a lock set there survives a crash.
    handle(app, mainWindow(app).CheckBoxLock, Event::Click, "CheckBoxLockClick", [&app] {
        ApplySettingsLock(app);
        SaveAllSettings(app);
    });
    handle(app, mainWindow(app).LockSettings1, Event::Click, "LockSettings1Click", [&app] {
        Control& item = mainWindow(app).LockSettings1;
        item.checked = !item.checked;
        app.setChecked(mainWindow(app).CheckBoxLock, item.checked);
        ApplySettingsLock(app);
        SaveAllSettings(app);
    });
    app.defineOperation("ApplySettingsLock", [&app] { ApplySettingsLock(app); });
    app.defineOperation("ConfirmSettingChange", [&app](const Args&) {
        return std::string(ConfirmSettingChange(app) ? "true" : "false");
    });
    app.defineOperation("ConfirmNotebookChange", [&app](const Args&) {
        return std::string(ConfirmNotebookChange(app) ? "true" : "false");
    });
}

} // namespace kelvaro
