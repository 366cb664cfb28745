// The separate Sunday alarm time of the current city and its two labels.
#include "alarm/alarm_days.h"
#include "alarm/city_row.h"
#include "app/clock_formats.h"
#include "app/main_tick.h"
#include "app/steps.h"
#include "app/windows.h"
#include "framework/application.h"
#include "framework/colors.h"
#include "framework/form_builder.h"
#include "framework/handle.h"
#include "framework/translatable.h"
#include "settings/settings_lock.h"
#include "settings/settings_store.h"

namespace kelvaro {

namespace {} // namespace

void addSundayLabels(Form& f) {
    Control& line = addLabel(f, "LabelSundayAlarm", "", {8, 282, 436, 14});
    line.fontSize = 8;
    line.color = colors::Navy;
    line.hint = KV_TR("Set Alarm time then Double Click This to Set Sunday Alarm for this City");
    // The alarm test reads the Sunday time from this hidden copy.
    Control& copy = addLabel(f, "LabelSundayAlarm1", "", {0, 0, 0, 0});
    copy.visible = false;
    copy.color = colors::Navy;
}

namespace {

void sundaySwitchClick(Application& app) {
    if (ConfirmSettingChange(app)) return;
    Control& item = mainWindow(app).SundayAlarmSeperate1;
    item.checked = !item.checked;
    ShowSundayAlarm(app);
    SaveAllSettings(app);
}

void sundayLabelDblClick(Application& app) {
    if (ConfirmSettingChange(app)) return;
    if (mainWindow(app).SundayAlarmSeperate1.checked) StoreSundayAlarm(app);
}

} // namespace

void ShowSundayAlarm(Application& app) {
    const LocaleInfo& loc = app.locale();
    std::vector<std::string>& row = currentCityCells(app);
    if (row[kSundayAlarmColumn].empty()) row[kSundayAlarmColumn] = mainWindow(app).LabelAlarmTime.caption;
    const bool separate = mainWindow(app).SundayAlarmSeperate1.checked;
    const DateTime cityNow = cityTime(app.now(), app.main.CityOffset, loc);
    const bool sundayAlarmDay = separate && dayOfWeek(cityNow) == 1;
    mainWindow(app).LabelSundayAlarm.color = sundayAlarmDay ? colors::Black : colors::Navy;
    mainWindow(app).LabelSundayAlarm1.color = sundayAlarmDay ? colors::Black : colors::Navy;
    mainWindow(app).LabelAlarmTime.color = sundayAlarmDay ? colors::Grey : colors::Black;
    std::string shown, line;
    if (separate) {
        const DateTime t = strToTimeOrThrow(row[kSundayAlarmColumn], loc);
        shown = formatDateTime(is24Hour(app) ? "hh:mm" : "hh:mm AMPM", t, loc);
        line = fillPattern(KV_TR("%1 = Sunday Alarm Time - %2"), {shown, row[kCityNameColumn]});
    }
    mainWindow(app).LabelSundayAlarm1.caption = shown;
    mainWindow(app).LabelSundayAlarm.caption = line;
}

void StoreSundayAlarm(Application& app) {
    currentCityCells(app)[kSundayAlarmColumn] = mainWindow(app).LabelAlarmTime.caption;
    saveCityList(app);
    ShowSundayAlarm(app);
}

void installSundayAlarm(Application& app) {
    handle(app, mainWindow(app).SundayAlarmSeperate1, Event::Click, "SundayAlarmSeperate1Click",
           [&app] { sundaySwitchClick(app); });
    for (Control* label : {&mainWindow(app).LabelSundayAlarm, &mainWindow(app).LabelSundayAlarm1})
        handle(app, *label, Event::DblClick, "LabelSundayAlarm1DblClick",
               [&app] { sundayLabelDblClick(app); });
    defineStep(app, Step::ShowSundayAlarm, [&app] { ShowSundayAlarm(app); });
    app.defineOperation("StoreSundayAlarm", [&app] { StoreSundayAlarm(app); });
}

} // namespace kelvaro
