// Editing the music lists on the notebook's Wave, CD and WebRadio tabs: adding,
// deleting, sorting and moving entries, previews by double click, writing the
// list files, and the play-order buttons.
#include "app/show_note.h"
#include "app/windows.h"
#include "framework/application.h"
#include "framework/form_builder.h"
#include "framework/handle.h"
#include "framework/translatable.h"
#include "settings/settings_lock.h"
#include "sound/list_file.h"
#include "sound/music_lists.h"
#include "sound/sound_paths.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace kelvaro {

namespace {

constexpr const char* kNotASoundFile = KV_TR("Not a valid Sound File, Try Again!");
constexpr const char* kNotACdTrackNote = KV_TR("Not a valid C D Track. Try Again!");
constexpr const char* kNotACdTrack = KV_TR("Not a valid CD Track, Try Again!");
constexpr const char* kUnlistableName =
    KV_TR("This file name holds a line break or a bell character, which the music list cannot keep. "
          "Rename the file and try again.");
constexpr const char* kMediaFilter =
    KV_TR("Alarm Music & Mpeg Videos") "|*.avi;*.asf;*.mpg;*.mpeg;*.wm;*.wma;*.wmv;*.mp3;*.m3u;"
                                       "*.asx;*.wax;*.wav;*.wvx;*.au;*.aif;*.aifc";
constexpr const char* kDefaultCdDrive = "/dev/cdrom";

struct MoveState {
    bool pending = false;
    int rowToMove = 0;
};

// A list entry is an empty row or a single blank until something is put in.
bool rowIsFree(const Control& grid, int row) {
    if (row >= static_cast<int>(grid.cells.size())) return false;
    const auto& cells = grid.cells[static_cast<size_t>(row)];
    return cells.empty() || cells[0].empty() || cells[0] == " ";
}

// The rows worth a line in the file: the empty row an empty grid keeps is none.
std::vector<ListRow> dataRows(const Control& grid) {
    std::vector<ListRow> rows;
    for (std::size_t r = 1; r < grid.cells.size(); ++r) {
        const ListRow& row = grid.cells[r];
        if (std::any_of(row.begin(), row.end(), [](const std::string& cell) { return !cell.empty(); }))
            rows.push_back(row);
    }
    return rows;
}

std::string withSeparator(const std::string& folder) {
    return folder.empty() || folder.back() == '/' ? folder : folder + "/";
}

// The row a new entry goes to: row 1 of an empty list, else a new last row, selected.
ListRow& entryRow(Control& grid) {
    if (!rowIsFree(grid, 1)) {
        grid.cells.push_back(ListRow(kMusicListColumns));
        grid.row = static_cast<int>(grid.cells.size()) - 1;
    } else {
        grid.row = 1;
    }
    auto& row = grid.cells[static_cast<size_t>(grid.row)];
    row.resize(kMusicListColumns);
    return row;
}

Control& updateButtonOf(Application& app, const Control& grid) {
    SettingsNotebook& nb = notebook(app);
    if (&grid == &nb.MgridWave) return nb.ButtonUpdateWave;
    if (&grid == &nb.MgridCD) return nb.ButtonUpdateCD;
    return nb.ButtonUpdateWebRadio;
}

const char* fileOf(Application& app, const Control& grid) {
    SettingsNotebook& nb = notebook(app);
    return &grid == &nb.MgridWave ? "Waves.wva" : &grid == &nb.MgridCD ? "CDs.wva" : "WebRadio.wva";
}

void invalidFile(Application& app, const char* note, const char* error) {
    ShowNote(app, note, true);
    app.box(BoxKind::Error, error);
}

void addMediaEntry(Application& app) {
    RaiseHold hold(app.main);
    const auto file = app.platform().dialogs->chooseFile(
        {KV_TR("Add music to the list"), kMediaFilter, folderPart(app.main.MP3Path)});
    std::error_code ec;
    if (file && !std::filesystem::is_regular_file(*file, ec)) {
        invalidFile(app, kNotASoundFile, kNotASoundFile);
    } else if (file && file->find_first_of("\x07\r\n") != std::string::npos) {
        // Those bytes end a cell or a line of the list file.
        invalidFile(app, kUnlistableName, kUnlistableName);
    } else if (file && !ConfirmNotebookChange(app)) {
        app.main.MP3Path = *file;
        Control& grid = notebook(app).MgridWave;
        ListRow& row = entryRow(grid);
        row[0] = fileNamePart(*file);
        row[1] = withSeparator(folderPart(*file));
        notebook(app).ButtonUpdateWave.enabled = true;
    }
}

// The drive the CD path names, or the system's usual one.
std::string cdDrive(Application& app) {
    const std::string folder = folderPart(app.main.CDPath);
    return !folder.empty() && folder.front() == '/' ? folder : kDefaultCdDrive;
}

// On Linux the disc's table of contents gives the tracks; no file dialog over ".cda" files.
void addCdTracks(Application& app) {
    RaiseHold hold(app.main);
    MediaPlayer& player = *app.platform().player;
    const std::string drive = cdDrive(app);
    int tracks = 0;
    try {
        player.setDeviceType(DeviceType::CdAudio);
        player.setTimeFormatTmsf();
        player.setFileName(drive);
        if (player.mediaPresent()) tracks = player.trackCount();
    } catch (const MediaError&) {
        tracks = 0;
    }
    if (tracks < 1) {
        invalidFile(app, kNotACdTrackNote, kNotACdTrack);
    } else if (!ConfirmNotebookChange(app)) {
        Control& grid = notebook(app).MgridCD;
        for (int track = 1; track <= tracks; ++track) {
            char name[32];
            std::snprintf(name, sizeof name, "Track%02d.cda", track);
            ListRow& row = entryRow(grid);
            row[0] = name;
            row[1] = drive + "/";
        }
        app.main.CDPath = drive + "/Track01.cda";
        notebook(app).ButtonUpdateCD.enabled = true;
    }
}

void deleteRow(Application& app, Control& grid) {
    if (grid.row >= 1 && grid.row < static_cast<int>(grid.cells.size()))
        grid.cells.erase(grid.cells.begin() + grid.row);
    if (grid.cells.size() < 2) grid.cells.resize(2, ListRow(kMusicListColumns));
    grid.row = std::clamp(grid.row, 1, static_cast<int>(grid.cells.size()) - 1);
    updateButtonOf(app, grid).enabled = true;
}

void sortList(Application& app, Control& grid) {
    if (grid.cells.size() > 2)
        std::stable_sort(grid.cells.begin() + 1, grid.cells.end(), [](const ListRow& a, const ListRow& b) {
            return (a.empty() ? "" : a[0]) < (b.empty() ? "" : b[0]);
        });
    updateButtonOf(app, grid).enabled = true;
}

void updateMusicList(Application& app, Control& grid) {
    updateButtonOf(app, grid).enabled = false;
    // Loading the play-order buttons at start runs this too: nothing is written then,
    // and the hidden notebook is not closed (its close would apply a city half loaded).
    if (!app.main.SettingsLoaded) return;
    writeListFile(app.filePath(fileOf(app, grid)), dataRows(grid), kMusicListColumns);
    app.closeForm(SettingsNotebook::kName);
}

const ListRow* currentRow(const Control& grid) {
    if (grid.row < 1 || grid.row >= static_cast<int>(grid.cells.size())) return nullptr;
    const ListRow& row = grid.cells[static_cast<size_t>(grid.row)];
    return row.size() >= kMusicListColumns && !row[0].empty() ? &row : nullptr;
}

// A double click plays the entry as a preview and makes it the source's path.
void previewMedia(Application& app) {
    const ListRow* row = currentRow(notebook(app).MgridWave);
    if (!row) return;
    app.platform().speaker->ding();
    app.main.MP3Path = (*row)[1] + (*row)[0];
    MediaPlayer& player = *app.platform().player;
    try {
        player.setDeviceType(DeviceType::Automatic);
        player.setFileName(app.main.MP3Path);
        player.open();
        player.play(true);
    } catch (const MediaError&) {
    }
}

void previewCd(Application& app) {
    const ListRow* row = currentRow(notebook(app).MgridCD);
    if (!row) return;
    app.platform().speaker->ding();
    app.main.CDPath = (*row)[1] + (*row)[0];
    MediaPlayer& player = *app.platform().player;
    try {
        const auto track = cdTrackOf((*row)[0]);
        player.setDeviceType(DeviceType::CdAudio);
        player.setTimeFormatTmsf();
        player.setFileName(folderPart(app.main.CDPath));
        player.open();
        if (track) {
            player.setStartPosition(player.trackPosition(*track));
            if (*track < player.trackCount()) player.setEndPosition(player.trackPosition(*track + 1));
        }
        player.play(true);
    } catch (const MediaError&) {
    }
}

void chooseWebRadio(Application& app) {
    const Control& grid = notebook(app).MgridWebRadio;
    if (grid.row < 1 || grid.row >= static_cast<int>(grid.cells.size())) return;
    const ListRow& row = grid.cells[static_cast<size_t>(grid.row)];
    if (row.size() < 2 || row[1].empty()) return;
    app.platform().speaker->ding();
    app.main.WebRadioPath = row[1];
    app.closeForm(SettingsNotebook::kName);
}

// The right button on a media-list row: first the row to move, then the row to put it before.
void moveEntry(Application& app) {
    Control& grid = notebook(app).MgridWave;
    MoveState& move = app.feature<MoveState>();
    const int row = grid.row;
    if (row < 1 || row >= static_cast<int>(grid.cells.size())) return;
    auto name = [&grid](int r) {
        return grid.cells[static_cast<size_t>(r)].empty() ? std::string()
                                                          : grid.cells[static_cast<size_t>(r)][0];
    };
    Control& label = notebook(app).LabelMoveRow;
    if (!move.pending) {
        if (app.box(BoxKind::Confirmation,
                    fillPattern(KV_TR(" Move \n%1\n to a new Location? \n"), {name(row)}),
                    {Answer::Yes, Answer::No}) != Answer::Yes)
            return;
        move = {true, row};
        label.caption += std::to_string(row);
        return;
    }
    if (row == move.rowToMove) {
        app.platform().speaker->ding();
        return;
    }
    const int from = move.rowToMove;
    move.pending = false;
    if (from >= static_cast<int>(grid.cells.size())) return;
    if (app.box(BoxKind::Confirmation,
                fillPattern(KV_TR(" Insert \n%1\n Here Before \n%2? \n"), {name(from), name(row)}),
                {Answer::Yes, Answer::No}) != Answer::Yes)
        return;
    ListRow moved = grid.cells[static_cast<size_t>(from)];
    grid.cells.erase(grid.cells.begin() + from);
    const int at = from < row ? row - 1 : row;
    grid.cells.insert(grid.cells.begin() + at, std::move(moved));
    grid.row = at;
    label.caption = std::to_string(from) + std::to_string(at);
}

// Tab walks the cells of the web-stream list; Insert adds a row under the cursor.
void webRadioKeyDown(Application& app, Control& grid) {
    KeyEvent* key = app.currentKey();
    if (!key) return;
    if (key->key == "Delete") {
        deleteRow(app, grid);
    } else if (key->key == "Insert") {
        grid.cells.insert(grid.cells.begin() +
                              std::min<int>(grid.row + 1, static_cast<int>(grid.cells.size())),
                          ListRow(kMusicListColumns));
        grid.row = std::min<int>(grid.row + 1, static_cast<int>(grid.cells.size()) - 1);
        grid.col = 0;
    } else if (key->key == "Tab") {
        if (grid.col == 0) {
            grid.col = 1;
        } else if (grid.row + 1 < static_cast<int>(grid.cells.size())) {
            grid.col = 0;
            ++grid.row;
        }
    } else {
        return;
    }
    updateButtonOf(app, grid).enabled = true;
    key->suppressed = true;
}

} // namespace

