#pragma once
// Cities with their own time zone. A city's zone is kept in the settings file's section "Zones"
// as `city name=zone id`, so "Cities.txt" keeps its 25 cells; while the list is in the grid, each
// row carries its zone in one more cell that is never written to the list file, so that renaming,
// sorting and deleting rows take the zone along. For a city with a zone the hour difference is
// worked out from the zones at every minute, and the grid, the menu, `CityOffset` and `LabelTZ`
// follow it; every other rule of the city list works on the hour difference as before.
#include "framework/control.h"
#include "sound/list_file.h"

#include <cstdint>
#include <string>

namespace kelvaro {

class Application;

inline constexpr const char* kZonesSection = "Zones";
inline constexpr int kCityZone = static_cast<int>(kCityListColumns); // the cell after the stored ones

const std::string& cityZone(const Control& grid, int row);
void setCityZone(Control& grid, int row, const std::string& zone);

// The zones of the settings file onto the rows just read, and their hour differences worked out.
void LoadCityZones(Application& app);
// The section "Zones" as the grid has it: one key per named row with a zone.
void SaveCityZones(Application& app);
// Each tick: at a new minute, or when the computer's own zone changed, the hour differences of
// the cities with zones are worked out again; a changed one is shown and saved at once.
void RefreshCityZones(Application& app);
// `LabelTZ`'s hint: the chosen city's zone, abbreviation and offset from UTC.
void ShowCityZone(Application& app);

// A row's zone as the chooser shows it: "Europe/Paris  CET, UTC+01:00", "... (unknown zone)".
std::string describeCityZone(Application& app, const std::string& zone);
// The hour difference of one row worked out again; false when its zone is unknown.
bool refreshCityRow(Application& app, int row);

// The chooser shows the zone of the row under the grid's cursor.
void ShowZoneOfRow(Application& app);
void installCityZoneChooser(Application& app);

} // namespace kelvaro
