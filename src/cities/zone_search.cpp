#include "cities/zone_search.h"

#include <algorithm>
#include <set>

namespace kelvaro {

namespace {

// The plain letter of each Latin letter with a mark, U+00C0 to U+024F; '?' where there is none.
constexpr std::string_view kPlainLetters =
    "aaaaaaaceeeeiiiidnoooooxouuuuytsaaaaaaaceeeeiiiidnooooo/ouuuuytyaaaaaaccccccccddddeeeeeeeeeegggggggghh"
    "hhiiiiiiiiiiiijjkkkllllllllllnnnnnnnnnoooooooorrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs??????????????"
    "??????????????????oo?????????????uu???????????????????dddlllnnnaaiioouuuuuuuuuu?aaaa????ggkkoooo??jdddgg"
    "??nnaa????aaaaeeeeiiiioooorrrruuuusstt??hh??????aaeeooooooooyy????????????????????????????";
static_assert(kPlainLetters.size() == 0x250 - 0xC0);

// Cities people type whose zone the tz database names after another city.
constexpr struct {
    const char* city;
    const char* zone;
} kCommonCities[] = {
    {"Mumbai", "Asia/Kolkata"},
    {"Bombay", "Asia/Kolkata"},
    {"Delhi", "Asia/Kolkata"},
    {"New Delhi", "Asia/Kolkata"},
    {"Beijing", "Asia/Shanghai"},
    {"Washington", "America/New_York"},
    {"Boston", "America/New_York"},
    {"San Francisco", "America/Los_Angeles"},
    {"Rio de Janeiro", "America/Sao_Paulo"},
    {"Munich", "Europe/Berlin"},
    {"Geneva", "Europe/Zurich"},
};

// One code point from UTF-8; a broken sequence gives its first byte.
char32_t nextCodePoint(std::string_view s, size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    const int length = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 1;
    char32_t cp = length == 1 ? b : b & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        if (i + static_cast<size_t>(k) >= s.size() ||
            (static_cast<unsigned char>(s[i + static_cast<size_t>(k)]) & 0xC0) != 0x80) {
            ++i;
            return b;
        }
        cp = (cp << 6) | (static_cast<unsigned char>(s[i + static_cast<size_t>(k)]) & 0x3F);
    }
    i += static_cast<size_t>(length);
    return cp;
}

int rankOf(const std::string& city, const std::string& id, const std::string& key) {
    if (city == key) return 0;
    if (city.rfind(key, 0) == 0) return 1;
    if (city.find(" " + key) != std::string::npos) return 2; // a later word of the city
    if (id.find(key) != std::string::npos) return 3;         // the region, or the middle of a word
    return -1;
}

struct Candidate {
    int rank;
    std::string sortKey;
    ZoneMatch match;
};

std::vector<Candidate> candidates(const std::vector<ZoneName>& names, const std::string& key) {
    std::vector<Candidate> found;
    auto consider = [&](const std::string& named, const std::string& zone, const std::string& city) {
        const std::string id = zoneSearchKey(named);
        const int rank = rankOf(zoneSearchKey(city), id, key);
        if (rank >= 0) found.push_back({rank, id, {zone, named}});
    };
    for (const ZoneName& n : names)
        consider(n.id, n.zone, zoneCity(n.id));
    std::set<std::string> known;
    for (const ZoneName& n : names)
        known.insert(n.zone);
    for (const auto& c : kCommonCities)
        if (known.count(c.zone)) consider(c.city, c.zone, c.city);
    std::stable_sort(found.begin(), found.end(), [](const Candidate& a, const Candidate& b) {
        return a.rank != b.rank ? a.rank < b.rank : a.sortKey < b.sortKey;
    });
    return found;
}

} // namespace

std::string zoneSearchKey(std::string_view text) {
    std::string key;
    for (size_t i = 0; i < text.size();) {
        const char32_t cp = nextCodePoint(text, i);
        char c = '?';
        if (cp < 0x80)
            c = static_cast<char>(cp);
        else if (cp >= 0xC0 && cp < 0x250)
            c = kPlainLetters[cp - 0xC0];
        if (c == '_' || c == '-') c = ' ';
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c == ' ' && (key.empty() || key.back() == ' ')) continue; // one blank between words
        key += c;
    }
    while (!key.empty() && key.back() == ' ')
        key.pop_back();
    return key;
}

std::string zoneCity(std::string_view id) {
    const auto slash = id.rfind('/');
    std::string city(slash == std::string_view::npos ? id : id.substr(slash + 1));
    std::replace(city.begin(), city.end(), '_', ' ');
    return city;
}

std::vector<ZoneMatch> findZones(const std::vector<ZoneName>& names, std::string_view typed) {
    const std::string key = zoneSearchKey(typed);
    std::vector<ZoneMatch> result;
    std::set<std::string> seen;
    if (key.empty()) {
        for (const ZoneName& n : names)
            if (n.id == n.zone && seen.insert(n.zone).second) result.push_back({n.zone, n.id});
        std::sort(result.begin(), result.end(),
                  [](const ZoneMatch& a, const ZoneMatch& b) { return a.zone < b.zone; });
        return result;
    }
    for (Candidate& c : candidates(names, key))
        if (seen.insert(c.match.zone).second) result.push_back(std::move(c.match));
    return result;
}

std::optional<ZoneMatch> zoneOfCity(const std::vector<ZoneName>& names, std::string_view city) {
    const std::string key = zoneSearchKey(city);
    if (key.empty()) return std::nullopt;
    std::optional<ZoneMatch> found;
    for (const Candidate& c : candidates(names, key)) {
        if (c.rank != 0) break;
        if (found && found->zone != c.match.zone) return std::nullopt; // two zones share the city
        if (!found) found = c.match;
    }
    return found;
}

} // namespace kelvaro
