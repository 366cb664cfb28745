// The settings tab's part in the alarm: "Snooze Enabled", "Alarm Once" and the
// two minute boxes that stop or snooze the alarm by themselves.
#include "alarm/alarm_sounding.h"
#include "alarm/sounding_rules.h"
#include "app/show_note.h"
#include "app/windows.h"
#include "framework/application.h"
#include "framework/form_builder.h"
#include "framework/handle.h"
#include "framework/translatable.h"
#include "settings/settings_lock.h"
#include "settings/settings_store.h"

namespace kelvaro {

namespace {

enum class MinuteBox { Music, Snooze };

struct MinuteBoxControls {
    Control& box;
    Control& upDown;
    Control& label; // on the main window
};

MinuteBoxControls controlsOf(Application& app, MinuteBox which) {
    SettingsNotebook& nb = notebook(app);
    MainWindow& w = mainWindow(app);
    if (which == MinuteBox::Music) return {nb.ComboBoxMusicSeconds, nb.UpDownMusicSeconds, w.LabelMusicTime};
    return {nb.ComboBoxSnoozeSeconds, nb.UpDownSnoozeSeconds, w.LabelSnoozeTime};
}

void minuteBoxExit(Application& app, MinuteBox which) {
    const MinuteBoxControls c = controlsOf(app, which);
    Control& box = c.box;
    const MinuteBoxReading r = readMinuteBox(box.text);
    if (r.tooLarge) {
        ShowNote(app, KV_TR("Maximum number of Seconds are 9999.  Try again!"), true);
        app.box(BoxKind::Error, KV_TR("Maximum '9999' Seconds"));
    }
    box.text = r.text;
    const bool music = which == MinuteBox::Music;
    std::string caption;
    if (music)
        caption = r.value != 0 ? fillPattern(KV_TR("off after %1 min"), {r.text}) : KV_TR("always on");
    else
        caption = r.value != 0 ? fillPattern(KV_TR("Snooze after %1 min"), {r.text}) : ".";
    c.label.caption = caption;
    (music ? app.main.MusicOffMinutes : app.main.AutoSnoozeMinutes) = r.value;
    SaveAllSettings(app);
}

// Nothing is typed into the boxes; Enter takes the chosen value.
void minuteBoxKeyPress(Application& app, MinuteBox which) {
    KeyEvent* key = app.currentKey();
    if (!key) return;
    const bool enter = key->key == "Enter";
    key->suppressed = true;
    if (enter) minuteBoxExit(app, which);
}

void openSettingsPage(Application& app) {
    OpenNotebookOn(app, &notebook(app).TabSheetSettings);
}

} // namespace

// Runs before the window handles are bound, so it finds controls by the names they are built under.
void addMinuteBoxControls(Form& f) {
    const std::vector<std::string> items = {"0",  "1",  "2",  "3",  "4",   "5",   "6",
                                            "7",  "8",  "9",  "10", "15",  "20",  "30",
                                            "40", "50", "60", "90", "120", "180", "140"};
    const std::pair<const char*, Control*> boxes[] = {
        {"UpDownMusicSeconds", f.find("ComboBoxMusicSeconds")},
        {"UpDownSnoozeSeconds", f.find("ComboBoxSnoozeSeconds")}};
    for (const auto& [upDown, box] : boxes) {
        box->items = items;
        addUpDown(f, upDown, box->name, 0, 9999, {box->left + box->width + 1, box->top, 16, box->height},
                  box->parent);
    }
    addLabel(f, "LabelMusicSecondsNote", KV_TR("0 Minutes = Always ON until turned off"), {10, 238, 270, 16},
             "TabSheetSettings");
    addLabel(f, "LabelSnoozeSecondsNote", KV_TR("0 Minutes = No Auto Snooze"), {290, 238, 260, 16},
             "TabSheetSettings");
    Control& dual = addCheckBox(f, "CheckBoxEnableDualAlarm1", KV_TR("Enable Dual Alarm"), false,
                                {10, 262, 270, 20}, "TabSheetSettings");
    dual.enabled = false; // shown, but nothing reads it
}

void installSoundLimitBoxes(Application& app) {
    for (const MinuteBox which : {MinuteBox::Music, MinuteBox::Snooze}) {
        const MinuteBoxControls c = controlsOf(app, which);
        const std::string box = c.box.name;
        handle(app, c.box, Event::Exit, box + "Exit", [&app, which] { minuteBoxExit(app, which); });
        handle(app, c.box, Event::Change, box + "Change", [&app, which] { minuteBoxExit(app, which); });
        handle(app, c.box, Event::KeyPress, box + "KeyPress",
               [&app, which] { minuteBoxKeyPress(app, which); });
        handle(app, c.upDown, Event::MouseUp, c.upDown.name + "MouseUp",
               [&app, which] { minuteBoxExit(app, which); });
        handle(app, c.label, Event::DblClick, c.label.name + "DblClick", [&app] { openSettingsPage(app); });
    }
    handle(app, notebook(app).CheckBoxSnooze1, Event::Click, "CheckBoxSnooze1Click", [&app] {
        if (RefuseCheckBoxChange(app, notebook(app).CheckBoxSnooze1)) return;
        const bool snooze = notebook(app).CheckBoxSnooze1.checked;
        mainWindow(app).ComboBoxSnooze.visible = snooze;
        mainWindow(app).ComboBoxSnooze.enabled = snooze && !mainWindow(app).CheckBoxLock.checked;
        SaveAllSettings(app);
    });
    handle(app, notebook(app).CheckBoxAlarmOnce1, Event::Click, "CheckBoxAlarmOnce1Click", [&app] {
        if (RefuseCheckBoxChange(app, notebook(app).CheckBoxAlarmOnce1)) return;
        SaveAllSettings(app);
    });
}

} // namespace kelvaro
