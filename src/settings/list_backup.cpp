// "&Save Settings to Disk" and "&Restore Settings from Disk": the four list files
// copied to a folder and back. The settings file stays where it is.
#include "settings/list_backup.h"
#include "app/windows.h"
#include "framework/translatable.h"

#include "app/main_state.h"
#include "app/show_note.h"
#include "app/steps.h"
#include "cities/cities.h"
#include "cities/city_list.h"
#include "cities/city_zones.h"
#include "framework/application.h"
#include "framework/form_builder.h"
#include "framework/handle.h"
#include "settings/profile_file.h"
#include "settings/settings_lock.h"
#include "settings/settings_store.h"
#include "sound/list_file.h"
#include "sound/music_lists.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <optional>
#include <vector>

namespace kelvaro {

namespace {

constexpr const char* kSaved = KV_TR("Kelvaro Settings Saved.");
constexpr const char* kSaveFailed = KV_TR("Unable to save Settins, maybe try another Floppy.");
constexpr const char* kNoBackup = KV_TR("Kelvaro Settings do not exist at that location");
constexpr const char* kRestored = KV_TR("Kelvaro Settings Restored.");

struct ListGrid {
    const char* file;
    Control& grid;
    std::size_t columns;
};

// In the order of kBackupFiles.
std::vector<ListGrid> listGrids(Application& app) {
    SettingsNotebook& nb = notebook(app);
    return {{kBackupFiles[0], nb.MgridWave, kMusicListColumns},
            {kBackupFiles[1], nb.MgridCD, kMusicListColumns},
            {kBackupFiles[2], nb.MgridWebRadio, kMusicListColumns},
            {kBackupFiles[3], nb.MgridCities, kCityListColumns}};
}

// The rows as the program saves them: a music list drops the empty row an empty grid
// keeps; the city list is written whole, as its own save does.
std::vector<ListRow> rowsToSave(const ListGrid& list) {
    std::vector<ListRow> rows;
    for (std::size_t r = 1; r < list.grid.cells.size(); ++r) {
        const ListRow& row = list.grid.cells[r];
        const bool blank =
            std::all_of(row.begin(), row.end(), [](const std::string& c) { return c.empty(); });
        if (list.columns == kCityListColumns || !blank) rows.push_back(row);
    }
    return rows;
}

// Loading empties the list first; a file that cannot be read leaves it empty.
void loadInto(const ListGrid& list, const std::string& path) {
    Control& grid = list.grid;
    if (grid.cells.empty()) grid.cells.emplace_back(list.columns);
    grid.cells.resize(1); // the header row stays
    std::vector<ListRow> rows = readListFile(path, list.columns).value_or(std::vector<ListRow>{});
    grid.cells.insert(grid.cells.end(), std::make_move_iterator(rows.begin()),
                      std::make_move_iterator(rows.end()));
    if (grid.cells.size() < 2) grid.cells.emplace_back(list.columns); // a grid keeps one data row
    grid.row = 1;
    grid.col = 0;
}

// Each city's time zone lives in the settings file, which a backup leaves behind: the zones
// travel beside the lists, in a file of their own, so the four lists stay as they are.
void saveZones(Application& app, const std::string& folder) {
    ProfileFile zones(folder + kBackupZonesFile);
    for (const auto& [city, zone] : zones.keys(kZonesSection))
        zones.eraseKey(kZonesSection, city); // an earlier backup's cities
    const Control& grid = cityGrid(app);
    for (int row = 1; row <= lastCityRow(grid); ++row) {
        const std::string name = trim(cityCell(grid, row, kCityName));
        if (!name.empty() && !cityZone(grid, row).empty())
            zones.writeString(kZonesSection, name, cityZone(grid, row));
    }
    zones.flush(); // nothing to write and no earlier file: none is made
}

// A backup's zones become the settings file's before the list is read again, which takes
// each city's zone from there. A backup made without them leaves the stored zones alone.
void restoreZones(Application& app, const std::string& folder) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(folder + kBackupZonesFile, ec)) return;
    const ProfileFile carried(folder + kBackupZonesFile);
    ProfileFile settings(app.filePath(kSettingsFile));
    for (const auto& [city, zone] : carried.keys(kZonesSection))
        if (!trim(city).empty() && !zone.empty()) settings.writeString(kZonesSection, city, zone);
    settings.flush();
}

