// The settings lock and the confirmation asked before a change.
#include "settings/settings_lock.h"
#include "app/windows.h"

#include "framework/application.h"
#include "app/show_note.h"
#include "settings/settings_store.h"

namespace kelvaro {

namespace {

constexpr const char* kQuestion = "Are you sure you want to Change This Setting?";

// Controls the lock simply disables, in the order they are switched.
const char* const kPlainLocked[] = {
    "CheckBoxLowBattCheck1", "GradBtnnMSetAlarm", "GradBtnnMUseDefaults", "CheckBoxWarnifChangingSettings1",
    "CheckBoxSnooze1", "CheckBoxAlarmOnce1", "CheckBoxVolumeMuteFix1", "CheckBoxShowKVTimeinTaskBar1",
    "GradBtnnChangeTimeFontSize1", "CheckBoxStopHybernateandSleep1", "CheckBoxAutoStartwithWindows1",
    "CDPlayer1", "MIDIMusic1", "MP3Music1", "ProgramofYourChoice1", "Ding1",
    "Sunday1", "Monday1", "Tuesday1", "Wednesday1", "Thursday1", "Friday1", "Saturday1",
    "WeekDaysOnly1", "WeekendsOnly1", "AllDays1", "Cities1"};
const char* const kAlarmBoxes[] = {"ComboBoxHour", "UpDown2", "ComboBoxMinute", "UpDown1"};
const char* const kAlarmMenus[] = {"ON1", "OFF1", "SundayAlarmSeperate1", "N24HourFormat1",
                                   "LabelSundayAlarm", "LabelSundayAlarm1",
                                   // their double-click flips the alarm switch
                                   "ImageAlarmON", "ImageAlarmOFF", "LabelAlarmOFF"};

void setEnabled(Application& app, const char* name, bool enabled) {
    if (Control* c = app.find(name)) c->enabled = enabled;
}

// The notebook's own copy of the question; `raiseFlag` says whether it guards MayRaiseWindow.
bool askToConfirm(Application& app, bool raiseFlag) {
    if (raiseFlag) app.main.MayRaiseWindow = false;
    bool refused = false;
    if (notebook(app).CheckBoxWarnifChangingSettings1.checked) {
        ShowNote(app, kQuestion, true);
        const Answer a = app.box(BoxKind::Confirmation, kQuestion, {Answer::Yes, Answer::Cancel});
        refused = a != Answer::Yes;
        ShowNote(app, refused ? "Setting not changed." : "Setting changed.", false);
    }
    if (raiseFlag) app.main.MayRaiseWindow = true;
    return refused;
}

} // namespace

void ApplySettingsLock(Application& app) {
    const bool locked = mainWindow(app).CheckBoxLock.checked;
    const bool snooze = notebook(app).CheckBoxSnooze1.checked;
    mainWindow(app).ComboBoxSnooze.visible = snooze;
    mainWindow(app).AdvPanelSetting.visible = !locked;
    for (const char* name : kPlainLocked) setEnabled(app, name, !locked);
    mainWindow(app).ComboBoxSnooze.enabled = !locked && snooze;
    for (const char* name : kAlarmBoxes) setEnabled(app, name, !locked);
    mainWindow(app).ComboBoxAMPM.enabled = !locked && !mainWindow(app).N24HourFormat1.checked;
    for (const char* name : kAlarmMenus) setEnabled(app, name, !locked);
    mainWindow(app).EditProgramParams.enabled = !locked && mainWindow(app).ProgramofYourChoice1.checked;
    mainWindow(app).LockSettings1.checked = locked;
}

bool ConfirmSettingChange(Application& app) { return askToConfirm(app, true); }
bool ConfirmNotebookChange(Application& app) { return askToConfirm(app, false); }

bool RefuseCheckBoxChange(Application& app, Control& box) {
    // Loading the file sets the marks too; that is no change of the user's, so it
    // asks nothing, or a user with "WarnChange" on would be asked at every start.
    if (!app.main.SettingsLoaded || !ConfirmSettingChange(app)) return false;
    box.checked = !box.checked;
    return true;
}

void installSettingsLock(Application& app) {
    mainWindow(app).CheckBoxLock.handlers[Event::Click] = "CheckBoxLockClick";
    mainWindow(app).LockSettings1.handlers[Event::Click] = "LockSettings1Click";
    // The check box saves as well, so that a lock set there survives a crash.
    app.defineOperation("CheckBoxLockClick", [&app] {
        ApplySettingsLock(app);
        SaveAllSettings(app);
    });
    app.defineOperation("ApplySettingsLock", [&app] { ApplySettingsLock(app); });
    app.defineOperation("LockSettings1Click", [&app] {
        Control& item = mainWindow(app).LockSettings1;
        item.checked = !item.checked;
        app.setChecked(mainWindow(app).CheckBoxLock, item.checked);
        ApplySettingsLock(app);
        SaveAllSettings(app);
    });
    app.defineOperation("ConfirmSettingChange",
                        [&app](const Args&) { return std::string(ConfirmSettingChange(app) ? "true" : "false"); });
    app.defineOperation("ConfirmNotebookChange",
                        [&app](const Args&) { return std::string(ConfirmNotebookChange(app) ? "true" : "false"); });
}

} // namespace kelvaro
