// The music list grids of the notebook's Wave, CD and WebRadio tabs, read from
// their files, and the choice of the row that plays next.
#include "sound/music_lists.h"
#include "app/steps.h"
#include "app/windows.h"
#include "framework/translatable.h"

#include "app/features.h"
#include "app/show_note.h"
#include "framework/application.h"
#include "framework/form_builder.h"
#include "sound/list_file.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <set>

namespace kelvaro {

void addMusicListButtons(Form& f);              // music_list_editing.cpp
void installMusicListEditing(Application& app); // music_list_editing.cpp

namespace {

struct MusicList {
    const char* grid; // the name it is built under
    Control& (*handle)(SettingsNotebook&);
    const char* file;
    const char* page;
    const char* header0;
    const char* header1;
};

const MusicList kLists[] = {
    {kMediaGrid, [](SettingsNotebook& n) -> Control& { return n.MgridWave; }, "Waves.wva", "TabSheetWave",
     KV_TR("Music Titles"), ""},
    {kCdGrid, [](SettingsNotebook& n) -> Control& { return n.MgridCD; }, "CDs.wva", "TabSheetCD",
     KV_TR("CD Tracks"), ""},
    {kWebRadioGrid, [](SettingsNotebook& n) -> Control& { return n.MgridWebRadio; }, "WebRadio.wva",
     "TabSheetWebRadio", KV_TR("Enter Web Radio/TV Descriptions"), KV_TR("Web Radio/TV Links")},
};

ListRow emptyRow() {
    return ListRow(kMusicListColumns);
}

// Lists over the size limit that the user has been told about.
struct OversizedLists {
    std::set<std::string> told;
};

void loadList(Application& app, const MusicList& list) {
    Control& grid = list.handle(notebook(app));
    grid.cells = {ListRow{list.header0, list.header1}};
    ListFileContent file = loadListFile(app.filePath(list.file), kMusicListColumns);
    if (file.outcome == ReadOutcome::TooLarge && app.feature<OversizedLists>().told.insert(list.file).second)
        ShowNote(app,
                 fillPattern(KV_TR("%1 is too large to read (%2). The list stays empty."),
                             {list.file, file.reason}),
                 false);
    grid.cells.insert(grid.cells.end(), std::make_move_iterator(file.rows.begin()),
                      std::make_move_iterator(file.rows.end()));
    if (grid.cells.size() < 2) grid.cells.push_back(emptyRow()); // a grid keeps one data row
    grid.row = std::clamp(grid.row, 1, static_cast<int>(grid.cells.size()) - 1);
    grid.col = 0;
}

} // namespace

// Runs before the window handles are bound, so it finds controls by the names they are built under.
void addMusicListControls(Form& f) {
    if (!f.find("TabSheetWebRadio")) {
        Control& page = f.add("TabSheetWebRadio", ControlKind::TabSheet, "PageControl1");
        page.caption = KV_TR("WebRadio");
        if (f.find("TabSheetWebTime")) f.moveBefore(page.name, "TabSheetWebTime");
    }
    for (const MusicList& list : kLists) {
        Control& grid = place(f.add(list.grid, ControlKind::Grid, list.page), {10, 40, 290, 242});
        grid.colCount = static_cast<int>(kMusicListColumns);
        grid.cells = {ListRow{list.header0, list.header1}, emptyRow()};
        grid.row = 1;
    }
    // The media and CD lists show the file names only; the folder sits out of view.
    f.find(kMediaGrid)->colWidths = {286, 300};
    f.find(kCdGrid)->colWidths = {286, 300};
    // No step labels beside the stream list: it takes their room, so both headers read whole.
    Control& streams = *f.find(kWebRadioGrid);
    streams.width = 356;
    streams.colWidths = {192, 160};
    addMusicListButtons(f);
}

ListPlayState& listPlayState(Application& app) {
    return app.feature<ListPlayState>();
}

bool musicListEmpty(const Control& grid) {
    return grid.cells.size() < 2 || grid.cells[1].empty() || grid.cells[1][0].empty();
}

int NextListRow(Application& app, const Control& grid) {
    ListPlayState& s = listPlayState(app);
    SettingsNotebook& nb = notebook(app);
    const int rowCount = static_cast<int>(grid.cells.size());
    const bool media = &grid == &nb.MgridWave;
    const bool shuffle = (media ? nb.RadioButtonWRandom : nb.RadioButtonCDRandom).checked;
    if (shuffle) return nextShuffled(s, rowCount, [] { return std::rand(); });
    const MainState& m = app.main;
    // Each step of the super alarm has its own piece: step n plays row n.
    if (media && notebook(app).CheckBoxSTNewMusic.checked && rowCount > 4 && m.SuperAlarmActive &&
        m.SuperAlarmMusicStep >= 1 && m.SuperAlarmMusicStep < rowCount)
        return s.ListRow = m.SuperAlarmMusicStep;
    return s.ListRow = nextInOrder(s.ListRow, rowCount);
}

void LoadMusicLists(Application& app) {
    for (const MusicList& list : kLists)
        loadList(app, list);
}

void installMusicLists(Application& app) {
    installMusicListEditing(app);
    app.defineOperation("LoadMusicLists", [&app] { LoadMusicLists(app); });
    defineStep(app, Step::LoadMusicListsAtStart, [&app] { LoadMusicLists(app); });
    // The notebook reads the lists when it shows and again when it closes, which
    // drops edits that "Update Music List" did not write.
    defineStep(app, Step::TFormCityShowMore, [&app] { LoadMusicLists(app); });
    defineStep(app, Step::TFormCityCloseMore, [&app] { LoadMusicLists(app); });
    app.defineOperation("NextListRow", [&app](const Args& a) {
        // A script names the list it asks about.
        return std::to_string(NextListRow(app, a.empty() ? notebook(app).MgridWave : app.ctl(a[0])));
    });
    ListPlayState& s = listPlayState(app);
    app.defineState("ListRow", [&s] { return std::to_string(s.ListRow); });
    app.defineState("ShufflePosition", [&s] { return std::to_string(s.shufflePosition); });
    app.defineState("ShuffleOrder", [&s] {
        std::string text;
        for (const auto& row : s.shuffleOrder)
            text += (text.empty() ? "" : ",") + row;
        return text;
    });
}

} // namespace kelvaro