void addMusicListButtons(Form& f) {
    auto column = [&f](const char* page, const char* add, const char* addCaption, const char* sort,
                       const char* update) {
        if (add) addButton(f, add, addCaption, {372, 40, 188, 26}, page);
        addButton(f, sort, KV_TR("SORT"), {372, 76, 188, 26}, page);
        addButton(f, update, KV_TR("Update Music List"), {372, 112, 188, 26}, page).enabled = false;
    };
    column("TabSheetWave", "ButtonAddWave", KV_TR("    Add MP3 && Video Music to List   "), "ButtonSortWave",
           "ButtonUpdateWave");
    column("TabSheetCD", "ButtonAddCD", KV_TR("ADD CD Tracks to Music List"), "ButtonSortCD",
           "ButtonUpdateCD");
    column("TabSheetWebRadio", nullptr, "", "ButtonSortWebRadio", "ButtonUpdateWebRadio");
    addLabel(f, "LabelAddWebRadio", KV_TR("Click Below to ADD Web Radio to Music List"), {10, 16, 300, 18},
             "TabSheetWebRadio")
        .enabled = false;
    addLabel(f, "LabelMoveRow", "...", {372, 150, 188, 18}, "TabSheetWave");
    // Beside rows 1 to 5 of the list: the planner's steps that each take one entry.
    Control& steps = addLabel(f, "LabelSTSteps", KV_TR("WakeUp\nShower\nDress\nEat\nDrive"),
                              {304, 83, 68, 100}, "TabSheetWave");
    steps.fontSize = 12; // a line a row
}

