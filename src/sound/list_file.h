#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/text_file.h"

namespace kelvaro {

// The grid list file shared by "Cities.txt" and the music lists ("Waves.wva", "CDs.wva",
// "WebRadio.wva"): one line per data row, every cell followed by the byte 0x07, lines ended by
// CR LF. The header row of a grid is never stored.
using ListRow = std::vector<std::string>;

inline constexpr char kListCellEnd = '\x07';
inline constexpr std::size_t kCityListColumns = 25;
inline constexpr std::size_t kMusicListColumns = 2;

// Every line gives one row of exactly `columns` cells: cell n is the text after the n-th 0x07
// (cell 0 before the first), missing cells are empty, cells past the grid are dropped. Text after
// the last 0x07 still counts as a cell, so files edited by hand read as meant. An empty line is a
// row of empty cells. Lines may end with CR LF, LF or CR; the last may have no end.
std::vector<ListRow> parseList(std::string_view text, std::size_t columns);

// The exact bytes: each row padded or cut to `columns` cells. 0x07, CR and LF inside a cell would
// break the line apart, so each becomes a blank.
std::string formatList(const std::vector<ListRow>& rows, std::size_t columns);

struct ListFileContent {
    ReadOutcome outcome = ReadOutcome::Missing;
    std::string reason; // why it could not be read
    std::vector<ListRow> rows;
    bool mayReplace() const { return outcome == ReadOutcome::Read || outcome == ReadOutcome::Missing; }
};

// At most kMaxListFileBytes; UTF-8, and Windows-1252 for the bytes that are not UTF-8.
ListFileContent loadListFile(const std::string& path, std::size_t columns);
// The rows; nothing when the file is missing, cannot be read or is too large.
std::optional<std::vector<ListRow>> readListFile(const std::string& path, std::size_t columns);

// Replaces the whole file atomically, as UTF-8. Throws FileWriteError.
void writeListFile(const std::string& path, const std::vector<ListRow>& rows, std::size_t columns);

} // namespace kelvaro
