#include "sound/list_file.h"

#include "settings/text_file.h"

namespace kelvaro {

std::vector<ListRow> parseList(std::string_view text, std::size_t columns) {
    std::vector<ListRow> rows;
    for (const std::string& line : splitLines(text)) {
        ListRow row(columns);
        std::size_t start = 0;
        for (std::size_t cell = 0; cell < columns && start < line.size(); ++cell) {
            const auto end = line.find(kListCellEnd, start);
            if (end == std::string::npos) {
                row[cell] = line.substr(start);
                break;
            }
            row[cell] = line.substr(start, end - start);
            start = end + 1;
        }
        rows.push_back(std::move(row));
    }
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
