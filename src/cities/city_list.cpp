#include "cities/city_list.h"

#include "app/show_note.h"
#include "app/steps.h"
#include "app/windows.h"
#include "cities/hour_difference.h"
#include "framework/application.h"
#include "framework/conversions.h"
#include "framework/translatable.h"
#include "sound/list_file.h"

#include <algorithm>
#include <iterator>

namespace kelvaro {

namespace {

ListRow emptyRow() {
    return ListRow(kCityListColumns);
}

// Set when Cities.txt exists but could not be read: the list is then never saved over it.
struct CityFileState {
    bool kept = false;
    bool told = false;
};

ListRow headerRow() {
    ListRow header = emptyRow();
    header[kCityName] = KV_TR("City");
    header[kCityHours] = KV_TR("Hours Diff");
    return header;
}

struct HourDifferenceNote {
    bool shown = false;
};

// The file gets the check the grid makes on a key: an hour difference the clock
// cannot use (24, -99, 1e30) would make every tick fail. True when one was mended.
bool mendHourDifferences(Control& grid, const LocaleInfo& locale) {
    bool mended = false;
    for (int row = 1; row <= lastCityRow(grid); ++row) {
        const std::string& hours = cityCell(grid, row, kCityHours);
        if (hours.empty()) continue;
        const HourDifferenceCheck check = checkHourDifference(hours, locale);
        if (check == HourDifferenceCheck::Keep) continue;
        setCityCell(grid, row, kCityHours, "0");
        if (check == HourDifferenceCheck::NotANumber) setCityCell(grid, row, kCityMark, "0");
        mended = true;
    }
    return mended;
}

} // namespace

Control& cityGrid(Application& app) {
    return notebook(app).MgridCities;
}

const std::string& cityCell(const Control& grid, int row, int col) {
    static const std::string none;
    if (row < 0 || col < 0 || static_cast<size_t>(row) >= grid.cells.size()) return none;
    const auto& cells = grid.cells[static_cast<size_t>(row)];
    return static_cast<size_t>(col) < cells.size() ? cells[static_cast<size_t>(col)] : none;
}

void setCityCell(Control& grid, int row, int col, const std::string& text) {
    if (row < 0 || col < 0 || static_cast<size_t>(row) >= grid.cells.size() ||
        static_cast<size_t>(col) >= kCityListColumns)
        return;
    auto& cells = grid.cells[static_cast<size_t>(row)];
    if (cells.size() < kCityListColumns) cells.resize(kCityListColumns);
    cells[static_cast<size_t>(col)] = text;
}

int lastCityRow(const Control& grid) {
    return grid.cells.empty() ? 0 : static_cast<int>(grid.cells.size()) - 1;
}

bool isCityMark(const std::string& text) {
    return strToIntDef(trim(text), 0) != 0;
}

int currentCityRow(const Control& grid) {
    for (int row = lastCityRow(grid); row >= 1; --row)
        if (isCityMark(cityCell(grid, row, kCityMark))) return row;
    return 0;
}

void resetCityGrid(Control& grid) {
    grid.cells = {headerRow(), emptyRow()};
    grid.colCount = static_cast<int>(kCityListColumns);
    grid.row = 1;
    grid.col = 0;
}

void insertCityRow(Control& grid, int at) {
    if (grid.cells.empty()) resetCityGrid(grid);
    const auto index = static_cast<size_t>(std::clamp(at, 1, lastCityRow(grid) + 1));
    grid.cells.insert(grid.cells.begin() + static_cast<std::ptrdiff_t>(index), emptyRow());
}

void deleteCityRow(Control& grid, int row) {
    if (row < 1 || row > lastCityRow(grid)) return;
    grid.cells.erase(grid.cells.begin() + row);
    if (lastCityRow(grid) < 1) grid.cells.push_back(emptyRow());
    grid.row = std::clamp(grid.row, 1, lastCityRow(grid));
}

void loadCityList(Application& app) {
    Control& grid = cityGrid(app);
    const int row = grid.row, col = grid.col;
    resetCityGrid(grid);
    ListFileContent file = loadListFile(app.filePath(kCitiesFile), kCityListColumns);
    CityFileState& state = app.feature<CityFileState>();
    state.kept = !file.mayReplace();
    if (state.kept && !state.told) { // once: the menu reloads the file often
        state.told = true;
        const bool tooLarge = file.outcome == ReadOutcome::TooLarge;
        ShowNote(app,
                 fillPattern(tooLarge ? KV_TR("%1 is too large to read (%2). The city list stays empty and "
                                              "will not be saved over that file.")
                                      : KV_TR("%1 cannot be read (%2). The city list stays empty and will "
                                              "not be saved over that file."),
                             {kCitiesFile, file.reason}),
                 false);
    }
    if (!file.rows.empty()) {
        grid.cells.resize(1);
        grid.cells.insert(grid.cells.end(), std::make_move_iterator(file.rows.begin()),
                          std::make_move_iterator(file.rows.end()));
    }
    grid.row = std::clamp(row, 1, lastCityRow(grid));
    grid.col = std::clamp(col, 0, static_cast<int>(kCityListColumns) - 1);
    // The list is read again at every choice of a city until it is saved: one note a run.
    if (mendHourDifferences(grid, app.locale()) && !app.feature<HourDifferenceNote>().shown) {
        app.feature<HourDifferenceNote>().shown = true;
        ShowNote(
            app,
            fillPattern(KV_TR("An hour difference in %1 could not be used and is now 0."), {kCitiesFile}),
            false);
    }
    runStep(app, Step::LoadCityZones);
}

void SaveCityList(Application& app) {
    if (!app.main.SettingsLoaded || app.feature<CityFileState>().kept) return;
    const Control& grid = cityGrid(app);
    std::vector<ListRow> rows;
    if (grid.cells.size() > 1) rows.assign(grid.cells.begin() + 1, grid.cells.end());
    writeListFile(app.filePath(kCitiesFile), rows, kCityListColumns);
    runStep(app, Step::SaveCityZones);
}

} // namespace kelvaro
