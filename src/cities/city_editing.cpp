// Editing the city list on the settings notebook: the grid's own keys, the check of the hour
// difference after every key, and "^^ Update Cities ^^".
#include "app/steps.h"
#include "app/windows.h"
#include "cities/cities.h"
#include "cities/city_list.h"
#include "cities/hour_difference.h"
#include "framework/application.h"
#include "framework/colors.h"
#include "framework/conversions.h"
#include "framework/handle.h"
#include "framework/translatable.h"

#include <algorithm>

namespace kelvaro {

namespace {

constexpr int kIdleButtonColor = 0xD6D6AB;
constexpr int kReadyButtonColor = colors::Green;

void MgridCitiesSelectCell(Application& app) {
    Control& grid = cityGrid(app);
    if (grid.col == kCityName) grid.hint = KV_TR("Enter City ");
    if (grid.col == kCityHours) grid.hint = KV_TR("Enter Time Change");
    runStep(app, Step::CityGridEdited); // the zone chooser shows the row's zone
}

void moveCursor(Application& app, int row, int col) {
    Control& grid = cityGrid(app);
    grid.row = std::clamp(row, 1, std::max(1, lastCityRow(grid)));
    grid.col = col;
    MgridCitiesSelectCell(app);
}

// Only the name and the hour difference are the user's; the other columns lie out of view.
void keepCursorInEditableColumns(Application& app) {
    Control& grid = cityGrid(app);
    if (grid.col <= kCityHours) return;
    moveCursor(app, grid.row, kCityName);
    moveCursor(app, grid.row, kCityHours);
}

// The text of the cell being edited. A key that is not a character (Tab, Backspace, Enter,
// Escape) must not leave itself behind in it.
std::string* cursorCell(Control& grid) {
    if (grid.row < 1 || grid.row > lastCityRow(grid) || grid.col < 0 ||
        static_cast<size_t>(grid.col) >= grid.cells[static_cast<size_t>(grid.row)].size())
        return nullptr;
    return &grid.cells[static_cast<size_t>(grid.row)][static_cast<size_t>(grid.col)];
}

void dropControlCharacter(Control& grid) {
    std::string* cell = cursorCell(grid);
    if (cell && !cell->empty() && static_cast<unsigned char>(cell->back()) < 0x20) cell->pop_back();
}

void dropLastCharacter(std::string* text) {
    if (!text || text->empty()) return;
    size_t end = text->size() - 1;
    while (end > 0 && (static_cast<unsigned char>((*text)[end]) & 0xC0) == 0x80)
        --end; // UTF-8 tail bytes
    text->erase(end);
}

// The grid's own handling of keys: rows in and out, Tab, the arrows, in-place Backspace.
void MgridCitiesKeyDown(Application& app) {
    KeyEvent* key = app.currentKey();
    if (!key) return;
    Control& grid = cityGrid(app);
    const std::string& k = key->key;
    if (k == "Tab" || k == "Backspace" || k == "Enter" || k == "Escape") dropControlCharacter(grid);
    if (k == "Insert") {
        insertCityRow(grid, grid.row + 1);
        moveCursor(app, grid.row + 1, kCityName);
    } else if (k == "Delete") {
        deleteCityRow(grid, grid.row);
        moveCursor(app, grid.row, std::min(grid.col, static_cast<int>(kCityHours)));
    } else if (k == "Tab") {
        if (grid.col < kCityHours) {
            moveCursor(app, grid.row, kCityHours);
        } else {
            if (grid.row >= lastCityRow(grid)) insertCityRow(grid, lastCityRow(grid) + 1);
            moveCursor(app, grid.row + 1, kCityName);
        }
    } else if (k == "Up" || k == "Down") {
        moveCursor(app, grid.row + (k == "Up" ? -1 : 1), grid.col);
    } else if (k == "Left" || k == "Right") {
        moveCursor(app, grid.row,
                   std::clamp(grid.col + (k == "Left" ? -1 : 1), 0, static_cast<int>(kCityHours)));
    } else if (k == "Backspace" && grid.col <= kCityHours) {
        dropLastCharacter(cursorCell(grid));
    } else {
        return;
    }
    app.touch();
}

void MgridCitiesKeyPress(Application& app) {
    KeyEvent* key = app.currentKey();
    Control& grid = cityGrid(app);
    if (key && key->key == "." && grid.cells.size() < 2) {
        if (grid.cells.empty())
            resetCityGrid(grid);
        else
            insertCityRow(grid, 1);
    }
}

// After every key, the row under the cursor is made sound: a new city starts with the present
// alarm time, and an hour difference the clock cannot use becomes "0".
void MgridCitiesKeyUp(Application& app) {
    keepCursorInEditableColumns(app);
    Control& grid = cityGrid(app);
    const int row = grid.row;
    runStep(app, Step::CityGridEdited);
    if (row < 1 || row > lastCityRow(grid)) return;
    const std::string hours = cityCell(grid, row, kCityHours);
    if (hours == "-") return;
    if (cityCell(grid, row, kCityAlarm).empty())
        setCityCell(grid, row, kCityAlarm, mainWindow(app).LabelAlarmTime.caption);
    switch (checkHourDifference(hours, app.locale())) {
    case HourDifferenceCheck::Keep:
        break;
    case HourDifferenceCheck::TooManyHours:
    case HourDifferenceCheck::TooManyMinutes:
        setCityCell(grid, row, kCityHours, "0");
        break;
    case HourDifferenceCheck::NotANumber:
        setCityCell(grid, row, kCityHours, "0");
        setCityCell(grid, row, kCityMark, "0");
        break;
    }
}

void MgridCitiesClick(Application& app) {
    Control& button = notebook(app).GradBtnnMyCities;
    button.enabled = true;
    button.bgcolor = kReadyButtonColor;
    MgridCitiesSelectCell(app);
}

void MgridCitiesExit(Application& app) {
    Control& grid = cityGrid(app);
    if (currentCityRow(grid) == 0) setCityCell(grid, 1, kCityMark, "1");
}

void GradBtnnMyCitiesClick(Application& app) {
    Control& grid = cityGrid(app);
    if (cityCell(grid, grid.row, kCityHours) == "-") setCityCell(grid, grid.row, kCityHours, "0");
    if (grid.cells.size() > 2)
        std::stable_sort(grid.cells.begin() + 1, grid.cells.end(), [](const auto& a, const auto& b) {
            return lowerCaseUtf8(a.empty() ? std::string() : a[kCityName]) <
                   lowerCaseUtf8(b.empty() ? std::string() : b[kCityName]);
        });
    SaveCityList(app);
    Control& button = notebook(app).GradBtnnMyCities;
    button.enabled = false;
    button.bgcolor = kIdleButtonColor;
    app.closeForm(SettingsNotebook::kName);
}

} // namespace

void installCityEditing(Application& app) {
    Control& grid = cityGrid(app);
    handle(app, grid, Event::Click, "MgridCitiesClick", [&app] { MgridCitiesClick(app); });
    handle(app, grid, Event::MouseDown, "MgridCitiesMouseDown", [&app] { keepCursorInEditableColumns(app); });
    handle(app, grid, Event::KeyDown, "MgridCitiesKeyDown", [&app] { MgridCitiesKeyDown(app); });
    handle(app, grid, Event::KeyPress, "MgridCitiesKeyPress", [&app] { MgridCitiesKeyPress(app); });
    handle(app, grid, Event::KeyUp, "MgridCitiesKeyUp", [&app] { MgridCitiesKeyUp(app); });
    handle(app, grid, Event::Exit, "MgridCitiesExit", [&app] { MgridCitiesExit(app); });
    handle(app, notebook(app).GradBtnnMyCities, Event::Click, "GradBtnnMyCitiesClick",
           [&app] { GradBtnnMyCitiesClick(app); });
    app.defineOperation("MgridCitiesSelectCell", [&app] { MgridCitiesSelectCell(app); });
}

} // namespace kelvaro
