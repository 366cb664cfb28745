// The seven day items with their presets, the day mask of the current city and
// the status line above the clock.
#include "alarm/alarm_days.h"

#include "alarm/alarm_rules.h"
#include "alarm/city_row.h"
#include "framework/application.h"
#include "framework/conversions.h"
#include "app/features.h"
#include "framework/form_builder.h"
#include "app/main_tick.h"
#include "settings/settings_lock.h"
#include "settings/settings_store.h"

namespace kelvaro {

namespace {

constexpr const char* kDayItems[7] = {"Sunday1",   "Monday1", "Tuesday1", "Wednesday1",
                                      "Thursday1", "Friday1", "Saturday1"};
constexpr const char* kDayCaptions[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                         "Thursday", "Friday", "Saturday"};

struct DaysState {
    std::string DaysText; // the day summary being built
};

void setDayChecks(Application& app, const DayChecks& checks) {
    for (int d = 0; d < 7; ++d)
        app.ctl(kDayItems[d]).checked = checks[d];
}

DayChecks dayChecks(Application& app) {
    DayChecks checks{};
    for (int d = 0; d < 7; ++d)
        checks[d] = app.ctl(kDayItems[d]).checked;
    return checks;
}

std::string checkedCaption(Application& app, std::initializer_list<const char*> radios) {
    for (const char* name : radios)
        if (Control* c = app.find(name); c && c->checked) return c->caption;
    return {};
}

// Names the sound source and the way its music plays.
void showSoundStatus(Application& app) {
    std::string sound, sort;
    if (app.ctl("CDPlayer1").checked) {
        sound = "CD Music";
        sort = checkedCaption(app, {"RadioButtonCDInOrder", "RadioButtonCDRandom", "RadioButtonCDSingle",
                                    "RadioButtonCDWhole"});
    } else if (app.ctl("MP3Music1").checked) {
        sound = "MP3 and Wave Music";
        sort = checkedCaption(app, {"RadioButtonWInOrder", "RadioButtonWRandom", "RadioButtonWSingle"});
    } else if (app.ctl("Ding1").checked) {
        sound = "System Ding";
        sort = "Repeat";
    } else if (app.ctl("MIDIMusic1").checked) {
        sound = "MIDI Music";
        sort = "Repeat";
    } else if (app.ctl("WebRadioTV1").checked) {
        sound = "Web Radio Music";
        sort = "Infinate";
    } else if (app.ctl("ProgramofYourChoice1").checked) {
        sound = "Program of your Choice";
        sort = "None";
    } else {
        return;
    }
    app.ctl("LabelSound").caption = sound;
    app.ctl("LabelSort").caption = sort;
}

void dayItemClick(Application& app, const std::string& item) {
    if (ConfirmSettingChange(app)) return;
    Control& c = app.ctl(item);
    c.checked = !c.checked;
    StoreCityDays(app);
    SaveAllSettings(app);
}

void applyPreset(Application& app, int mask) {
    if (ConfirmSettingChange(app)) return;
    setDayChecks(app, checksOfMask(mask));
    StoreCityDays(app);
}

void addDaysControls(Application& app) {
    Form& f = app.form("TFormKelvaro");
    for (int d = 0; d < 7; ++d)
        addMenuItem(f, kDayItems[d], kDayCaptions[d], "DaysSettings1", true);
    addSeparator(f, "DaysPresetsSeparator1", "DaysSettings1");
    addMenuItem(f, "WeekDaysOnly1", "Week &Days Only", "DaysSettings1");
    addMenuItem(f, "WeekendsOnly1", "Week&ends Only", "DaysSettings1");
    addMenuItem(f, "AllDays1", "&All Days", "DaysSettings1");

    addLabel(f, "LabelSound", "", {96, 58, 200, 16}).hint = "Music Device for Alarm";
    addLabel(f, "LabelSort", "", {300, 58, 100, 16}).hint = "How Music is Played";
    // Same fixed-pitch font and place: each underline sits under its day's two letters.
    for (const char* name : {"LabelDays", "LabelUnderLineDay"}) {
        Control& c = addLabel(f, name, "", {96, 78, 250, 20});
        c.fontName = "Monospace"; // the fixed-pitch family every Linux desktop resolves
        c.fontSize = 11;
        c.bold = true;
    }
    app.ctl("LabelDays").caption = "Su Mo Tu We Th Fr Sa";
    Control& underline = app.ctl("LabelUnderLineDay");
    underline.caption = "__ __ __ __ __ __ __";
    underline.hint = "Days that Alarm can sound, Current day is underlined";
}

void wireDaysHandlers(Application& app) {
    for (const char* item : kDayItems) {
        const std::string name = item;
        app.ctl(name).handlers[Event::Click] = name + "Click";
        app.defineOperation(name + "Click", [&app, name] { dayItemClick(app, name); });
    }
    // The shared handler by its own name; the argument names the clicked item.
    app.defineOperation("Sunday1Click", [&app](const Args& a) {
        dayItemClick(app, a.empty() ? "Sunday1" : a[0]);
        return std::string();
    });
    const std::pair<const char*, int> presets[] = {
        {"WeekDaysOnly1", kWeekDaysMask}, {"WeekendsOnly1", kWeekendsMask}, {"AllDays1", kAllDaysMask}};
    for (const auto& [item, mask] : presets) {
        const std::string name = item;
        const int presetMask = mask;
        app.ctl(name).handlers[Event::Click] = name + "Click";
        app.defineOperation(name + "Click", [&app, presetMask] { applyPreset(app, presetMask); });
    }
}

} // namespace

bool ShowCityDays(Application& app, int day) {
    std::string& maskText = currentCityCells(app)[kDayMaskColumn];
    if (maskText.empty()) maskText = intToStr(kAllDaysMask);
    const int mask = strToInt(maskText);
    setDayChecks(app, checksOfMask(mask));
    std::string& daysText = app.feature<DaysState>().DaysText;
    daysText = daysSummary(mask);
    app.ctl("LabelDays").caption = daysText;
    showSoundStatus(app);
    return dayInMask(mask, day);
}

void StoreCityDays(Application& app) {
    currentCityCells(app)[kDayMaskColumn] = intToStr(maskOfChecks(dayChecks(app)));
    saveCityList(app);
    ShowCityDays(app, 0);
}

void WeekdayStep(Application& app, DateTime cityNow) {
    MainState& m = app.main;
    m.CityWeekday = dayOfWeek(cityNow);
    app.ctl("LabelUnderLineDay").caption = underlineFor(m.CityWeekday);
    m.TodayEnabled = app.ctl(kDayItems[m.CityWeekday - 1]).checked;
}

void installAlarmDays(Application& app) {
    addDaysControls(app);
    wireDaysHandlers(app);
    installSundayAlarm(app);
    app.defineOperation("ShowCityDays", [&app](const Args& a) {
        return std::string(ShowCityDays(app, a.empty() ? 0 : strToInt(a[0])) ? "true" : "false");
    });
    app.defineOperation("StoreCityDays", [&app] { StoreCityDays(app); });
    app.defineOperation("WeekdayStep", [&app] { WeekdayStep(app, app.main.CityNow); });
    // Start: the day items, the status line, the Sunday labels and today's underline
    // follow what was read; nothing is written while the settings are still loading.
    app.defineOperation("ShowSundayAlarmAtStart", [&app] {
        ShowCityDays(app, 0);
        ShowSundayAlarm(app);
        WeekdayStep(app, cityTime(app.now(), app.main.CityOffset, app.locale()));
        app.hook("SyncAlarmUpDowns");
    });
    app.defineState("TodayEnabled", [&app] { return std::string(app.main.TodayEnabled ? "true" : "false"); });
    app.defineState("DaysText", [&app] { return app.feature<DaysState>().DaysText; });
    app.defineState("CityDayMask", [&app] { return currentCityCells(app)[kDayMaskColumn]; });
    app.defineState("CitySundayAlarm", [&app] { return currentCityCells(app)[kSundayAlarmColumn]; });
}

} // namespace kelvaro
