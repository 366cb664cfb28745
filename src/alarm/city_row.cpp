#include "alarm/city_row.h"
#include "app/windows.h"
#include "app/steps.h"

#include "cities/city_list.h"
#include "framework/application.h"

#include <algorithm>

namespace kelvaro {

namespace {

struct StandInRow {
    std::vector<std::string> cells = std::vector<std::string>(kDayMaskColumn + 1);
};

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
    return app.feature<StandInRow>().cells;
}

void saveCityList(Application& app) {
    if (currentCityRow(app) >= 1) runStep(app, Step::SaveCityList);
}

} // namespace kelvaro
