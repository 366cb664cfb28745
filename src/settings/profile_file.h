#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/text_file.h"

namespace kelvaro {

// A settings file in the INI form with the rules of the Windows profile functions the settings
// were written against: case-insensitive section and key names, blanks around names and values
// ignored, one pair of matching quotes around a value removed, the first of duplicate keys wins.
// A write changes only the line of its key; unknown keys, comments and blank lines stay.
//
// The file is read once when the object is made; writes change the copy in memory and flush()
// replaces the file in one atomic step, so a batch of writes costs one replacement.
class ProfileFile {
  public:
    // Longest text a read returns, in characters (the old 1,024-byte read buffer).
    static constexpr std::size_t kMaxTextLength = 1023;

    // A missing, unreadable or too large file reads as empty; only a missing one may be replaced.
    explicit ProfileFile(std::string path);

    const std::string& path() const { return path_; }
    ReadOutcome loadOutcome() const { return outcome_; }
    // Why the file could not be read; empty when it was read or is missing.
    const std::string& loadProblem() const { return problem_; }
    // False when the file exists but could not be read: saving would lose everything in it.
    bool mayReplace() const { return outcome_ == ReadOutcome::Read || outcome_ == ReadOutcome::Missing; }

    bool hasKey(std::string_view section, std::string_view key) const;
    // Every key of the first section of that name with its value, in file order; a duplicate
    // key counts once, as its first line.
    std::vector<std::pair<std::string, std::string>> keys(std::string_view section) const;
    // Removes the key's line; nothing when it is missing.
    void eraseKey(std::string_view section, std::string_view key);

    // The stored text cut to kMaxTextLength characters; `def` when the key is missing.
    std::string readString(std::string_view section, std::string_view key, std::string_view def) const;
    // Decimal, or hexadecimal after "0x"/"0X"; `def` when missing or not a number.
    int readInteger(std::string_view section, std::string_view key, int def) const;
    // Read as an integer; any value other than 0 is true.
    bool readBool(std::string_view section, std::string_view key, bool def) const;

    // A line break in `value` ends it, as a later read would.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int value);
    void writeBool(std::string_view section, std::string_view key, bool value);

    bool hasUnsavedChanges() const { return dirty_; }
    // Replaces the file when anything was written since loading or the last flush.
    // Throws FileWriteError, also when mayReplace() is false; the file on disk is then unchanged.
    void flush();

    // The file's bytes as flush() would write them.
    std::string text() const;

  private:
    struct Place {
        std::size_t sectionLine; // npos when the section is missing
        std::size_t keyLine;     // npos when the key is missing
        std::size_t lastKeyLine; // last key line of the section, else its header
    };
    Place find(std::string_view section, std::string_view key) const;
    const std::string* rawValue(std::string_view section, std::string_view key) const;

    std::string path_;
    std::vector<std::string> lines_;
    ReadOutcome outcome_ = ReadOutcome::Missing;
    std::string problem_;
    bool dirty_ = false;
};

// Parses an integer the way the profile reads do; false when the text is not a number.
bool parseProfileInteger(std::string_view text, int& value);

// One-shot forms: load, change one key, replace the file. Throw FileWriteError.
void writeProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);
void writeProfileInteger(const std::string& path, std::string_view section, std::string_view key, int value);
void writeProfileBool(const std::string& path, std::string_view section, std::string_view key, bool value);

} // namespace kelvaro
