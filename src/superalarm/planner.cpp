// The planner's page: the plan worked out backwards, the defaults in the settings
// file, the plan of each city in the city list, and "Set Alarm".
#include "framework/handle.h"
#include "framework/translatable.h"
#include "superalarm/superalarm.h"

#include "app/clock_formats.h"
#include "app/features.h"
#include "app/show_note.h"
#include "app/steps.h"
#include "app/windows.h"
#include "cities/city_list.h"
#include "framework/application.h"
#include "framework/colors.h"
#include "framework/conversions.h"
#include "framework/datetime.h"
#include "settings/profile_file.h"
#include "settings/settings_lock.h"
#include "settings/settings_store.h"
#include "superalarm/plan.h"
#include "superalarm/plan_fields.h"

#include <array>
#include <stdexcept>

namespace kelvaro {

namespace {

using PlanControls = std::array<Control*, kPlanFields.size()>;

// The fields in the order of kPlanFields (installPlanner checks that the names agree).
PlanControls planControls(Application& app) {
    SettingsNotebook& n = notebook(app);
    return {&n.Edit1M,          &n.Edit2M,        &n.Edit3M,  &n.Edit4M,  &n.Edit5M,
            &n.Edit6M,          &n.Edit7M,        &n.Edit8M,  &n.Edit9M,  &n.ComboBoxHourM,
            &n.ComboBoxMinuteM, &n.ComboBoxAMPMM, &n.EditBT,  &n.Edit1MT, &n.Edit2MT,
            &n.Edit3MT,         &n.Edit4MT,       &n.Edit5MT, &n.EditBTT};
}

constexpr int kHourField = 9, kMinuteField = 10, kAmPmField = 11, kSleepField = 12;

std::string upper(const std::string& text) {
    return upperCaseUtf8(text);
}

bool validValue(Application& app, std::size_t i, const std::string& text) {
    const LocaleInfo& loc = app.locale();
    if (i == kAmPmField) return text == upper(loc.amDesignator) || text == upper(loc.pmDesignator);
    if (!kPlanFields[i].number) return true;
    const auto n = planNumber(text);
    if (!n) return false;
    if (i == kHourField) return *n >= 1 && *n <= 12;
    if (i == kMinuteField) return *n <= 59;
    return true;
}

// A value from the settings file or a city row that does not convert takes the
// field's initial text, drawn red so the user sees which one was replaced.
void repairFields(Application& app) {
    const PlanControls c = planControls(app);
    for (std::size_t i = 0; i < c.size(); ++i) {
        if (validValue(app, i, c[i]->text)) continue;
        c[i]->text = i == kAmPmField ? upper(app.locale().amDesignator) : kPlanFields[i].initial;
        c[i]->color = colors::Red;
    }
}

PlanInput readPlan(Application& app) {
    const PlanControls c = planControls(app);
    PlanInput in;
    for (int i = 0; i < kPlanSteps; ++i)
        in.minutes[static_cast<std::size_t>(i)] =
            planNumber(c[static_cast<std::size_t>(i)]->text).value_or(0);
    const bool pm = c[kAmPmField]->text == upper(app.locale().pmDesignator);
    const int hour = planNumber(c[kHourField]->text).value_or(8);
    const int minute = planNumber(c[kMinuteField]->text).value_or(0);
    in.target = minuteOfDay12(hour, minute, pm).value_or(8 * 60); // repairFields keeps both in range
    in.sleepHours = planNumber(c[kSleepField]->text).value_or(8);
    return in;
}

// A plan that spans a day has no clock times. The user's own entry is refused with a
// message and cleared; values read from a file go back to the initial texts.
bool refuseDayLongPlan(Application& app, Control* sender) {
    const PlanControls c = planControls(app);
    const PlanProblem problem = checkPlan(readPlan(app));
    if (problem == PlanProblem::None) return false;
    const bool sleep = problem == PlanProblem::SleepFillsADay;
    if (sender) {
        ShowNote(
            app,
            sleep
                ? KV_TR("Hours of sleep must be fewer than 24.  Try again!")
                : KV_TR(
                      "All the Super Alarm minutes together must be fewer than 1440 (one day).  Try again!"),
            true);
        app.box(BoxKind::Error,
                sleep ? KV_TR("Maximum '23' hours sleep") : KV_TR("Maximum '1439' minutes in all"));
        sender->text.assign(1, sleep ? '8' : '0'); // not = "8": a false -Wrestrict of GCC 12 at -O2
    }
    if (checkPlan(readPlan(app)) == PlanProblem::None) return true;
    for (std::size_t i = 0; i < c.size(); ++i) {
        if (!kPlanFields[i].number || i == kHourField || i == kMinuteField) continue;
        c[i]->text = kPlanFields[i].initial;
        c[i]->color = colors::Red;
    }
    return true;
}

void showPlan(Application& app) {
    SettingsNotebook& n = notebook(app);
    const PlanTimes t = computePlan(readPlan(app));
    n.LabelMAlarmTime.caption = planTimeText(app, t.alarm);
    n.LabelBedTime.caption = planTimeText(app, t.bed);
    n.LabelStartShower.caption = planTimeText(app, t.shower);
    n.LabelStartDress.caption = planTimeText(app, t.dress);
    n.LabelStartEatMisc.caption = planTimeText(app, t.eat);
    n.LabelStartDrive.caption = planTimeText(app, t.drive);
    n.LabelAlarmNotSet.visible = shownMinute(app, mainWindow(app).LabelAlarmTime.caption) != t.alarm;
}

void rewriteTwoDigits(Control& box) {
    if (const auto n = planNumber(box.text)) box.text = TwoDigits(*n);
}

void copyPlanToCityRow(Application& app) {
    Control& grid = cityGrid(app);
    const int row = currentCityRow(grid);
    if (row == 0) return;
    const PlanControls c = planControls(app);
    for (std::size_t i = 0; i < c.size(); ++i)
        setCityCell(grid, row, kPlanFields[i].column, c[i]->text);
}

std::string defaultFallback(Application& app, const PlanField& field) {
    return field.fallback ? std::string(field.fallback) : upper(app.locale().amDesignator);
}

} // namespace

int shownMinute(Application& app, const std::string& text) {
    const auto t = strToTime(text, app.locale());
    if (!t) return -1;
    const TimeParts p = decodeTime(timeOfDay(*t));
    return p.hour * 60 + p.minute;
}

std::string planTimeText(Application& app, int minuteOfDay) {
    const DateTime t = encodeTime(minuteOfDay / 60, minuteOfDay % 60, 0) + app.main.BaseDate;
    return formatDateTime("hh:mm AMPM", t, app.locale());
}

void RecalculatePlan(Application& app, const Control* sender) {
    if (sender && sender->text.empty()) return; // a field being cleared while typing
    const PlanControls c = planControls(app);
    Control* edited = nullptr;
    for (std::size_t i = 0; i < c.size(); ++i) {
        if (c[i] != sender) continue;
        edited = c[i];
        if (validValue(app, i, edited->text)) edited->color = 0; // the user's own value replaces a mark
    }
    repairFields(app);
    notebook(app).ComboBoxAMPMM.visible = true;
    refuseDayLongPlan(app, edited);
    showPlan(app);
}

void SavePlanDefaults(Application& app) {
    if (ConfirmNotebookChange(app)) return;
    ProfileFile file(app.filePath(kSettingsFile));
    const PlanControls c = planControls(app);
    for (std::size_t i = 0; i < c.size(); ++i)
        file.writeString("Data", kPlanFields[i].key, c[i]->text);
    file.flush();
}

void UsePlanDefaults(Application& app) {
    if (ConfirmNotebookChange(app)) return;
    const ProfileFile file(app.filePath(kSettingsFile));
    const PlanControls c = planControls(app);
    for (std::size_t i = 0; i < c.size(); ++i) {
        c[i]->text = file.readString("Data", kPlanFields[i].key, defaultFallback(app, kPlanFields[i]));
        c[i]->color = 0;
    }
    c[kAmPmField]->text = upper(c[kAmPmField]->text);
    RecalculatePlan(app, nullptr);
    copyPlanToCityRow(app);
    runStep(app, Step::SaveCityList);
}

void LoadCityPlan(Application& app) {
    const Control& grid = cityGrid(app);
    const int row = currentCityRow(grid);
    if (row != 0 && !cityCell(grid, row, kPlanFirstColumn).empty() &&
        !cityCell(grid, row, kPlanLastColumn).empty()) {
        const PlanControls c = planControls(app);
        for (std::size_t i = 0; i < c.size(); ++i) {
            c[i]->text = cityCell(grid, row, kPlanFields[i].column);
            c[i]->color = 0;
        }
        c[kAmPmField]->text = upper(c[kAmPmField]->text);
    }
    RecalculatePlan(app, nullptr);
}

void StoreCityPlan(Application& app) {
    copyPlanToCityRow(app);
    RefreshMilestones(app);
    runStep(app, Step::StoreCityAlarm); // the alarm into the row, and the list saved
}

void SetSuperAlarm(Application& app) {
    if (ConfirmNotebookChange(app)) return;
    const int alarm = shownMinute(app, notebook(app).LabelMAlarmTime.caption);
    if (alarm < 0) return;
    MainWindow& w = mainWindow(app);
    // In 12-hour form the switch to 24 hours and back turns the fields into hour and AM/PM.
    const bool twelve = !is24Hour(app);
    if (twelve) N24HourFormat1Click(app);
    w.ComboBoxHour.text = TwoDigits(alarm / 60);
    w.ComboBoxMinute.text = TwoDigits(alarm % 60);
    if (twelve) N24HourFormat1Click(app);
    UpdateAlarmDisplay(app);
    runStep(app, Step::SyncAlarmUpDowns);
    SaveAllSettings(app);
    StoreCityPlan(app);
    app.closeForm(SettingsNotebook::kName);
}

void CheckPlannerMinute(Application& app) {
    Control& minute = notebook(app).ComboBoxMinuteM;
    const auto n = planNumber(minute.text);
    if (n && *n >= 60) {
        ShowNote(app, KV_TR("Maximum number of minutes in an hour are 59.  Try again!"), true);
        app.box(BoxKind::Error, KV_TR("Maximum '59' minutes"));
        minute.text = "59";
        RecalculatePlan(app, nullptr); // a program write runs no change handler
    }
}

namespace {

void plannerComboKeyPress(Application& app) {
    KeyEvent* key = app.currentKey();
    if (!key) return;
    if (key->character() == '\r') {
        CheckPlannerMinute(app);
        rewriteTwoDigits(notebook(app).ComboBoxHourM);
    }
    key->suppressed = true;
}

void plannerNumberKeyPress(Application& app) {
    KeyEvent* key = app.currentKey();
    const char c = key ? key->character() : '\0';
    if (key && c != 8 && (c < '0' || c > '9')) key->suppressed = true;
}

void plannerUpDownMouseUp(Application& app) {
    rewriteTwoDigits(notebook(app).ComboBoxHourM);
    rewriteTwoDigits(notebook(app).ComboBoxMinuteM);
    RecalculatePlan(app, nullptr);
}

void routeChanges(Application& app) {
    SettingsNotebook& n = notebook(app);
    const PlanControls c = planControls(app);
    for (std::size_t i = 0; i <= kSleepField; ++i) {
        Control& field = *c[i];
        const std::string op = field.name + "Change";
        handle(app, field, Event::Change, op, [&app, &field] { RecalculatePlan(app, &field); });
        field.handlers[Event::KeyPress] = kPlanFields[i].number && i != kHourField && i != kMinuteField
                                              ? "PlannerNumberKeyPress"
                                              : "PlannerComboKeyPress";
    }
    for (Control* box : {&n.ComboBoxHourM, &n.ComboBoxMinuteM})
        box->handlers[Event::DblClick] = box->handler(Event::Change);
    handle(app, n.ComboBoxMinuteM, Event::Exit, "ComboBoxMinuteMExit", [&app] { CheckPlannerMinute(app); });
    for (Control* updown : {&n.UpDownHourM, &n.UpDownMinuteM})
        handle(app, *updown, Event::MouseUp, "UpDownHourMMouseUp", [&app] { plannerUpDownMouseUp(app); });
    handle(app, n.GradBtnnMSaveDefaults, Event::Click, "GradBtnnMSaveDefaultsClick",
           [&app] { SavePlanDefaults(app); });
    handle(app, n.GradBtnnMUseDefaults, Event::Click, "GradBtnnMUseDefaultsClick",
           [&app] { UsePlanDefaults(app); });
    handle(app, n.GradBtnnMSetAlarm, Event::Click, "GradBtnnMSetAlarmClick", [&app] { SetSuperAlarm(app); });
    MainWindow& w = mainWindow(app);
    handle(app, w.Labelsb3, Event::DblClick, "Labelsb3DblClick",
           [&app] { OpenNotebookOn(app, &notebook(app).TabSheetSuperAlarm); });
    w.LabelAtime.handlers[Event::DblClick] = w.Labelsb3.handler(Event::DblClick);
    w.SetSuperAlarm1.handlers[Event::Click] = w.Labelsb3.handler(Event::DblClick);
}

} // namespace

void installPlanner(Application& app) {
    const PlanControls c = planControls(app);
    for (std::size_t i = 0; i < c.size(); ++i)
        if (c[i]->name != kPlanFields[i].name)
            throw std::logic_error("planner field " + c[i]->name + " is listed as " + kPlanFields[i].name);
    routeChanges(app);
    app.defineOperation("PlannerNumberKeyPress", [&app] { plannerNumberKeyPress(app); });
    app.defineOperation("PlannerComboKeyPress", [&app] { plannerComboKeyPress(app); });
    app.defineOperation("RecalculatePlan", [&app](const Args& a) {
        RecalculatePlan(app, a.empty() ? nullptr : app.find(a[0])); // a script names the sender
        return std::string();
    });
    app.defineOperation("SavePlanDefaults", [&app] { SavePlanDefaults(app); });
    app.defineOperation("UsePlanDefaults", [&app] { UsePlanDefaults(app); });
    app.defineOperation("SetSuperAlarm", [&app] { SetSuperAlarm(app); });
    defineStep(app, Step::LoadCityPlan, [&app] { LoadCityPlan(app); });
    defineStep(app, Step::StoreCityPlan, [&app] {
        if (app.main.SettingsLoaded) StoreCityPlan(app);
    });
    defineStep(app, Step::ShowPlannerAmPm, [&app] { notebook(app).ComboBoxAMPMM.visible = true; });
}

} // namespace kelvaro

namespace kelvaro {

void installSuperAlarm(Application& app) {
    installPlanner(app);
    installMilestones(app);
}

} // namespace kelvaro
