#include "online/update_rules.h"

#include "framework/conversions.h"

#include <algorithm>

namespace kelvaro {

namespace {

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

bool updateMayTouch(const std::string& name) {
    if (name.empty() || name.size() > 64 || name.front() == '.') return false;
    const bool plain = std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
               c == '-' || c == '.';
    });
    if (!plain || name.find("..") != std::string::npos) return false;
    const std::string lower = lowerCase(name);
    if (lower.size() == 6 && lower[0] == 'b' && lower[1] >= '1' && lower[1] <= '6' && endsWith(lower, ".htm"))
        return true;
    for (const char* picture : {".gif", ".jpg", ".jpeg", ".png"})
        if (endsWith(lower, picture) && lower.size() > std::char_traits<char>::length(picture)) return true;
    return false;
}

bool isUpdateSite(const std::string& url) {
    const std::string lower = lowerCase(url);
    return lower.rfind("https://", 0) == 0 && lower.size() > 9 && lower.back() == '/' &&
           url.find_first_of(" \t\r\n?#") == std::string::npos;
}

std::string downloadName(const std::string& name) {
    return "." + name + ".download";
}

} // namespace kelvaro
