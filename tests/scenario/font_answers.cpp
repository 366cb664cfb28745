// The words of `answer-font` and `drag`.
#include "script.h"

#include <charconv>
#include <set>
#include <sstream>

namespace kelvaro::scenario {

namespace {

std::vector<std::string> split(const std::string& word, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(word);
    std::string part;
    while (std::getline(in, part, separator))
        parts.push_back(part);
    return parts;
}

} // namespace

std::optional<FontChoice> parseFontChoice(const std::string& word) {
    const auto parts = split(word, ',');
    if (parts.size() < 2 || parts[0].empty()) return std::nullopt;
    FontChoice font;
    font.name = parts[0];
    const std::string& size = parts[1];
    auto [end, ec] = std::from_chars(size.data(), size.data() + size.size(), font.pointSize);
    if (ec != std::errc() || end != size.data() + size.size() || font.pointSize <= 0) return std::nullopt;
    for (std::size_t i = 2; i < parts.size(); ++i) {
        if (parts[i] == "bold")
            font.bold = true;
        else if (parts[i] == "italic")
            font.italic = true;
        else if (parts[i] == "underline")
            font.underline = true;
        else
            return std::nullopt;
    }
    return font;
}

std::optional<FakeDialogs::FontAnswer> parseFontAnswer(const Words& words) {
    FakeDialogs::FontAnswer answer;
    std::size_t i = 0;
    for (; i + 1 < words.size() && words[i] == "apply"; i += 2) {
        auto font = parseFontChoice(words[i + 1]);
        if (!font) return std::nullopt;
        answer.applied.push_back(*font);
    }
    if (i + 1 != words.size()) return std::nullopt;
    if (words[i] == "cancel") return answer;
    answer.chosen = parseFontChoice(words[i]);
    if (!answer.chosen) return std::nullopt;
    return answer;
}

bool isHeldKeys(const std::string& word) {
    static const std::set<std::string> known = {"ctrl", "shift", "alt", "left", "right", "middle"};
    for (const auto& key : split(word, '+'))
        if (!known.count(key)) return false;
    return true;
}

} // namespace kelvaro::scenario