std::optional<std::string> chooseFolder(Application& app, bool save) {
    FileRequest request;
    request.title = save ? KV_TR("Save Settings to Disk") : KV_TR("Restore Settings from Disk");
    request.filter = save ? KV_TR("Save it Anywhere") "|*.*" : "Cities.txt|Cities.txt";
    request.save = save;
    request.folder = true;
    std::optional<std::string> chosen = app.platform().dialogs->chooseFile(request);
    if (!chosen || chosen->empty()) return std::nullopt;
    return backupFolderOf(*chosen);
}

} // namespace

std::string backupFolderOf(const std::string& chosen) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path path(chosen);
    if (!fs::is_directory(path, ec)) path = path.parent_path();
    std::string folder = path.string();
    if (folder.empty()) folder.assign(1, '.'); // not = ".": a false -Wrestrict of GCC 12 at -O3
    if (folder.back() != '/') folder += '/';
    return folder;
}

void SaveSettingstoFloppy1Click(Application& app) {
    RaiseHold hold(app.main);
    const std::optional<std::string> folder = chooseFolder(app, true);
    if (!folder) return;
    try {
        // Each file is replaced whole; those written before a failure stay.
        for (const ListGrid& list : listGrids(app))
            writeListFile(*folder + list.file, rowsToSave(list), list.columns);
        saveZones(app, *folder);
    } catch (const FileWriteError&) {
        app.platform().speaker->ding();
        app.box(BoxKind::Error, kSaveFailed);
        return;
    }
    app.box(BoxKind::Confirmation, kSaved);
}

void RestoreSettingsfromFloppy1Click(Application& app) {
    RaiseHold hold(app.main);
    const std::optional<std::string> folder = chooseFolder(app, false);
    if (!folder) return;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(*folder + kBackupFiles[3], ec)) {
        app.platform().speaker->ding();
        app.box(BoxKind::Error, kNoBackup);
        return;
    }
    if (ConfirmSettingChange(app)) return;
    const std::vector<ListGrid> lists = listGrids(app);
    for (const ListGrid& list : lists)
        loadInto(list, *folder + list.file);
    for (const ListGrid& list : lists)
        writeListFile(app.filePath(list.file), rowsToSave(list), list.columns);
    try {
        restoreZones(app, *folder);
    } catch (const FileWriteError&) {
        // The lists are back; their cities keep the zones already stored here.
    }
    // The menu and the clock follow the new list at once: a menu left over from the old
    // list matches no row, and choosing from it would unmark every city.
    RebuildCityMenu(app);
    runStep(app, Step::SaveCityZones); // zones of cities the restored list no longer has go
    LoadMusicLists(app);
    app.box(BoxKind::Confirmation, kRestored);
}

void addListBackupControls(Form& f) {
    // In the "&Alarm" menu: one more menu on the bar would not fit the window's width.
    // "&Even More Settings" stays the menu's last item.
    addMenuItem(f, "SaveSettingstoFloppy1", KV_TR("&Save Settings to Disk"), "Alarm1");
    addMenuItem(f, "RestoreSettingsfromFloppy1", KV_TR("&Restore Settings from Disk"), "Alarm1");
    f.moveBefore("SaveSettingstoFloppy1", "Settings1");
    f.moveBefore("RestoreSettingsfromFloppy1", "Settings1");
}

void installListBackup(Application& app) {
    handle(app, mainWindow(app).SaveSettingstoFloppy1, Event::Click, "SaveSettingstoFloppy1Click",
           [&app] { SaveSettingstoFloppy1Click(app); });
    handle(app, mainWindow(app).RestoreSettingsfromFloppy1, Event::Click, "RestoreSettingsfromFloppy1Click",
           [&app] { RestoreSettingsfromFloppy1Click(app); });
}

} // namespace kelvaro
