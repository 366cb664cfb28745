// "&Save Settings to Disk" and "&Restore Settings from Disk": the four list files
// copied to a folder and back. The settings file stays where it is.
#include "settings/list_backup.h"
#include "app/windows.h"

#include "app/main_state.h"
#include "app/show_note.h"
#include "cities/cities.h"
#include "framework/application.h"
#include "framework/form_builder.h"
#include "settings/settings_lock.h"
#include "sound/list_file.h"
#include "sound/music_lists.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <optional>
#include <vector>

namespace kelvaro {

namespace {

constexpr const char* kSaved = "Kelvaro Settings Saved.";
constexpr const char* kSaveFailed = "Unable to save Settins, maybe try another Floppy.";
constexpr const char* kNoBackup = "Kelvaro Settings do not exist at that location";
constexpr const char* kRestored = "Kelvaro Settings Restored.";

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
    if (grid.cells.empty()) grid.cells.edit().emplace_back(list.columns);
    grid.cells.edit().resize(1); // the header row stays
    std::vector<ListRow> rows = readListFile(path, list.columns).value_or(std::vector<ListRow>{});
    grid.cells.edit().insert(grid.cells.end(), std::make_move_iterator(rows.begin()),
                             std::make_move_iterator(rows.end()));
    if (grid.cells.size() < 2) grid.cells.edit().emplace_back(list.columns); // a grid keeps one data row
    grid.row = 1;
    grid.col = 0;
}

std::optional<std::string> chooseFolder(Application& app, bool save) {
    FileRequest request;
    request.title = save ? "Save Settings to Disk" : "Restore Settings from Disk";
    request.filter = save ? "Save it Anywhere|*.*" : "Cities.txt|Cities.txt";
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
    } catch (const FileWriteError&) {
        app.platform().speaker->ding();
        app.box(BoxKind::Error, kSaveFailed);
        return;
    }
    app.box(BoxKind::Information, kSaved);
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
    // The menu and the clock follow the new list at once: a menu left over from the old
    // list matches no row, and choosing from it would unmark every city.
    RebuildCityMenu(app);
    LoadMusicLists(app);
    app.box(BoxKind::Information, kRestored);
}

void addListBackupControls(Form& f) {
    // In the "&Alarm" menu: one more menu on the bar would not fit the window's width.
    // "&Even More Settings" stays the menu's last item.
    addMenuItem(f, "SaveSettingstoFloppy1", "&Save Settings to Disk", "Alarm1");
    addMenuItem(f, "RestoreSettingsfromFloppy1", "&Restore Settings from Disk", "Alarm1");
    f.moveBefore("SaveSettingstoFloppy1", "Settings1");
    f.moveBefore("RestoreSettingsfromFloppy1", "Settings1");
}

void installListBackup(Application& app) {
    mainWindow(app).SaveSettingstoFloppy1.handlers[Event::Click] = "SaveSettingstoFloppy1Click";
    mainWindow(app).RestoreSettingsfromFloppy1.handlers[Event::Click] = "RestoreSettingsfromFloppy1Click";
    app.defineOperation("SaveSettingstoFloppy1Click", [&app] { SaveSettingstoFloppy1Click(app); });
    app.defineOperation("RestoreSettingsfromFloppy1Click", [&app] { RestoreSettingsfromFloppy1Click(app); });
}

} // namespace kelvaro
