// The seven day items with their presets, the day mask of the current city and
// the status line above the clock.
#include "alarm/alarm_days.h"

#include "app/steps.h"
#include "app/windows.h"
#include "framework/handle.h"
#include "framework/translatable.h"
#include <array>

#include "alarm/alarm_rules.h"
#include "alarm/city_row.h"
#include "app/features.h"
#include "app/main_tick.h"
#include "framework/application.h"
#include "framework/conversions.h"
#include "framework/form_builder.h"
#include "settings/settings_lock.h"
#include "settings/settings_store.h"

namespace kelvaro {

namespace {

constexpr const char* kDayItems[7] = {"Sunday1",   "Monday1", "Tuesday1", "Wednesday1",
                                      "Thursday1", "Friday1", "Saturday1"};
constexpr const char* kDayCaptions[7] = {KV_TR("Sunday"),    KV_TR("Monday"),   KV_TR("Tuesday"),
                                         KV_TR("Wednesday"), KV_TR("Thursday"), KV_TR("Friday"),
                                         KV_TR("Saturday")};

std::array<Control*, 7> dayItems(Application& app) {
    MainWindow& w = mainWindow(app);
    return {&w.Sunday1, &w.Monday1, &w.Tuesday1, &w.Wednesday1, &w.Thursday1, &w.Friday1, &w.Saturday1};
}

struct DaysState {
    std::string DaysText; // the day summary being built
};

void setDayChecks(Application& app, const DayChecks& checks) {
    const auto items = dayItems(app);
    for (int d = 0; d < 7; ++d)
        items[d]->checked = checks[d];
}

DayChecks dayChecks(Application& app) {
    DayChecks checks{};
    const auto items = dayItems(app);
    for (int d = 0; d < 7; ++d)
        checks[d] = items[d]->checked;
    return checks;
}

std::string checkedCaption(std::initializer_list<const Control*> radios) {
    for (const Control* c : radios)
        if (c->checked) return c->caption;
    return {};
}

// Names the sound source and the way its music plays.
void showSoundStatus(Application& app) {
    std::string sound, sort;
    if (mainWindow(app).CDPlayer1.checked) {
        sound = KV_TR("CD Music");
        const SettingsNotebook& nb = notebook(app);
        sort = checkedCaption({&nb.RadioButtonCDInOrder, &nb.RadioButtonCDRandom, &nb.RadioButtonCDSingle,
                               &nb.RadioButtonCDWhole});
    } else if (mainWindow(app).MP3Music1.checked) {
        sound = KV_TR("MP3 and Wave Music");
        const SettingsNotebook& nb = notebook(app);
        sort = checkedCaption({&nb.RadioButtonWInOrder, &nb.RadioButtonWRandom, &nb.RadioButtonWSingle});
    } else if (mainWindow(app).Ding1.checked) {
        sound = KV_TR("System Ding");
        sort = KV_TR("Repeat");
    } else if (mainWindow(app).MIDIMusic1.checked) {
        sound = KV_TR("MIDI Music");
        sort = KV_TR("Repeat");
    } else if (mainWindow(app).WebRadioTV1.checked) {
        sound = KV_TR("Web Radio Music");
        sort = KV_TR("Infinate");
    } else if (mainWindow(app).ProgramofYourChoice1.checked) {
        sound = KV_TR("Program of your Choice");
        sort = KV_TR("None");
    } else {
        return;
    }
    mainWindow(app).LabelSound.caption = sound;
    mainWindow(app).LabelSort.caption = sort;
}

void dayItemClick(Application& app, Control& c) {
    if (ConfirmSettingChange(app)) return;
    c.checked = !c.checked;
    StoreCityDays(app);
    SaveAllSettings(app);
}

void applyPreset(Application& app, int mask) {
    if (ConfirmSettingChange(app)) return;
    setDayChecks(app, checksOfMask(mask));
    StoreCityDays(app);
}

} // namespace

// Runs before the window handles are bound, so it finds controls by the names they are built under.
void addDaysControls(Form& f) {
    for (int d = 0; d < 7; ++d)
        addMenuItem(f, kDayItems[d], kDayCaptions[d], "DaysSettings1", true);
    addSeparator(f, "DaysPresetsSeparator1", "DaysSettings1");
    addMenuItem(f, "WeekDaysOnly1", KV_TR("Week &Days Only"), "DaysSettings1");
    addMenuItem(f, "WeekendsOnly1", KV_TR("Week&ends Only"), "DaysSettings1");
    addMenuItem(f, "AllDays1", KV_TR("&All Days"), "DaysSettings1");

    addLabel(f, "LabelSound", "", {96, 58, 200, 16}).hint = KV_TR("Music Device for Alarm");
    addLabel(f, "LabelSort", "", {300, 58, 100, 16}).hint = KV_TR("How Music is Played");
    // Same fixed-pitch font and place: each underline sits under its day's two letters.
    for (const char* name : {"LabelDays", "LabelUnderLineDay"}) {
        Control& c = addLabel(f, name, "", {96, 78, 250, 20});
        c.fontName = "Monospace"; // the fixed-pitch family every Linux desktop resolves
        c.fontSize = 11;
        c.bold = true;
    }
    f.find("LabelDays")->caption = KV_TR("Su Mo Tu We Th Fr Sa");
    Control& underline = *f.find("LabelUnderLineDay");
    underline.caption = "__ __ __ __ __ __ __";
    underline.hint = KV_TR("Days that Alarm can sound, Current day is underlined");
}

namespace {

void wireDaysHandlers(Application& app) {
    for (Control* item : dayItems(app)) {
        handle(app, *item, Event::Click, item->name + "Click", [&app, item] { dayItemClick(app, *item); });
    }
    // The shared handler by its own name; the argument names the clicked item
    // (a script's word, so it is looked up by name).
    app.defineOperation("Sunday1Click", [&app](const Args& a) {
        dayItemClick(app, a.empty() ? mainWindow(app).Sunday1 : app.ctl(a[0]));
        return std::string();
    });
    MainWindow& w = mainWindow(app);
    const std::pair<Control*, int> presets[] = {
        {&w.WeekDaysOnly1, kWeekDaysMask}, {&w.WeekendsOnly1, kWeekendsMask}, {&w.AllDays1, kAllDaysMask}};
    for (const auto& [item, mask] : presets) {
        const int presetMask = mask;
        handle(app, *item, Event::Click, item->name + "Click",
               [&app, presetMask] { applyPreset(app, presetMask); });
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
    mainWindow(app).LabelDays.caption = daysText;
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
    mainWindow(app).LabelUnderLineDay.caption = underlineFor(m.CityWeekday);
    m.TodayEnabled = dayItems(app)[m.CityWeekday - 1]->checked;
}

void installAlarmDays(Application& app) {
    wireDaysHandlers(app);
    installSundayAlarm(app);
    defineStep(app, Step::ShowCityDays, [&app](const Args& a) {
        return std::string(ShowCityDays(app, a.empty() ? 0 : strToInt(a[0])) ? "true" : "false");
    });
    defineStep(app, Step::StoreCityDays, [&app] { StoreCityDays(app); });
    defineStep(app, Step::WeekdayStep, [&app] { WeekdayStep(app, app.main.CityNow); });
    // Start: the day items, the status line, the Sunday labels and today's underline
    // follow what was read; nothing is written while the settings are still loading.
    defineStep(app, Step::ShowSundayAlarmAtStart, [&app] {
        ShowCityDays(app, 0);
        ShowSundayAlarm(app);
        WeekdayStep(app, cityTime(app.now(), app.main.CityOffset, app.locale()));
        runStep(app, Step::SyncAlarmUpDowns);
    });
    app.defineState("TodayEnabled", [&app] { return std::string(app.main.TodayEnabled ? "true" : "false"); });
    app.defineState("DaysText", [&app] { return app.feature<DaysState>().DaysText; });
    app.defineState("CityDayMask", [&app] { return currentCityCells(app)[kDayMaskColumn]; });
    app.defineState("CitySundayAlarm", [&app] { return currentCityCells(app)[kSundayAlarmColumn]; });
}

} // namespace kelvaro
