#pragma once
// The city list: the chosen city's shift of the clock, its menu, and the alarm time each city
// keeps. Every routine here is also a named operation of the same name.
#include "framework/datetime.h"

#include <string>

namespace kelvaro {

class Application;

// The computer's present date and time shifted by an hours.minutes offset.
DateTime ShiftToCity(Application& app, float offset);
// Reloads the list, rebuilds the "&Cities" menu and applies the marked city.
void RebuildCityMenu(Application& app);
// The click of a city item of the "&Cities" menu.
void SelectCity(Application& app, const std::string& itemName);
void LoadCityAlarm(Application& app, int row);
// The alarm time into the chosen city's row, and the list saved.
void StoreCityAlarm(Application& app);

// Steps of the settings notebook that concern the city list.
void CityNotebookShown(Application& app);
void CityNotebookClosed(Application& app);

void installCityMenu(Application& app);
void installCityEditing(Application& app);

} // namespace kelvaro
