#include "alarm/city_row.h"

#include "framework/application.h"
#include "framework/conversions.h"

#include <algorithm>

namespace kelvaro {

namespace {

struct StandInRow {
    std::vector<std::string> cells = std::vector<std::string>(kDayMaskColumn + 1);
};

Control* cityGrid(Application& app) {
    return app.find("MgridCities");
}

} // namespace

int currentCityRow(Application& app) {
    Control* grid = cityGrid(app);
    if (!grid) return 0;
    if (app.hasOperation("CurrentCityRow")) return strToIntDef(app.run("CurrentCityRow"), 0);
    int current = 0;
    for (size_t r = 1; r < grid->cells.size(); ++r) {
        const auto& row = grid->cells[r];
        if (row.size() > 2 && strToIntDef(row[2], 0) != 0) current = static_cast<int>(r);
    }
    return current;
}

std::vector<std::string>& currentCityCells(Application& app) {
    const int row = currentCityRow(app);
    Control* grid = cityGrid(app);
    if (grid && row >= 1 && row < static_cast<int>(grid->cells.size())) {
        auto& cells = grid->cells[static_cast<size_t>(row)];
        const size_t wanted =
            std::max<size_t>(static_cast<size_t>(std::max(grid->colCount, 0)), kDayMaskColumn + 1);
        if (cells.size() < wanted) cells.resize(wanted);
        return cells;
    }
    return app.feature<StandInRow>().cells;
}

void saveCityList(Application& app) {
    if (currentCityRow(app) >= 1) app.hook("SaveCityList");
}

} // namespace kelvaro
