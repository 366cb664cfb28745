// The "&Cities" menu and applying the chosen city: its hour difference, label and alarm time.
#include "app/clock_formats.h"
#include "app/main_tick.h"
#include "app/steps.h"
#include "app/windows.h"
#include "cities/cities.h"
#include "cities/city_list.h"
#include "cities/hour_difference.h"
#include "framework/application.h"
#include "framework/conversions.h"
#include "framework/handle.h"
#include "framework/translatable.h"
#include "settings/settings_lock.h"
#include "settings/settings_store.h"

#include <algorithm>

namespace kelvaro {

namespace {

std::string itemName(int row) {
    return "CityItem" + std::to_string(row);
}
std::string menuCaption(const Control& grid, int row) {
    return cityCell(grid, row, kCityName) + "\t" + cityCell(grid, row, kCityHours);
}

// City items made so far: CityItem1 .. CityItem<count>. They stay between rebuilds and are
// updated in place, since taking a control off a window costs a pass over all its controls.
struct CityMenuItems {
    int count = 0;
};

constexpr int kSeparatorCount = 10;
const char* const kCommands[] = {"CitySetSuperAlarm", "CityAddEdit"};

// The separators and commands after the cities, taken off so that new cities go before them.
void removeMenuTail(Form& window) {
    for (int serial = 1; serial <= kSeparatorCount; ++serial)
        window.remove("CitySeparator" + std::to_string(serial));
    for (const char* name : kCommands)
        window.remove(name);
}

void addSeparators(Application& app, int count, int& serial) {
    for (int i = 0; i < count; ++i) {
        Control& sep = mainWindow(app).form.add("CitySeparator" + std::to_string(++serial),
                                                ControlKind::MenuItem, mainWindow(app).Cities1.name);
        sep.caption.assign(1, '-'); // not = "-": a false -Wrestrict of GCC 12 at -O2
    }
}

void addCommand(Application& app, const std::string& name, const std::string& caption,
                const std::string& page) {
    Control& item = mainWindow(app).form.add(name, ControlKind::MenuItem, mainWindow(app).Cities1.name);
    item.caption = caption;
    handle(app, item, Event::Click, name + "Click", [&app, page] {
        OpenNotebookOn(app, notebook(app).form.find(page)); // the page named when the menu was built
    });
}

Control* plannerPage(Application& app) {
    return &notebook(app).TabSheetSuperAlarm;
}

// The city of `row` becomes the one the clock and the alarm follow.
void applyCity(Application& app, int row) {
    const Control& grid = cityGrid(app);
    mainWindow(app).LabelTZ.caption =
        fillPattern(KV_TR("%1\t%2 hr-Time Difference"),
                    {cityCell(grid, row, kCityName), cityCell(grid, row, kCityHours)});
    app.main.CityOffset =
        static_cast<float>(hourDifferenceOrThrow(cityCell(grid, row, kCityHours), app.locale()));
    LoadCityAlarm(app, row);
    runStep(app, Step::ShowCityZone);
}

void afterCityChange(Application& app) {
    runStep(app, Step::ShowCityDays, {"0"});
    SaveCityList(app);
    runStep(app, Step::LoadCityPlan);
}

} // namespace

DateTime ShiftToCity(Application& app, float offset) {
    return cityTime(app.now(), offset, app.locale());
}

void LoadCityAlarm(Application& app, int row) {
    const LocaleInfo& loc = app.locale();
    Control& grid = cityGrid(app);
    std::string stored = cityCell(grid, row, kCityAlarm);
    if (stored.empty()) {
        stored = mainWindow(app).LabelAlarmTime.caption; // a city without its own time takes the present one
        setCityCell(grid, row, kCityAlarm, stored);
    }
    const bool h24 = is24Hour(app);
    const DateTime alarm = strToTimeOrThrow(stored, loc);
    std::string text = formatDateTime(h24 ? "hh:mm" : "hh:mm AMPM", alarm, loc);
    if (!h24) {
        runStep(app, Step::ShowPlannerAmPm);
        text = upperCaseUtf8(text);
        const auto blank = text.find(' ');
        mainWindow(app).ComboBoxAMPM.text =
            blank == std::string::npos ? std::string() : text.substr(blank + 1);
    }
    const auto sep = text.find(loc.timeSeparator);
    const std::string hour = text.substr(0, std::min<size_t>(sep, 2));
    const std::string minute =
        sep == std::string::npos ? std::string() : text.substr(sep + loc.timeSeparator.size(), 2);
    mainWindow(app).ComboBoxHour.text = hour;
    mainWindow(app).ComboBoxMinute.text = minute;
    UpdateAlarmDisplay(app);
    runStep(app, Step::SyncAlarmUpDowns); // the arrows count on from the shown value
    SaveAllSettings(app);                 // the alarm time is a setting like any other
}

void StoreCityAlarm(Application& app) {
    Control& grid = cityGrid(app);
    const int row = currentCityRow(grid);
    if (row == 0) return;
    setCityCell(grid, row, kCityAlarm, mainWindow(app).LabelAlarmTime.caption);
    SaveCityList(app);
}

void RebuildCityMenu(Application& app) {
    Form& window = mainWindow(app).form;
    loadCityList(app);
    Control& grid = cityGrid(app);
    CityMenuItems& made = app.feature<CityMenuItems>();
    const int rows = lastCityRow(grid);
    // The commands stay after the cities: they are taken off and put back only when cities are
    // added before them. Taking them off changes the menu's make-up, and the view then builds
    // the whole menu again, which with a hundred thousand cities takes seconds.
    const bool grows = rows > made.count || !window.find(kCommands[1]);
    if (grows) removeMenuTail(window);
    for (int row = 1; row <= std::max(rows, made.count); ++row) {
        const std::string name = itemName(row);
        if (row > made.count) {
            Control& added = window.add(name, ControlKind::MenuItem, mainWindow(app).Cities1.name);
            handle(app, added, Event::Click, name + "Click", [&app, name] { SelectCity(app, name); });
        }
        Control& item = *window.find(name);
        // An item past the list waits, hidden, for a longer one; a row without a name (the
        // empty row an empty list keeps) is no city to choose.
        item.visible = row <= rows && !trim(cityCell(grid, row, kCityName)).empty();
        if (row > rows) {
            item.caption.clear();
            item.checked = false;
            continue;
        }
        if (cityCell(grid, row, kCityMark).empty()) setCityCell(grid, row, kCityMark, "0");
        item.caption = menuCaption(grid, row);
        item.checked = isCityMark(cityCell(grid, row, kCityMark));
        if (item.checked) applyCity(app, row);
    }
    made.count = std::max(rows, made.count);
    runStep(app, Step::ShowCityDays, {"0"});
    if (grows) {
        int serial = 0;
        addSeparators(app, 4, serial);
        const Control* planner = plannerPage(app);
        addCommand(app, kCommands[0], KV_TR("Set Super Alarm"), planner ? planner->name : std::string());
        addSeparators(app, 3, serial);
        addCommand(app, kCommands[1], KV_TR("Add / Edit Cities && Time Zones"),
                   notebook(app).TabSheetCities.name);
        addSeparators(app, 3, serial);
    }
    SaveCityList(app);
    runStep(app, Step::LoadCityPlan);
}

void SelectCity(Application& app, const std::string& clickedName) {
    if (ConfirmSettingChange(app)) return;
    loadCityList(app);
    Control& grid = cityGrid(app);
    Control* clicked = app.find(clickedName);
    const std::string caption = clicked ? clicked->caption : std::string();
    for (int row = 1; row <= lastCityRow(grid); ++row) {
        setCityCell(grid, row, kCityMark, "0");
        if (Control* item = mainWindow(app).form.find(itemName(row))) item->checked = false;
        if (clicked && caption == menuCaption(grid, row)) {
            clicked->checked = true;
            setCityCell(grid, row, kCityMark, "1");
            applyCity(app, row);
        }
    }
    afterCityChange(app);
    runStep(app, Step::RefreshMilestones);
    OpenNotebookOn(app, plannerPage(app));
}

void CityNotebookShown(Application& app) {
    RebuildCityMenu(app);
    notebook(app).LabelMCity.caption = mainWindow(app).LabelTZ.caption;
}

void CityNotebookClosed(Application& app) {
    RebuildCityMenu(app);
    SaveAllSettings(app);
    runStep(app, Step::ShowSundayAlarm);
}

void installCityMenu(Application& app) {
    app.defineOperation("RebuildCityMenu", [&app] { RebuildCityMenu(app); });
    defineStep(app, Step::LoadCitiesAtStart, [&app] {
        // A city without its own alarm time takes the one just read from the settings.
        try {
            UpdateAlarmDisplay(app);
        } catch (const std::exception&) {
            // the first paint shows the error when it builds the display itself
        }
        RebuildCityMenu(app);
    });
    defineStep(app, Step::StoreCityAlarm, [&app] { StoreCityAlarm(app); });
    defineStep(app, Step::SaveCityList, [&app] { SaveCityList(app); });
    app.defineOperation("LoadCityAlarm", [&app](const Args& a) {
        LoadCityAlarm(app, a.empty() ? currentCityRow(cityGrid(app)) : strToInt(a[0]));
        return std::string();
    });
    app.defineOperation("SelectCity", [&app](const Args& a) {
        SelectCity(app, a.empty() ? std::string() : a[0]);
        return std::string();
    });
    app.defineOperation("ShiftToCity", [&app](const Args& a) {
        const float offset =
            a.empty() ? app.main.CityOffset : static_cast<float>(hourDifferenceOrThrow(a[0], app.locale()));
        return formatDateTime("yyyy-mm-dd hh:nn:ss", ShiftToCity(app, offset), LocaleInfo::enUS());
    });
    handle(app, mainWindow(app).AddNewTimeZone1, Event::Click, "AddNewTimeZone1Click",
           [&app] { OpenNotebookOn(app, &notebook(app).TabSheetCities); });
}

} // namespace kelvaro
