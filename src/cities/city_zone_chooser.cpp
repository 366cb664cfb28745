// Choosing a city's zone on the cities tab: a box that finds zones as the city is typed, the zone
// of the row under the cursor, and the offer of a zone when a new city's name matches one.
#include "app/features.h"
#include "app/steps.h"
#include "app/windows.h"
#include "cities/city_list.h"
#include "cities/city_zones.h"
#include "cities/zone_search.h"
#include "framework/application.h"
#include "framework/colors.h"
#include "framework/form_builder.h"
#include "framework/handle.h"
#include "framework/translatable.h"

namespace kelvaro {

namespace {

constexpr size_t kMostShown = 40;
// The label is narrow: its texts are broken into short lines.
constexpr const char* kNoZone = KV_TR("No zone: the typed\nhour difference\nis used.");

struct ChooserState {
    std::vector<ZoneName> names; // read once, when first needed
    bool namesRead = false;
    std::vector<std::string> itemZones; // the zone of each item of the box
    int offeredRow = 0;                 // the row a zone is offered for, 0 when none
};

ChooserState& chooser(Application& app) {
    ChooserState& s = app.feature<ChooserState>();
    if (!s.namesRead) {
        s.names = app.platform().zones->names();
        s.namesRead = true;
    }
    return s;
}

std::string itemText(Application& app, const ZoneMatch& match) {
    std::string text = describeCityZone(app, match.zone);
    if (match.named != match.zone && match.named.find('/') == std::string::npos)
        text += " (" + match.named + ")"; // a city the zone is not named after
    else if (match.named != match.zone)
        text += " (" + zoneCity(match.named) + ")";
    return text;
}

void fillBox(Application& app, const std::vector<ZoneMatch>& matches) {
    ChooserState& s = chooser(app);
    Control& box = notebook(app).ComboBoxZone;
    box.items.clear();
    s.itemZones.clear();
    for (const ZoneMatch& m : matches) {
        if (box.items.size() == kMostShown) break;
        box.items.push_back(itemText(app, m));
        s.itemZones.push_back(m.zone);
    }
}

// The zone becomes the cursor row's; like any edit of the list it is kept by "^^ Update Cities ^^".
void useZone(Application& app, const std::string& zone) {
    Control& grid = cityGrid(app);
    if (grid.row < 1 || grid.row > lastCityRow(grid)) return;
    setCityZone(grid, grid.row, zone);
    refreshCityRow(app, grid.row);
    chooser(app).offeredRow = 0;
    Control& update = notebook(app).GradBtnnMyCities;
    update.enabled = true;
    update.bgcolor = colors::Green;
    ShowZoneOfRow(app);
}

// The item the box shows, else the first one found for its text.
std::string zoneInBox(Application& app) {
    ChooserState& s = chooser(app);
    const Control& box = notebook(app).ComboBoxZone;
    for (size_t i = 0; i < box.items.size() && i < s.itemZones.size(); ++i)
        if (box.items[i] == box.text) return s.itemZones[i];
    const auto found = findZones(s.names, box.text);
    return found.empty() || box.text.empty() ? std::string() : found.front().zone;
}

void ComboBoxZoneChange(Application& app) {
    const Control& box = notebook(app).ComboBoxZone;
    ChooserState& s = chooser(app);
    for (size_t i = 0; i < box.items.size() && i < s.itemZones.size(); ++i)
        if (box.items[i] == box.text) return useZone(app, s.itemZones[i]); // picked from the list
    fillBox(app, findZones(s.names, box.text));
}

void GradBtnnUseZoneClick(Application& app) {
    const std::string zone = zoneInBox(app);
    if (!zone.empty()) useZone(app, zone);
}

void GradBtnnNoZoneClick(Application& app) {
    Control& grid = cityGrid(app);
    if (grid.row < 1 || grid.row > lastCityRow(grid) || cityZone(grid, grid.row).empty()) return;
    setCityZone(grid, grid.row, "");
    Control& update = notebook(app).GradBtnnMyCities;
    update.enabled = true;
    update.bgcolor = colors::Green;
    ShowZoneOfRow(app);
}

// After each key in the grid and each move of its cursor. A name typed for a row without a zone
// that names exactly one zone's city has that zone offered: Enter in the grid or "Use Zone"
// takes it, anything else leaves the row without.
void CityGridEdited(Application& app) {
    ChooserState& s = chooser(app);
    Control& grid = cityGrid(app);
    const KeyEvent* key = app.currentKey();
    if (key && key->key == "Enter" && s.offeredRow == grid.row && s.offeredRow > 0) {
        GradBtnnUseZoneClick(app);
        return;
    }
    ShowZoneOfRow(app);
    if (!key || grid.col != kCityName || grid.row < 1 || grid.row > lastCityRow(grid)) return;
    if (!cityZone(grid, grid.row).empty()) return;
    const auto match = zoneOfCity(s.names, cityCell(grid, grid.row, kCityName));
    Control& box = notebook(app).ComboBoxZone;
    if (!match) {
        if (s.offeredRow == grid.row) { // the name no longer fits the offer
            s.offeredRow = 0;
            box.text.clear();
            box.items.clear();
        }
        return;
    }
    fillBox(app, {*match});
    box.text = box.items.front();
    s.offeredRow = grid.row;
    Control& label = notebook(app).LabelZoneOfCity;
    label.caption =
        fillPattern(KV_TR("%1\n\nOffered:\n%2\nEnter or Use Zone\ntakes it."), {label.caption, match->zone});
}

} // namespace

void ShowZoneOfRow(Application& app) {
    const Control& grid = cityGrid(app);
    const int row = grid.row;
    Control& label = notebook(app).LabelZoneOfCity;
    if (row < 1 || row > lastCityRow(grid)) {
        label.caption.clear();
        return;
    }
    const std::string zone = cityZone(grid, row);
    const std::string& name = cityCell(grid, row, kCityName);
    std::string text = describeCityZone(app, zone); // "Europe/Paris  CET, UTC+01:00"
    // Line breaks go in as characters: replacing with a literal gives GCC 12 a false -Wrestrict.
    const auto gap = text.find("  ");
    if (gap != std::string::npos) text.replace(gap, 2, 1, '\n');
    const auto unknown = text.find(" (unknown zone)");
    if (unknown != std::string::npos) text[unknown] = '\n';
    const std::string about = zone.empty() ? kNoZone : text;
    label.caption = name.empty() ? about : fillPattern(KV_TR("%1:\n%2"), {name, about});
    label.hint = zone.empty() ? KV_TR("The time zone of the selected city") : describeCityZone(app, zone);
}

void addCityZoneControls(Form& f) {
    const std::string page = "TabSheetCities";
    addLabel(f, "LabelCityZone", KV_TR("Time zone of the city:"), {308, 24, 254, 16}, page);
    Control& box = addCombo(f, "ComboBoxZone", "", {308, 42, 254, 22}, page);
    box.hint = KV_TR("Type a city to find its time zone, then pick it from the list");
    addButton(f, "GradBtnnUseZone", KV_TR("Use Zone"), {308, 70, 125, 26}, page).hint =
        KV_TR("The zone in the box becomes the selected city's");
    addButton(f, "GradBtnnNoZone", KV_TR("No Zone"), {437, 70, 125, 26}, page).hint =
        KV_TR("The selected city keeps its typed hour difference");
    Control& label = addLabel(f, "LabelZoneOfCity", "", {308, 102, 254, 158}, page);
    label.hint = KV_TR("The time zone of the selected city");
    // Before the grid in the keyboard's order: the grid keeps Tab for its cells, so the chooser
    // is reached from the page's tab with Tab.
    for (const char* name :
         {"LabelCityZone", "ComboBoxZone", "GradBtnnUseZone", "GradBtnnNoZone", "LabelZoneOfCity"})
        f.moveBefore(name, "MgridCities");
}

void installCityZoneChooser(Application& app) {
    SettingsNotebook& book = notebook(app);
    handle(app, book.ComboBoxZone, Event::Change, "ComboBoxZoneChange", [&app] { ComboBoxZoneChange(app); });
    handle(app, book.ComboBoxZone, Event::KeyDown, "ComboBoxZoneKeyDown", [&app] {
        const KeyEvent* key = app.currentKey();
        if (key && key->key == "Enter") GradBtnnUseZoneClick(app);
    });
    handle(app, book.GradBtnnUseZone, Event::Click, "GradBtnnUseZoneClick",
           [&app] { GradBtnnUseZoneClick(app); });
    handle(app, book.GradBtnnNoZone, Event::Click, "GradBtnnNoZoneClick",
           [&app] { GradBtnnNoZoneClick(app); });
    defineStep(app, Step::CityGridEdited, [&app] { CityGridEdited(app); });
}

} // namespace kelvaro
