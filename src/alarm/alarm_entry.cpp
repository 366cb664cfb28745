// The alarm boxes under the clock. Digits can be typed into the hour and minute
// boxes, nothing into the snooze box; a bad value is answered on leaving with a
// note, an error box and a fixed value.
#include "alarm/alarm_entry.h"
#include "app/steps.h"
#include "app/windows.h"
#include "framework/translatable.h"

#include "alarm/alarm_rules.h"
#include "app/clock_formats.h"
#include "app/features.h"
#include "app/show_note.h"
#include "framework/application.h"
#include "framework/conversions.h"
#include "framework/handle.h"
#include "settings/settings_store.h"

namespace kelvaro {

namespace {

std::string alarmCaption(Application& app) {
    return mainWindow(app).LabelAlarmTime.caption;
}

// The up-down buttons step from the number their box shows.
void syncUpDowns(Application& app) {
    if (auto h = tryStrToInt(mainWindow(app).ComboBoxHour.text)) mainWindow(app).UpDown2.position = *h;
    if (auto m = tryStrToInt(mainWindow(app).ComboBoxMinute.text)) mainWindow(app).UpDown1.position = *m;
}

void rebuildAlarmTime(Application& app) {
    UpdateAlarmDisplay(app);
    syncUpDowns(app);
}

// A changed alarm time goes to the city's row and, so that a crash cannot lose it, to the
// settings file as well.
void keepAlarmTime(Application& app) {
    runStep(app, Step::StoreCityAlarm);
    SaveAllSettings(app);
}

void keepIfChanged(Application& app, const std::string& before) {
    if (alarmCaption(app) != before) keepAlarmTime(app);
}

void rewriteTwoDigits(Control& box) {
    box.text = TwoDigits(strToInt(box.text));
}

// A typed box may be left empty; that is no hour or minute either.
bool typedOutOfRange(const std::string& text, bool (*outOfRange)(int)) {
    const auto value = tryStrToInt(text);
    return !value || outOfRange(*value);
}

// A typed "7" is shown as the lists show it, "07".
void rewriteIfNumber(Control& box) {
    if (const auto value = tryStrToInt(box.text)) box.text = TwoDigits(*value);
}

void checkAlarmHour(Application& app, const char* message24) {
    RaiseHold hold(app.main);
    const std::string before = alarmCaption(app);
    Control& hour = mainWindow(app).ComboBoxHour;
    const bool h24 = is24Hour(app);
    if (typedOutOfRange(
            hour.text, h24 ? [](int h) { return hourOutOfRange(h, true); }
                           : [](int h) { return hourOutOfRange(h, false); })) {
        ShowNote(app, h24 ? message24 : KV_TR("Maximum hours is 12.  Try again!"), true);
        app.box(BoxKind::Error, h24 ? KV_TR("Maximum '23' hours") : KV_TR("Maximum '12' hours"));
        hour.text = "07";
    }
    rewriteIfNumber(hour);
    rebuildAlarmTime(app);
    keepIfChanged(app, before);
}

// Enter in a box: all three checks, then every box in its two-digit form.
void validateAlarmBoxes(Application& app) {
    ComboBoxHourExit(app);
    ComboBoxMinuteExit(app);
    ComboBoxSnoozeExit(app);
    rewriteTwoDigits(mainWindow(app).ComboBoxHour);
    rewriteTwoDigits(mainWindow(app).ComboBoxMinute);
    rewriteTwoDigits(mainWindow(app).ComboBoxSnooze);
    syncUpDowns(app);
}

// Set when the hour or minute box takes the focus: what it shows then is a value, not typing.
struct AlarmBoxTyping {
    bool entered = false;
};

// Enter checks every box. The hour and minute boxes take digits and Backspace; a digit
// typed into a full box, or into a box just entered (a "3" from the settings file too),
// starts it again, so "41" over "30" gives "41".
void alarmBoxKeyPress(Application& app) {
    KeyEvent* key = app.currentKey();
    if (!key) return;
    const char c = key->character();
    if (c == '\r') validateAlarmBoxes(app);
    MainWindow& w = mainWindow(app);
    Control* box = app.focused() == w.ComboBoxHour.name     ? &w.ComboBoxHour
                   : app.focused() == w.ComboBoxMinute.name ? &w.ComboBoxMinute
                                                            : nullptr;
    if (!box || c == '\r' || !passesDigitFilter(c)) {
        key->suppressed = true;
        return;
    }
    bool& entered = app.feature<AlarmBoxTyping>().entered;
    if (c != 8 && (entered || box->text.size() >= 2)) box->text.clear();
    entered = false;
}

void ampmKeyPress(Application& app) {
    KeyEvent* key = app.currentKey();
    if (key && !passesAmPmFilter(key->character())) key->suppressed = true;
}

void programParamsKeyPress(Application& app) {
    KeyEvent* key = app.currentKey();
    if (!key) return;
    const char c = key->character();
    if (c == '\r') validateAlarmBoxes(app);
    if (!passesDigitFilter(c)) key->suppressed = true;
}

void upDownClick(Application& app) {
    rewriteTwoDigits(mainWindow(app).ComboBoxHour);
    rewriteTwoDigits(mainWindow(app).ComboBoxMinute);
    rebuildAlarmTime(app);
}

void upDownMouseUp(Application& app) {
    upDownClick(app);
    runStep(app, Step::RefreshMilestones);
    keepAlarmTime(app);
}

void alarmBoxClick(Application& app) {
    rebuildAlarmTime(app);
    runStep(app, Step::StoreCityAlarm);
    Control& ampm = mainWindow(app).ComboBoxAMPM;
    ampm.text = upperCaseUtf8(ampm.text);
    SaveAllSettings(app);
}

void setBoxLists(Application& app) {
    Control& hour = mainWindow(app).ComboBoxHour;
    hour.items.clear();
    for (int h = 1; h <= 12; ++h)
        hour.items.push_back(TwoDigits(h));
    mainWindow(app).ComboBoxMinute.items = {"00", "05", "10", "15", "20", "25", "30",
                                            "35", "40", "45", "50", "55", "59"};
    mainWindow(app).ComboBoxSnooze.items = {"01", "02", "03", "05", "10", "15", "20", "25", "30", "59"};
    // Typeable; the key filters let only capitals, or digits, through.
    for (Control* box :
         {&mainWindow(app).ComboBoxAMPM, &mainWindow(app).ComboBoxHour, &mainWindow(app).ComboBoxMinute})
        box->readOnly = false;
    mainWindow(app).ComboBoxHour.hint = KV_TR("Alarm Hour");
    mainWindow(app).ComboBoxMinute.hint = KV_TR("Alarm Minute");
    mainWindow(app).ComboBoxAMPM.hint = KV_TR("Alarm AM / PM");
    mainWindow(app).ComboBoxSnooze.hint =
        KV_TR("After Alarm sounds - Press ANY key to start Snooze.  Click Stop Alarm Button to END alarm");
    mainWindow(app).LabelAlarmTime.hint = KV_TR("Alarm Time - Adjusted for City");
}

void wireHandlers(Application& app) {
    MainWindow& w = mainWindow(app);
    for (Control* box : {&w.ComboBoxHour, &w.ComboBoxMinute, &w.ComboBoxSnooze})
        handle(app, *box, Event::KeyPress, "ComboBoxMinuteKeyPress", [&app] { alarmBoxKeyPress(app); });
    for (Control* box : {&w.ComboBoxHour, &w.ComboBoxMinute, &w.ComboBoxAMPM}) {
        handle(app, *box, Event::Click, "ComboBoxAMPMClick", [&app] { alarmBoxClick(app); });
        handle(app, *box, Event::Change, "ComboBoxMinuteChange", [&app] {
            syncUpDowns(app);
            runStep(app, Step::RefreshMilestones);
        });
    }
    for (Control* box : {&w.ComboBoxHour, &w.ComboBoxMinute})
        handle(app, *box, Event::Enter, box->name + "Enter",
               [&app] { app.feature<AlarmBoxTyping>().entered = true; });
    handle(app, mainWindow(app).ComboBoxHour, Event::Exit, "ComboBoxHourExit",
           [&app] { ComboBoxHourExit(app); });
    handle(app, mainWindow(app).ComboBoxMinute, Event::Exit, "ComboBoxMinuteExit",
           [&app] { ComboBoxMinuteExit(app); });
    handle(app, mainWindow(app).ComboBoxAMPM, Event::Exit, "ComboBoxAMPMExit",
           [&app] { ComboBoxAMPMExit(app); });
    handle(app, mainWindow(app).ComboBoxAMPM, Event::KeyPress, "ComboBoxAMPMKeyPress",
           [&app] { ampmKeyPress(app); });
    handle(app, mainWindow(app).ComboBoxSnooze, Event::Exit, "ComboBoxSnoozeExit",
           [&app] { ComboBoxSnoozeExit(app); });
    handle(app, mainWindow(app).ComboBoxSnooze, Event::Click, "ComboBoxSnoozeClick",
           [&app] { SaveAllSettings(app); });
    for (Control* buttons : {&w.UpDown1, &w.UpDown2}) {
        handle(app, *buttons, Event::Click, "UpDown2Click", [&app] { upDownClick(app); });
        handle(app, *buttons, Event::MouseUp, "UpDown2MouseUp", [&app] { upDownMouseUp(app); });
    }
    Control& params = mainWindow(app).EditProgramParams;
    handle(app, params, Event::Click, "EditProgramParamsClick", [&app] {
        rebuildAlarmTime(app);
        keepAlarmTime(app);
    });
    handle(app, params, Event::KeyPress, "EditProgramParamsKeyPress", [&app] { programParamsKeyPress(app); });
    handle(app, params, Event::Exit, "EditProgramParamsExit",
           [&app] { checkAlarmHour(app, KV_TR("Maximum hours in a day is 23.  Try again!")); });
    handle(app, notebook(app).ComboBoxHourM, Event::Exit, "ComboBoxHourMExit",
           [&app] { CheckPlannerHourBox(app, notebook(app).ComboBoxHourM); });
}

} // namespace

void ComboBoxHourExit(Application& app) {
    checkAlarmHour(app, KV_TR("Maximum hours in a day are 23.  Try again!"));
}

void ComboBoxMinuteExit(Application& app) {
    RaiseHold hold(app.main);
    const std::string before = alarmCaption(app);
    Control& minute = mainWindow(app).ComboBoxMinute;
    if (typedOutOfRange(minute.text, [](int m) { return m < 0 || minuteOutOfRange(m); })) {
        ShowNote(app, KV_TR("Maximum minutes in an hour are 59.  Try again!"), true);
        app.box(BoxKind::Error, KV_TR("Maximum '59' minutes!"));
        minute.text = "59";
    }
    rewriteIfNumber(minute);
    rebuildAlarmTime(app);
    keepIfChanged(app, before);
}

void ComboBoxAMPMExit(Application& app) {
    RaiseHold hold(app.main);
    const LocaleInfo& loc = app.locale();
    const std::string before = alarmCaption(app);
    Control& ampm = mainWindow(app).ComboBoxAMPM;
    ampm.text = upperCaseUtf8(ampm.text);
    const std::string am = upperCaseUtf8(loc.amDesignator);
    if (ampm.text != am && ampm.text != upperCaseUtf8(loc.pmDesignator)) {
        ShowNote(app, KV_TR("Only A M or P M accepted as input!"), true);
        app.box(BoxKind::Error,
                fillPattern(KV_TR("Only %1 or %2 accepted as input"), {loc.amDesignator, loc.pmDesignator}));
        ampm.text = am;
    }
    // A designator typed here must reach the alarm label, or the alarm would keep the old half-day.
    rebuildAlarmTime(app);
    keepIfChanged(app, before);
}

void ComboBoxSnoozeExit(Application& app) {
    Control& snooze = mainWindow(app).ComboBoxSnooze;
    if (!snoozeOutOfRange(strToInt(snooze.text))) return;
    app.platform().speaker->ding();
    {
        RaiseHold hold(app.main);
        app.box(BoxKind::Error, KV_TR("Maximum '59' minutes"));
    }
    snooze.text = "59";
    SaveAllSettings(app);
}

void CheckPlannerHourBox(Application& app, Control& box) {
    if (!hourOutOfRange(strToInt(box.text), false)) return;
    ShowNote(app, KV_TR("Maximum hours is 12.  Try again!"), true);
    app.box(BoxKind::Error, KV_TR("Maximum '12' hours"));
    box.text = "07";
}

void installAlarmEntry(Application& app) {
    setBoxLists(app);
    wireHandlers(app);
    defineStep(app, Step::SyncAlarmUpDowns, [&app] { syncUpDowns(app); });
}

} // namespace kelvaro