void installMusicListEditing(Application& app) {
    SettingsNotebook& nb = notebook(app);
    auto on = [&app](Control& c, Event e, const std::string& handler, std::function<void()> op) {
        handle(app, c, e, handler, std::move(op));
    };
    on(nb.ButtonAddWave, Event::Click, "ButtonAddWaveClick", [&app] { addMediaEntry(app); });
    on(nb.ButtonAddCD, Event::Click, "ButtonAddCDClick", [&app] { addCdTracks(app); });
    struct List {
        Control& grid;
        Control& sort;
        Control& update;
        const char* prefix;
    };
    for (const List& l :
         {List{nb.MgridWave, nb.ButtonSortWave, nb.ButtonUpdateWave, "Wave"},
          List{nb.MgridCD, nb.ButtonSortCD, nb.ButtonUpdateCD, "CD"},
          List{nb.MgridWebRadio, nb.ButtonSortWebRadio, nb.ButtonUpdateWebRadio, "WebRadio"}}) {
        Control* grid = &l.grid;
        const std::string p = l.prefix;
        on(l.sort, Event::Click, "ButtonSort" + p + "Click", [&app, grid] { sortList(app, *grid); });
        on(l.update, Event::Click, "ButtonUpdate" + p + "Click",
           [&app, grid] { updateMusicList(app, *grid); });
        if (grid == &nb.MgridWebRadio) continue;
        grid->readOnly = true; // entries come from the file dialog or the disc
        // The file name is the only column the user sees.
        on(*grid, Event::Click, "Mgrid" + p + "Click", [grid] { grid->col = 0; });
        on(*grid, Event::KeyUp, "Mgrid" + p + "KeyUp", [grid] { grid->col = 0; });
        on(*grid, Event::KeyDown, "Mgrid" + p + "KeyDown", [&app, grid] {
            if (app.currentKey() && app.currentKey()->key == "Delete") deleteRow(app, *grid);
        });
    }
    handle(app, nb.MgridWave, Event::MouseDown, "MgridWaveMouseDown", [&app](const Args& a) {
        notebook(app).MgridWave.col = 0;
        if (!a.empty() && a[0] == "right") moveEntry(app);
        return std::string();
    });
    handle(app, nb.MgridCD, Event::MouseDown, "MgridCDMouseDown", [&app] { notebook(app).MgridCD.col = 0; });
    on(nb.MgridWave, Event::DblClick, "MgridWaveDblClick", [&app] { previewMedia(app); });
    on(nb.MgridCD, Event::DblClick, "MgridCDDblClick", [&app] { previewCd(app); });
    on(nb.MgridWebRadio, Event::DblClick, "MgridWebRadioDblClick", [&app] { chooseWebRadio(app); });
    on(nb.MgridWebRadio, Event::Click, "MgridWebRadioClick",
       [&app] { notebook(app).ButtonUpdateWebRadio.enabled = true; });
    on(nb.MgridWebRadio, Event::KeyDown, "MgridWebRadioKeyDown",
       [&app] { webRadioKeyDown(app, notebook(app).MgridWebRadio); });
    // The play-order buttons write their list and close the notebook, as "Update Music List" does.
    for (Control* radio : {&nb.RadioButtonWInOrder, &nb.RadioButtonWRandom})
        radio->handlers[Event::Click] = "ButtonUpdateWaveClick";
    for (Control* radio : {&nb.RadioButtonCDWhole, &nb.RadioButtonCDInOrder, &nb.RadioButtonCDRandom})
        radio->handlers[Event::Click] = "ButtonUpdateCDClick";
    on(nb.CheckBoxSTNewMusic, Event::Click, "CheckBoxSTNewMusicClick",
       [&app] { notebook(app).LabelSTSteps.visible = notebook(app).CheckBoxSTNewMusic.checked; });
    // A press on a tab's background drags the notebook, which has no caption bar of its own.
    for (Control* page : {&nb.TabSheetWave, &nb.TabSheetCD, &nb.TabSheetWebRadio})
        on(*page, Event::MouseDown, page->name + "MouseDown",
           [&app] { app.platform().host->beginWindowDrag(SettingsNotebook::kName); });
}

} // namespace kelvaro
