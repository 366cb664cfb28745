#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

// Raised when a file cannot be replaced; the message names the file.
class FileWriteError : public std::runtime_error {
  public:
    FileWriteError(const std::string& path, const std::string& reason);
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

bool isValidUtf8(std::string_view bytes);

// Appends one code point as UTF-8 (a surrogate or one past U+10FFFF as U+FFFD).
void appendUtf8(std::string& out, char32_t cp);

// Files carried over from the old platform are Windows-1252; everything is UTF-8 in memory.
std::string windows1252ToUtf8(std::string_view bytes);

// UTF-8 as it is (leading byte-order marks dropped), anything else read as Windows-1252.
std::string decodeText(std::string_view bytes);

// Largest files read; a bigger one is refused whole rather than read in part and saved cut.
inline constexpr std::size_t kMaxSettingsFileBytes = 4u << 20;
inline constexpr std::size_t kMaxListFileBytes = 16u << 20;

enum class ReadOutcome {
    Read,
    Missing,    // nothing there: the file may be made
    Unreadable, // there but not readable (permissions, a folder, an I/O error): never replace it
    TooLarge,   // more than the limit: never replace it either
};

struct TextFileContent {
    ReadOutcome outcome = ReadOutcome::Missing;
    std::string text;   // decoded as above when read
    std::string reason; // why it could not be read
    bool mayReplace() const { return outcome == ReadOutcome::Read || outcome == ReadOutcome::Missing; }
};

TextFileContent readTextFileLimited(const std::string& path, std::size_t maxBytes);

// The file's text decoded as above; nothing when the file is missing, unreadable or too large.
std::optional<std::string> readTextFile(const std::string& path, std::size_t maxBytes = kMaxListFileBytes);

// Lines ended by CR LF, LF or CR; a missing last line end is accepted.
std::vector<std::string> splitLines(std::string_view text);
// The same lines handed to `line` one at a time, as views into `text`.
template <class LineFn> void forEachLine(std::string_view text, LineFn&& line) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        line(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) line(text.substr(start));
}

// Replaces the file in one step: a temporary file in the same folder, flushed to disk, renamed
// over the old one. A crash at any moment leaves either the old or the new file, never a torn one.
// The temporary file is ".<name>.tmp-" and six characters, locked (flock) while it is written.
void writeFileAtomically(const std::string& path, std::string_view bytes);

std::string tempFilePrefix(const std::string& fileName);

// Removes the temporary files that interrupted saves of these files (names in `folder`) left
// behind: only names of the form above, only regular files, never one whose save still runs.
// Returns how many were removed.
int removeStaleTempFiles(const std::string& folder, const std::vector<std::string>& fileNames);

} // namespace kelvaro
