#include "cities/city_zones.h"

#include "app/steps.h"
#include "app/windows.h"
#include "cities/city_list.h"
#include "cities/hour_difference.h"
#include "cities/zone_difference.h"
#include "framework/application.h"
#include "framework/conversions.h"
#include "framework/datetime.h"
#include "framework/translatable.h"
#include "settings/profile_file.h"
#include "settings/settings_store.h"

#include <climits>
#include <cmath>
#include <map>

namespace kelvaro {

namespace {

constexpr const char* kLabelTZHint = KV_TR("Current City and Time Zone");
constexpr std::int64_t kDaysFrom1899To1970 = 25569;

struct CityZonesState {
    // What the last refresh saw; a change of any starts the next one.
    std::int64_t utcMinute = INT64_MIN;
    int homeOffset = INT_MIN;
    std::string homeZone;
    // The chosen city's wall clock, to notice a change of its zone skipping or repeating minutes.
    std::string trackedZone;
    int trackedOffset = 0;
    std::int64_t trackedUtcMinute = INT64_MIN;
    std::int64_t trackedWallMinute = 0;
    std::int64_t skippedFrom = 0, skippedTo = -1, skippedAt = INT64_MIN; // wall minutes
    std::int64_t repeatedUntil = INT64_MIN;
    bool listOutOfDate = false; // a difference read from the list was worked out anew
};

CityZonesState& zonesState(Application& app) {
    return app.feature<CityZonesState>();
}

// Present instant and the computer's own offset, from one reading of the clock.
struct Present {
    std::int64_t utc;
    int homeOffset;
};
Present present(Application& app) {
    const ClockReading r = app.platform().clock->read();
    return {utcSecondsOf(r.now, r.utcOffsetMinutes), r.utcOffsetMinutes};
}

// City names are keys of the settings file, which compares them without case.
std::string keyOf(const std::string& name) {
    return lowerCaseUtf8(trim(name));
}

std::map<std::string, std::string> storedZones(Application& app) {
    std::map<std::string, std::string> zones;
    for (const auto& [city, zone] : ProfileFile(app.filePath(kSettingsFile)).keys(kZonesSection))
        if (!zone.empty()) zones.emplace(keyOf(city), zone);
    return zones;
}

bool refreshRow(Application& app, int row, const Present& now) {
    Control& grid = cityGrid(app);
    const auto minutes =
        zoneDifferenceMinutes(*app.platform().zones, cityZone(grid, row), now.homeOffset, now.utc);
    if (!minutes) return false;
    const std::string text = hourDifferenceText(*minutes, app.locale());
    if (cityCell(grid, row, kCityHours) != text) setCityCell(grid, row, kCityHours, text);
    return true;
}

// Every row with a known zone; true when a hour difference changed.
bool refreshRows(Application& app, const Present& now) {
    Control& grid = cityGrid(app);
    bool changed = false;
    for (int row = 1; row <= lastCityRow(grid); ++row) {
        if (cityZone(grid, row).empty()) continue;
        const std::string before = cityCell(grid, row, kCityHours);
        if (refreshRow(app, row, now) && cityCell(grid, row, kCityHours) != before) changed = true;
    }
    return changed;
}

// The menu items and the chosen city follow the new hour differences. The items are made at
// run time, so they are found by name.
void showNewDifferences(Application& app) {
    const Control& grid = cityGrid(app);
    for (int row = 1; row <= lastCityRow(grid); ++row)
        if (Control* item = mainWindow(app).form.find("CityItem" + std::to_string(row)))
            item->caption = cityCell(grid, row, kCityName) + "\t" + cityCell(grid, row, kCityHours);
    const int current = currentCityRow(grid);
    if (current == 0 || cityZone(grid, current).empty()) return;
    const std::string& hours = cityCell(grid, current, kCityHours);
    mainWindow(app).LabelTZ.caption =
        fillPattern(KV_TR("%1\t%2 hr-Time Difference"), {cityCell(grid, current, kCityName), hours});
    app.main.CityOffset = static_cast<float>(hourDifferenceOrThrow(hours, app.locale()));
}

// The chosen city's wall clock across a change of its zone: which minutes it skipped or repeats.
void trackCityWallClock(Application& app, const Present& now) {
    CityZonesState& s = zonesState(app);
    const Control& grid = cityGrid(app);
    const std::string& zone = cityZone(grid, currentCityRow(grid));
    const auto state = zone.empty() ? std::nullopt : app.platform().zones->stateAt(zone, now.utc);
    if (!state) {
        s.trackedZone.clear();
        s.repeatedUntil = s.skippedAt = INT64_MIN;
        return;
    }
    const std::int64_t utcMinute = floorDiv(now.utc, 60);
    const std::int64_t wall = floorDiv(now.utc + state->offsetSeconds, 60) + kDaysFrom1899To1970 * 1440;
    // Only a change seen from one minute to the next: after a sleep nothing was skipped by it.
    if (zone == s.trackedZone && utcMinute == s.trackedUtcMinute + 1) {
        if (state->offsetSeconds > s.trackedOffset) {
            s.skippedFrom = s.trackedWallMinute + 1;
            s.skippedTo = wall - 1;
            s.skippedAt = wall;
        } else if (state->offsetSeconds < s.trackedOffset) {
            s.repeatedUntil = s.trackedWallMinute;
        }
    } else if (zone != s.trackedZone) {
        s.repeatedUntil = s.skippedAt = INT64_MIN;
    }
    s.trackedZone = zone;
    s.trackedOffset = state->offsetSeconds;
    s.trackedUtcMinute = utcMinute;
    s.trackedWallMinute = wall;
}

std::int64_t cityWallMinute(Application& app) {
    return static_cast<std::int64_t>(std::floor(app.main.CityNow * 1440.0 + 1e-6));
}

bool skipped(Application& app, int hour, int minute) {
    const CityZonesState& s = zonesState(app);
    if (s.skippedAt != cityWallMinute(app)) return false;
    for (std::int64_t m = s.skippedFrom; m <= s.skippedTo; ++m)
        if (m % 1440 == hour * 60 + minute) return true;
    return false;
}

} // namespace

const std::string& cityZone(const Control& grid, int row) {
    return cityCell(grid, row, kCityZone);
}

void setCityZone(Control& grid, int row, const std::string& zone) {
    if (row < 1 || row > lastCityRow(grid)) return;
    auto& cells = grid.cells[static_cast<size_t>(row)];
    if (cells.size() <= static_cast<size_t>(kCityZone)) cells.resize(static_cast<size_t>(kCityZone) + 1);
    cells[static_cast<size_t>(kCityZone)] = zone;
}

void LoadCityZones(Application& app) {
    Control& grid = cityGrid(app);
    const auto zones = storedZones(app);
    for (int row = 1; row <= lastCityRow(grid); ++row) {
        auto it = zones.find(keyOf(cityCell(grid, row, kCityName)));
        if (it != zones.end() && !trim(cityCell(grid, row, kCityName)).empty())
            setCityZone(grid, row, it->second);
    }
    if (refreshRows(app, present(app))) zonesState(app).listOutOfDate = true;
    ShowZoneOfRow(app);
}

void SaveCityZones(Application& app) {
    if (!app.main.SettingsLoaded) return;
    const Control& grid = cityGrid(app);
    std::map<std::string, std::pair<std::string, std::string>> wanted; // key → name, zone
    for (int row = 1; row <= lastCityRow(grid); ++row) {
        const std::string name = trim(cityCell(grid, row, kCityName));
        const std::string& zone = cityZone(grid, row);
        // '=' would end the key, and a name in brackets would read as a section.
        if (name.empty() || zone.empty() || name.find('=') != std::string::npos || name.front() == '[')
            continue;
        wanted.emplace(keyOf(name), std::make_pair(name, zone));
    }
    ProfileFile file(app.filePath(kSettingsFile));
    for (const auto& [city, zone] : file.keys(kZonesSection)) {
        auto it = wanted.find(keyOf(city));
        if (it == wanted.end())
            file.eraseKey(kZonesSection, city); // the row was deleted, renamed or lost its zone
        else if (it->second.second == zone)
            wanted.erase(it);
    }
    for (const auto& [key, entry] : wanted)
        file.writeString(kZonesSection, entry.first, entry.second);
    file.flush();
}

void RefreshCityZones(Application& app) {
    CityZonesState& s = zonesState(app);
    const Present now = present(app);
    const std::int64_t minute = floorDiv(now.utc, 60);
    const std::string homeZone = app.platform().clock->zoneId();
    if (minute == s.utcMinute && now.homeOffset == s.homeOffset && homeZone == s.homeZone) return;
    s.utcMinute = minute;
    s.homeOffset = now.homeOffset;
    s.homeZone = homeZone;
    trackCityWallClock(app, now);
    // The list read at start may be from before a change: it is written once the settings are read.
    const bool outOfDate = s.listOutOfDate && app.main.SettingsLoaded;
    if (refreshRows(app, now) || outOfDate) {
        showNewDifferences(app);
        SaveCityList(app);
        s.listOutOfDate = false;
    }
    ShowCityZone(app);
}

std::string describeCityZone(Application& app, const std::string& zone) {
    if (zone.empty()) return {};
    const auto state = app.platform().zones->stateAt(zone, present(app).utc);
    if (!state) return fillPattern(KV_TR("%1 (unknown zone)"), {zone});
    return zone + "  " + state->abbreviation + ", " + utcOffsetText(state->offsetSeconds);
}

bool refreshCityRow(Application& app, int row) {
    return refreshRow(app, row, present(app));
}

void ShowCityZone(Application& app) {
    const Control& grid = cityGrid(app);
    const std::string described = describeCityZone(app, cityZone(grid, currentCityRow(grid)));
    mainWindow(app).LabelTZ.hint =
        described.empty() ? kLabelTZHint : fillPattern(KV_TR("Current City and Time Zone\n%1"), {described});
}

void installCityZones(Application& app) {
    defineStep(app, Step::LoadCityZones, [&app] { LoadCityZones(app); });
    defineStep(app, Step::SaveCityZones, [&app] { SaveCityZones(app); });
    defineStep(app, Step::RefreshCityZones, [&app] { RefreshCityZones(app); });
    defineStep(app, Step::ShowCityZone, [&app] { ShowCityZone(app); });
    Queries& q = queries(app);
    q.alarmMinuteSkipped = [&app](int hour, int minute) { return skipped(app, hour, minute); };
    q.cityMinuteRepeated = [&app] { return cityWallMinute(app) <= zonesState(app).repeatedUntil; };
    q.cityZoneTip = [&app] {
        const Control& grid = cityGrid(app);
        const std::string& zone = cityZone(grid, currentCityRow(grid));
        const auto state =
            zone.empty() ? std::nullopt : app.platform().zones->stateAt(zone, present(app).utc);
        return state ? state->abbreviation + ", " + utcOffsetText(state->offsetSeconds) : std::string();
    };
    app.defineState("CityZoneTip", [&app] { return cityZoneTip(app); });
    installCityZoneChooser(app);
}

} // namespace kelvaro
