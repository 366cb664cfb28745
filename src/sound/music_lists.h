#pragma once
// The three music lists of the settings notebook as the alarm plays them.
#include "sound/list_order.h"

#include <string>

namespace kelvaro {

class Application;
struct Control;

constexpr const char* kMediaGrid = "MgridWave";
constexpr const char* kCdGrid = "MgridCD";
constexpr const char* kWebRadioGrid = "MgridWebRadio";

ListPlayState& listPlayState(Application& app);
// A list with no entry: row 1, column 0 is empty (or missing).
bool musicListEmpty(const Control& grid);
// Advances ListRow for the media list or the CD list by the list's play mode.
int NextListRow(Application& app, const Control& grid);
void LoadMusicLists(Application& app);

} // namespace kelvaro
