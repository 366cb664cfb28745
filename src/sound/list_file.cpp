#include "sound/list_file.h"

#include "settings/text_file.h"

#include <algorithm>

namespace kelvaro {

std::vector<ListRow> parseList(std::string_view text, std::size_t columns) {
    // A list may hold a hundred thousand cities: the rows are cut straight from the text.
    std::vector<ListRow> rows;
    rows.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    forEachLine(text, [&rows, columns](std::string_view line) {
        ListRow& row = rows.emplace_back(columns);
        for (std::size_t cell = 0; cell < columns && !line.empty(); ++cell) {
            const auto end = line.find(kListCellEnd);
            row[cell].assign(line.substr(0, end));
            line.remove_prefix(end == std::string_view::npos ? line.size() : end + 1);
        }
    });
    return rows;
}

std::string formatList(const std::vector<ListRow>& rows, std::size_t columns) {
    std::string out;
    for (const ListRow& row : rows) {
        for (std::size_t cell = 0; cell < columns; ++cell) {
            if (cell < row.size()) {
                for (const char c : row[cell])
                    out += (c == kListCellEnd || c == '\r' || c == '\n') ? ' ' : c;
            }
            out += kListCellEnd;
        }
        out += "\r\n";
    }
    return out;
}

ListFileContent loadListFile(const std::string& path, std::size_t columns) {
    TextFileContent text = readTextFileLimited(path, kMaxListFileBytes);
    ListFileContent list;
    list.outcome = text.outcome;
    list.reason = std::move(text.reason);
    if (text.outcome == ReadOutcome::Read) list.rows = parseList(text.text, columns);
    return list;
}

std::optional<std::vector<ListRow>> readListFile(const std::string& path, std::size_t columns) {
    ListFileContent list = loadListFile(path, columns);
    if (list.outcome != ReadOutcome::Read) return std::nullopt;
    return std::move(list.rows);
}

void writeListFile(const std::string& path, const std::vector<ListRow>& rows, std::size_t columns) {
    writeFileAtomically(path, formatList(rows, columns));
}

} // namespace kelvaro
