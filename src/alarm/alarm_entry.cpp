// The alarm boxes under the clock. Nothing can be typed into the hour, minute
// and snooze boxes; a bad value that reaches them another way is answered on
// leaving with a note, an error box and a fixed value.
#include "alarm/alarm_entry.h"

#include "alarm/alarm_rules.h"
#include "framework/application.h"
#include "app/clock_formats.h"
#include "framework/conversions.h"
#include "app/features.h"
#include "app/show_note.h"
#include "settings/settings_store.h"

namespace kelvaro {

namespace {

// Keeps the main window from being pulled to the front while a check may show boxes,
// also when the check ends in a conversion error.
class HoldWindowDown {
  public:
    explicit HoldWindowDown(MainState& m) : m_(m) { m_.MayRaiseWindow = false; }
    ~HoldWindowDown() { m_.MayRaiseWindow = true; }
    HoldWindowDown(const HoldWindowDown&) = delete;
    HoldWindowDown& operator=(const HoldWindowDown&) = delete;

  private:
    MainState& m_;
};

std::string alarmCaption(Application& app) {
    return app.ctl("LabelAlarmTime").caption;
}

// The up-down buttons step from the number their box shows.
void syncUpDowns(Application& app) {
    if (auto h = tryStrToInt(app.ctl("ComboBoxHour").text)) app.ctl("UpDown2").position = *h;
    if (auto m = tryStrToInt(app.ctl("ComboBoxMinute").text)) app.ctl("UpDown1").position = *m;
}

void rebuildAlarmTime(Application& app) {
    UpdateAlarmDisplay(app);
    syncUpDowns(app);
}

// A changed alarm time goes to the city's row and, so that a crash cannot lose it, to the
// settings file as well.
void keepAlarmTime(Application& app) {
    app.hook("StoreCityAlarm");
    SaveAllSettings(app);
}

void keepIfChanged(Application& app, const std::string& before) {
    if (alarmCaption(app) != before) keepAlarmTime(app);
}

void rewriteTwoDigits(Control& box) {
    box.text = TwoDigits(strToInt(box.text));
}

void checkAlarmHour(Application& app, const char* message24) {
    HoldWindowDown hold(app.main);
    const std::string before = alarmCaption(app);
    Control& hour = app.ctl("ComboBoxHour");
    const bool h24 = is24Hour(app);
    if (hourOutOfRange(strToInt(hour.text), h24)) {
        ShowNote(app, h24 ? message24 : "Maximum hours is 12.  Try again!", true);
        app.box(BoxKind::Error, h24 ? "Maximum '23' hours" : "Maximum '12' hours");
        hour.text = "07";
    }
    rebuildAlarmTime(app);
    keepIfChanged(app, before);
}

// Enter in a box: all three checks, then every box in its two-digit form.
void validateAlarmBoxes(Application& app) {
    ComboBoxHourExit(app);
    ComboBoxMinuteExit(app);
    ComboBoxSnoozeExit(app);
    rewriteTwoDigits(app.ctl("ComboBoxHour"));
    rewriteTwoDigits(app.ctl("ComboBoxMinute"));
    rewriteTwoDigits(app.ctl("ComboBoxSnooze"));
    syncUpDowns(app);
}

void alarmBoxKeyPress(Application& app) {
    KeyEvent* key = app.currentKey();
    if (!key) return;
    if (key->character() == '\r') validateAlarmBoxes(app);
    key->suppressed = true;
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
    rewriteTwoDigits(app.ctl("ComboBoxHour"));
    rewriteTwoDigits(app.ctl("ComboBoxMinute"));
    rebuildAlarmTime(app);
}

void upDownMouseUp(Application& app) {
    upDownClick(app);
    app.hook("RefreshMilestones");
    keepAlarmTime(app);
}

void alarmBoxClick(Application& app) {
    rebuildAlarmTime(app);
    app.hook("StoreCityAlarm");
    Control& ampm = app.ctl("ComboBoxAMPM");
    ampm.text = upperCaseUtf8(ampm.text);
    SaveAllSettings(app);
}

void setBoxLists(Application& app) {
    Control& hour = app.ctl("ComboBoxHour");
    hour.items.clear();
    for (int h = 1; h <= 12; ++h)
        hour.items.push_back(TwoDigits(h));
    app.ctl("ComboBoxMinute").items = {"00", "05", "10", "15", "20", "25", "30",
                                       "35", "40", "45", "50", "55", "59"};
    app.ctl("ComboBoxSnooze").items = {"01", "02", "03", "05", "10", "15", "20", "25", "30", "59"};
    // Capitals must be typeable here; the key filter lets nothing else through.
    app.ctl("ComboBoxAMPM").readOnly = false;
    app.ctl("ComboBoxHour").hint = "Alarm Hour";
    app.ctl("ComboBoxMinute").hint = "Alarm Minute";
    app.ctl("ComboBoxAMPM").hint = "Alarm AM / PM";
    app.ctl("ComboBoxSnooze").hint =
        "After Alarm sounds - Press ANY key to start Snooze.  Click Stop Alarm Button to END alarm";
    app.ctl("LabelAlarmTime").hint = "Alarm Time - Adjusted for City";
}

void wireHandlers(Application& app) {
    for (const char* box : {"ComboBoxHour", "ComboBoxMinute", "ComboBoxSnooze"})
        app.ctl(box).handlers[Event::KeyPress] = "ComboBoxMinuteKeyPress";
    for (const char* box : {"ComboBoxHour", "ComboBoxMinute", "ComboBoxAMPM"}) {
        app.ctl(box).handlers[Event::Click] = "ComboBoxAMPMClick";
        app.ctl(box).handlers[Event::Change] = "ComboBoxMinuteChange";
    }
    app.ctl("ComboBoxHour").handlers[Event::Exit] = "ComboBoxHourExit";
    app.ctl("ComboBoxMinute").handlers[Event::Exit] = "ComboBoxMinuteExit";
    app.ctl("ComboBoxAMPM").handlers[Event::Exit] = "ComboBoxAMPMExit";
    app.ctl("ComboBoxAMPM").handlers[Event::KeyPress] = "ComboBoxAMPMKeyPress";
    app.ctl("ComboBoxSnooze").handlers[Event::Exit] = "ComboBoxSnoozeExit";
    app.ctl("ComboBoxSnooze").handlers[Event::Click] = "ComboBoxSnoozeClick";
    for (const char* buttons : {"UpDown1", "UpDown2"}) {
        app.ctl(buttons).handlers[Event::Click] = "UpDown2Click";
        app.ctl(buttons).handlers[Event::MouseUp] = "UpDown2MouseUp";
    }
    Control& params = app.ctl("EditProgramParams");
    params.handlers[Event::Click] = "EditProgramParamsClick";
    params.handlers[Event::KeyPress] = "EditProgramParamsKeyPress";
    params.handlers[Event::Exit] = "EditProgramParamsExit";
    if (Control* plannerHour = app.find("ComboBoxHourM"))
        plannerHour->handlers[Event::Exit] = "ComboBoxHourMExit";
}

} // namespace

void ComboBoxHourExit(Application& app) {
    checkAlarmHour(app, "Maximum hours in a day are 23.  Try again!");
}

void ComboBoxMinuteExit(Application& app) {
    HoldWindowDown hold(app.main);
    const std::string before = alarmCaption(app);
    Control& minute = app.ctl("ComboBoxMinute");
    if (minuteOutOfRange(strToInt(minute.text))) {
        ShowNote(app, "Maximum minutes in an hour are 59.  Try again!", true);
        app.box(BoxKind::Error, "Maximum '59' minutes!");
        minute.text = "59";
    }
    rebuildAlarmTime(app);
    keepIfChanged(app, before);
}

void ComboBoxAMPMExit(Application& app) {
    HoldWindowDown hold(app.main);
    const LocaleInfo& loc = app.locale();
    const std::string before = alarmCaption(app);
    Control& ampm = app.ctl("ComboBoxAMPM");
    ampm.text = upperCaseUtf8(ampm.text);
    const std::string am = upperCaseUtf8(loc.amDesignator);
    if (ampm.text != am && ampm.text != upperCaseUtf8(loc.pmDesignator)) {
        ShowNote(app, "Only A M or P M accepted as input!", true);
        app.box(BoxKind::Error,
                "Only " + loc.amDesignator + " or " + loc.pmDesignator + " accepted as input");
        ampm.text = am;
    }
    // A designator typed here must reach the alarm label, or the alarm would keep the old half-day.
    rebuildAlarmTime(app);
    keepIfChanged(app, before);
}

void ComboBoxSnoozeExit(Application& app) {
    Control& snooze = app.ctl("ComboBoxSnooze");
    if (!snoozeOutOfRange(strToInt(snooze.text))) return;
    app.platform().speaker->ding();
    app.main.MayRaiseWindow = false;
    app.box(BoxKind::Error, "Maximum '59' minutes");
    app.main.MayRaiseWindow = true;
    snooze.text = "59";
    SaveAllSettings(app);
}

void CheckPlannerHourBox(Application& app, Control& box) {
    if (!hourOutOfRange(strToInt(box.text), false)) return;
    ShowNote(app, "Maximum hours is 12.  Try again!", true);
    app.box(BoxKind::Error, "Maximum '12' hours");
    box.text = "07";
}

void installAlarmEntry(Application& app) {
    setBoxLists(app);
    wireHandlers(app);
    app.defineOperation("ComboBoxHourExit", [&app] { ComboBoxHourExit(app); });
    app.defineOperation("ComboBoxMinuteExit", [&app] { ComboBoxMinuteExit(app); });
    app.defineOperation("ComboBoxAMPMExit", [&app] { ComboBoxAMPMExit(app); });
    app.defineOperation("ComboBoxSnoozeExit", [&app] { ComboBoxSnoozeExit(app); });
    app.defineOperation("ComboBoxSnoozeClick", [&app] { SaveAllSettings(app); });
    app.defineOperation("ComboBoxMinuteKeyPress", [&app] { alarmBoxKeyPress(app); });
    app.defineOperation("ComboBoxAMPMKeyPress", [&app] { ampmKeyPress(app); });
    app.defineOperation("UpDown2Click", [&app] { upDownClick(app); });
    app.defineOperation("UpDown2MouseUp", [&app] { upDownMouseUp(app); });
    app.defineOperation("ComboBoxAMPMClick", [&app] { alarmBoxClick(app); });
    app.defineOperation("ComboBoxMinuteChange", [&app] {
        syncUpDowns(app);
        app.hook("RefreshMilestones");
    });
    app.defineOperation("EditProgramParamsClick", [&app] {
        rebuildAlarmTime(app);
        keepAlarmTime(app);
    });
    app.defineOperation("EditProgramParamsKeyPress", [&app] { programParamsKeyPress(app); });
    app.defineOperation("EditProgramParamsExit",
                        [&app] { checkAlarmHour(app, "Maximum hours in a day is 23.  Try again!"); });
    app.defineOperation("ComboBoxHourMExit", [&app] {
        if (Control* box = app.find("ComboBoxHourM")) CheckPlannerHourBox(app, *box);
    });
    app.defineOperation("SyncAlarmUpDowns", [&app] { syncUpDowns(app); });
}

} // namespace kelvaro
