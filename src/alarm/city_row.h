#pragma once
// The current city's row of the city list as the alarm days see it. Without a
// city list, or with no city marked, a stand-in row takes its place; its day mask
// and Sunday time are kept in the settings file.
#include <string>
#include <vector>

namespace kelvaro {

class Application;

constexpr int kCityNameColumn = 0;
constexpr int kSundayAlarmColumn = 4;
constexpr int kDayMaskColumn = 5;

// Grid row number of the current city, 0 when there is none.
int currentCityRow(Application& app);
// The cells of the current city's row (at least up to the day mask column).
std::vector<std::string>& currentCityCells(Application& app);
// Writes the city list, or without a current city the stand-in row's keys.
void saveCityList(Application& app);

} // namespace kelvaro
