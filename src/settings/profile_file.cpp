#include "settings/profile_file.h"

#include <charconv>
#include <cstdint>

namespace kelvaro {

namespace {

constexpr auto npos = std::string::npos;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b) {
    a = trim(a);
    b = trim(b);
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// "[name]" gives the name; text after the closing bracket does not count.
bool sectionName(std::string_view line, std::string_view& name) {
    line = trim(line);
    if (line.empty() || line.front() != '[') return false;
    line.remove_prefix(1);
    const auto close = line.find(']');
    name = trim(close == npos ? line : line.substr(0, close));
    return true;
}

bool isComment(std::string_view line) {
    line = trim(line);
    return !line.empty() && (line.front() == ';' || line.front() == '#');
}

// "key = value": the key before the first '='. Comments are never keys.
bool keyLine(std::string_view line, std::string_view& key, std::string_view& value) {
    if (isComment(line)) return false;
    const auto eq = line.find('=');
    if (eq == npos) return false;
    key = trim(line.substr(0, eq));
    value = trim(line.substr(eq + 1));
    return true;
}

std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// Cuts to at most `count` UTF-8 characters without splitting one.
std::string_view firstCharacters(std::string_view text, std::size_t count) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (seen == count) return text.substr(0, i);
        ++seen;
    }
    return text;
}

} // namespace

bool parseProfileInteger(std::string_view text, int& value) {
    text = trim(text);
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        const std::string_view digits = text.substr(2);
        std::uint32_t bits = 0;
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), bits, 16);
        if (ec != std::errc() || end != digits.data() + digits.size()) return false;
        value = static_cast<int>(bits); // eight hex digits fill the 32 bits, as on the old platform
        return true;
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '-' || text.front() == '+')) return false;
    }
    int parsed = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed, 10);
    if (ec != std::errc() || end != text.data() + text.size()) return false;
    value = parsed;
    return true;
}

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) {
    TextFileContent content = readTextFileLimited(path_, kMaxSettingsFileBytes);
    outcome_ = content.outcome;
    problem_ = std::move(content.reason);
    if (outcome_ == ReadOutcome::Read) lines_ = splitLines(content.text);
}

ProfileFile::Place ProfileFile::find(std::string_view section, std::string_view key) const {
    Place place{npos, npos, npos};
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::string_view name, k, v;
        if (sectionName(lines_[i], name)) {
            if (place.sectionLine != npos) break; // only the first section of a name counts
            if (sameName(name, section)) place.sectionLine = place.lastKeyLine = i;
        } else if (place.sectionLine != npos && keyLine(lines_[i], k, v)) {
            place.lastKeyLine = i;
            if (place.keyLine == npos && sameName(k, key)) place.keyLine = i;
        }
    }
    return place;
}

const std::string* ProfileFile::rawValue(std::string_view section, std::string_view key) const {
    const Place place = find(section, key);
    return place.keyLine == npos ? nullptr : &lines_[place.keyLine];
}

bool ProfileFile::hasKey(std::string_view section, std::string_view key) const {
    return rawValue(section, key) != nullptr;
}

std::vector<std::pair<std::string, std::string>> ProfileFile::keys(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> found;
    const Place place = find(section, {});
    if (place.sectionLine == npos) return found;
    for (std::size_t i = place.sectionLine + 1; i <= place.lastKeyLine && i < lines_.size(); ++i) {
        std::string_view k, v;
        if (!keyLine(lines_[i], k, v)) continue;
        bool seen = false;
        for (const auto& pair : found)
            seen = seen || sameName(pair.first, k);
        if (!seen) found.emplace_back(std::string(k), readString(section, k, {}));
    }
    return found;
}

void ProfileFile::eraseKey(std::string_view section, std::string_view key) {
    const Place place = find(section, key);
    if (place.keyLine == npos) return;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(place.keyLine));
    dirty_ = true;
}

std::string ProfileFile::readString(std::string_view section, std::string_view key,
                                    std::string_view def) const {
    std::string_view value = def;
    if (const std::string* line = rawValue(section, key)) {
        std::string_view k;
        keyLine(*line, k, value);
        value = unquote(value);
    }
    return std::string(firstCharacters(value, kMaxTextLength));
}

int ProfileFile::readInteger(std::string_view section, std::string_view key, int def) const {
    if (!hasKey(section, key)) return def;
    int value = def;
    return parseProfileInteger(readString(section, key, {}), value) ? value : def;
}

bool ProfileFile::readBool(std::string_view section, std::string_view key, bool def) const {
    return readInteger(section, key, def ? 1 : 0) != 0;
}

void ProfileFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    value = value.substr(0, value.find_first_of("\r\n"));
    const std::string_view name = trim(key);
    const Place place = find(section, key);
    dirty_ = true;
    if (place.keyLine != npos) {
        std::string_view stored, old;
        keyLine(lines_[place.keyLine], stored, old);
        lines_[place.keyLine] = std::string(stored) + "=" + std::string(value); // keeps the stored spelling
        return;
    }
    std::string line = std::string(name) + "=" + std::string(value);
    if (place.sectionLine != npos) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(place.lastKeyLine + 1), std::move(line));
        return;
    }
    if (!lines_.empty() && !trim(lines_.back()).empty()) lines_.emplace_back();
    std::string header = "["; // appended, not "[" + ...: GCC 12 warns falsely (-Wrestrict) at -O2
    header.append(trim(section));
    header += ']';
    lines_.push_back(std::move(header));
    lines_.push_back(std::move(line));
}

void ProfileFile::writeInteger(std::string_view section, std::string_view key, int value) {
    writeString(section, key, std::to_string(value));
}

void ProfileFile::writeBool(std::string_view section, std::string_view key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

std::string ProfileFile::text() const {
    std::string out;
    for (const auto& line : lines_) {
        out += line;
        out += "\r\n";
    }
    return out;
}

void ProfileFile::flush() {
    if (!dirty_) return;
    if (!mayReplace())
        throw FileWriteError(path_, "the file could not be read (" + problem_ + "), so it is kept");
    writeFileAtomically(path_, text());
    dirty_ = false;
}

void writeProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
    ProfileFile file(path);
    file.writeString(section, key, value);
    file.flush();
}

void writeProfileInteger(const std::string& path, std::string_view section, std::string_view key, int value) {
    writeProfileString(path, section, key, std::to_string(value));
}

void writeProfileBool(const std::string& path, std::string_view section, std::string_view key, bool value) {
    writeProfileString(path, section, key, value ? "1" : "0");
}

} // namespace kelvaro
