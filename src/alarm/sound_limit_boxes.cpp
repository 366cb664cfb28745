// The settings tab's part in the alarm: "Snooze Enabled", "Alarm Once" and the
// two minute boxes that stop or snooze the alarm by themselves.
#include "alarm/alarm_sounding.h"
#include "alarm/sounding_rules.h"
#include "framework/application.h"
#include "framework/form_builder.h"
#include "app/show_note.h"
#include "settings/settings_lock.h"
#include "settings/settings_store.h"

namespace kelvaro {

namespace {

struct MinuteBox {
    const char* box;
    const char* upDown;
    const char* label; // on the main window
};
const MinuteBox kMusicBox{"ComboBoxMusicSeconds", "UpDownMusicSeconds", "LabelMusicTime"};
const MinuteBox kSnoozeBox{"ComboBoxSnoozeSeconds", "UpDownSnoozeSeconds", "LabelSnoozeTime"};

void minuteBoxExit(Application& app, const MinuteBox& which) {
    Control& box = app.ctl(which.box);
    const MinuteBoxReading r = readMinuteBox(box.text);
    if (r.tooLarge) {
        ShowNote(app, "Maximum number of Seconds are 9999.  Try again!", true);
        app.box(BoxKind::Error, "Maximum '9999' Seconds");
    }
    box.text = r.text;
    const bool music = &which == &kMusicBox;
    std::string caption;
    if (music)
        caption = r.value != 0 ? "off after " + r.text + " min" : "always on";
    else
        caption = r.value != 0 ? "Snooze after " + r.text + " min" : ".";
    app.ctl(which.label).caption = caption;
    (music ? app.main.MusicOffMinutes : app.main.AutoSnoozeMinutes) = r.value;
    SaveAllSettings(app);
}

// Nothing is typed into the boxes; Enter takes the chosen value.
void minuteBoxKeyPress(Application& app, const MinuteBox& which) {
    KeyEvent* key = app.currentKey();
    if (!key) return;
    const bool enter = key->key == "Enter";
    key->suppressed = true;
    if (enter) minuteBoxExit(app, which);
}

// A refused confirmation puts the box back as it was. Loading the settings
// checks the boxes too; that is no change of the user's to confirm.
bool confirmBox(Application& app, const char* name) {
    if (!app.main.SettingsLoaded || !ConfirmSettingChange(app)) return true;
    Control& box = app.ctl(name);
    box.checked = !box.checked;
    return false;
}

void addMinuteBoxControls(Application& app) {
    Form& f = app.form("TFormCity");
    const std::vector<std::string> items = {"0",  "1",  "2",  "3",  "4",   "5",   "6",
                                            "7",  "8",  "9",  "10", "15",  "20",  "30",
                                            "40", "50", "60", "90", "120", "180", "140"};
    for (const MinuteBox* which : {&kMusicBox, &kSnoozeBox}) {
        Control& box = app.ctl(which->box);
        box.items = items;
        addUpDown(f, which->upDown, which->box, 0, 9999, {box.left + box.width + 1, box.top, 16, box.height},
                  box.parent);
    }
    addLabel(f, "LabelMusicSecondsNote", "0 Minutes = Always ON until turned off", {10, 238, 270, 16},
             "TabSheetSettings");
    addLabel(f, "LabelSnoozeSecondsNote", "0 Minutes = No Auto Snooze", {290, 238, 260, 16},
             "TabSheetSettings");
    Control& dual = addCheckBox(f, "CheckBoxEnableDualAlarm1", "Enable Dual Alarm", false, {10, 262, 270, 20},
                                "TabSheetSettings");
    dual.enabled = false; // shown, but nothing reads it
}

} // namespace

void installSoundLimitBoxes(Application& app) {
    addMinuteBoxControls(app);
    for (const MinuteBox* which : {&kMusicBox, &kSnoozeBox}) {
        const std::string box = which->box;
        app.ctl(box).handlers[Event::Exit] = box + "Exit";
        app.ctl(box).handlers[Event::Change] = box + "Change";
        app.ctl(box).handlers[Event::KeyPress] = box + "KeyPress";
        app.ctl(which->upDown).handlers[Event::MouseUp] = std::string(which->upDown) + "MouseUp";
        app.defineOperation(box + "Exit", [&app, which] { minuteBoxExit(app, *which); });
        app.defineOperation(box + "Change", [&app, which] { minuteBoxExit(app, *which); });
        app.defineOperation(box + "KeyPress", [&app, which] { minuteBoxKeyPress(app, *which); });
        app.defineOperation(std::string(which->upDown) + "MouseUp",
                            [&app, which] { minuteBoxExit(app, *which); });
    }
    app.ctl("CheckBoxSnooze1").handlers[Event::Click] = "CheckBoxSnooze1Click";
    app.defineOperation("CheckBoxSnooze1Click", [&app] {
        if (!confirmBox(app, "CheckBoxSnooze1")) return;
        app.ctl("ComboBoxSnooze").visible = app.ctl("CheckBoxSnooze1").checked;
        SaveAllSettings(app);
    });
    app.ctl("CheckBoxAlarmOnce1").handlers[Event::Click] = "CheckBoxAlarmOnce1Click";
    app.defineOperation("CheckBoxAlarmOnce1Click", [&app] {
        if (!confirmBox(app, "CheckBoxAlarmOnce1")) return;
        SaveAllSettings(app);
    });
}

} // namespace kelvaro
