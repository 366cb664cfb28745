#include "sound/sound_paths.h"

namespace kelvaro {

namespace {

std::string::size_type lastSeparator(const std::string& path) {
    return path.find_last_of("/\\");
}

} // namespace

std::string fileNamePart(const std::string& path) {
    const auto sep = lastSeparator(path);
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

std::string folderPart(const std::string& path) {
    const auto sep = lastSeparator(path);
    return sep == std::string::npos ? std::string() : path.substr(0, sep);
}

std::string titleOf(const std::string& path) {
    const std::string name = fileNamePart(path);
    const auto dot = name.find('.');
    return dot == std::string::npos ? std::string() : name.substr(0, dot);
}

std::optional<int> cdTrackOf(const std::string& path) {
    const std::string name = fileNamePart(path);
    const auto dot = name.find('.');
    if (dot == std::string::npos || dot < 2) return std::nullopt;
    const char tens = name[dot - 2], ones = name[dot - 1];
    if (tens < '0' || tens > '9' || ones < '0' || ones > '9') return std::nullopt;
    return (tens - '0') * 10 + (ones - '0');
}

std::vector<std::string> splitProgramParams(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, quoted = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true; // "" is an empty argument of its own
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

} // namespace kelvaro
