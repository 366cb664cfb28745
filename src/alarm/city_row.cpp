#include "alarm/city_row.h"
#include "app/steps.h"
#include "app/windows.h"

#include "cities/city_list.h"
#include "framework/application.h"
#include "settings/profile_file.h"
#include "settings/settings_store.h"

#include <algorithm>

namespace kelvaro {

namespace {

// Without a current city the days and the Sunday time live in the settings file,
// so a fresh folder keeps them and "Cities.txt" stays as the user left it.
constexpr const char* kData = "Data";
constexpr const char* kDaysKey = "NoCityDays";
constexpr const char* kSundayKey = "NoCitySundayAlarm";

struct StandInRow {
    std::vector<std::string> cells = std::vector<std::string>(kDayMaskColumn + 1);
    bool read = false;
};

std::vector<std::string>& standInCells(Application& app) {
    StandInRow& row = app.feature<StandInRow>();
    if (!row.read) {
        row.read = true;
        ProfileFile file(app.filePath(kSettingsFile));
        row.cells[kDayMaskColumn] = file.readString(kData, kDaysKey, "");
        row.cells[kSundayAlarmColumn] = file.readString(kData, kSundayKey, "");
    }
    return row.cells;
}

} // namespace

int currentCityRow(Application& app) {
    return currentCityRow(notebook(app).MgridCities);
}

std::vector<std::string>& currentCityCells(Application& app) {
    const int row = currentCityRow(app);
    Control& grid = notebook(app).MgridCities;
    if (row >= 1 && row < static_cast<int>(grid.cells.size())) {
        auto& cells = grid.cells[static_cast<size_t>(row)];
        const size_t wanted =
            std::max<size_t>(static_cast<size_t>(std::max(grid.colCount, 0)), kDayMaskColumn + 1);
        if (cells.size() < wanted) cells.resize(wanted);
        return cells;
    }
    return standInCells(app);
}

void saveCityList(Application& app) {
    if (currentCityRow(app) >= 1) {
        runStep(app, Step::SaveCityList);
        return;
    }
    if (!app.main.SettingsLoaded) return; // nothing is written while the settings load
    const std::vector<std::string>& cells = standInCells(app);
    ProfileFile file(app.filePath(kSettingsFile));
    file.writeString(kData, kDaysKey, cells[kDayMaskColumn]);
    file.writeString(kData, kSundayKey, cells[kSundayAlarmColumn]);
    file.flush();
}

} // namespace kelvaro
