#pragma once
// The city list as the cities grid holds it, and its file "Cities.txt".
#include "framework/control.h"

#include <string>

namespace kelvaro {

class Application;

inline constexpr const char* kCitiesFile = "Cities.txt";
inline constexpr const char* kCityGrid = "MgridCities";

enum CityColumn : int {
    kCityName = 0,
    kCityHours = 1,
    kCityMark = 2, // "1" for the chosen city
    kCityAlarm = 3,
    kCitySundayAlarm = 4,
    kCityDays = 5,
    kCityPlanFirst = 6, // to 24: the super-alarm plan
};

Control& cityGrid(Application& app);
// A cell outside the grid reads as the empty text; a write outside it is dropped.
const std::string& cityCell(const Control& grid, int row, int col);
void setCityCell(Control& grid, int row, int col, const std::string& text);
int lastCityRow(const Control& grid);     // 0 when the grid has no data row
bool isCityMark(const std::string& text); // a non-zero integer
// The last data row marked as the chosen city, 0 when none is.
int currentCityRow(const Control& grid);

void resetCityGrid(Control& grid);          // the header and one empty data row
void insertCityRow(Control& grid, int at);  // an empty row before `at`
void deleteCityRow(Control& grid, int row); // keeps one data row

// Empties the grid and reads the file into it; a missing file leaves one empty row.
void loadCityList(Application& app);
// Writes the whole list, but only once the settings have been read at start.
void SaveCityList(Application& app);

} // namespace kelvaro
