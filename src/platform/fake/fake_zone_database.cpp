#include "platform/fake/fake_zone_database.h"

namespace kelvaro {

namespace {

constexpr std::int64_t kDay = 86400;

std::int64_t daysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    return era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy - 719468;
}

int yearOf(std::int64_t utcSeconds) {
    std::int64_t days = utcSeconds >= 0 ? utcSeconds / kDay : (utcSeconds - kDay + 1) / kDay;
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t doe = days - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    return static_cast<int>(yoe + era * 400 + (mp >= 10 ? 1 : 0));
}

// Day number (since 1970) of the n-th Sunday of a month; n = 0 for the last one.
std::int64_t sunday(int year, int month, int n) {
    auto weekday = [](std::int64_t days) { return static_cast<int>(((days % 7) + 11) % 7); }; // 0 = Sunday
    if (n > 0) {
        const std::int64_t first = daysFromCivil(year, month, 1);
        return first + (7 - weekday(first)) % 7 + 7 * (n - 1);
    }
    const std::int64_t last =
        daysFromCivil(month == 12 ? year + 1 : year, month == 12 ? 1 : month + 1, 1) - 1;
    return last - weekday(last);
}

// Start and end of summer time in a year, as UTC seconds.
struct Summer {
    std::int64_t start, end;
};

Summer summerOf(FakeZoneDatabase::Rule rule, int year, int standardMinutes) {
    const std::int64_t std = standardMinutes * 60LL;
    switch (rule) {
    case FakeZoneDatabase::Rule::Europe: // 01:00 UTC, last Sundays of March and October
        return {sunday(year, 3, 0) * kDay + 3600, sunday(year, 10, 0) * kDay + 3600};
    case FakeZoneDatabase::Rule::NorthAmerica: // 02:00 local, second Sunday of March, first of November
        return {sunday(year, 3, 2) * kDay + 7200 - std, sunday(year, 11, 1) * kDay + 7200 - std - 3600};
    case FakeZoneDatabase::Rule::Australia: // 02:00 standard, first Sunday of October, to 03:00 summer time,
                                            // first Sunday of April (the end falls in the same year)
        return {sunday(year, 10, 1) * kDay + 7200 - std, sunday(year, 4, 1) * kDay + 10800 - std - 3600};
    case FakeZoneDatabase::Rule::None:
        break;
    }
    return {0, 0};
}

bool inSummer(FakeZoneDatabase::Rule rule, std::int64_t utc, int standardMinutes) {
    if (rule == FakeZoneDatabase::Rule::None) return false;
    // Local standard time decides the year, so that a change near New Year lands in the right one.
    const Summer s = summerOf(rule, yearOf(utc + standardMinutes * 60LL), standardMinutes);
    if (rule == FakeZoneDatabase::Rule::Australia) return utc < s.end || utc >= s.start;
    return utc >= s.start && utc < s.end;
}

} // namespace

FakeZoneDatabase::FakeZoneDatabase() {
    using R = Rule;
    const struct {
        const char* id;
        Zone zone;
    } builtIn[] = {
        {"UTC", {0, "UTC", "", R::None}},
        {"Europe/London", {0, "GMT", "BST", R::Europe}},
        {"Europe/Lisbon", {0, "WET", "WEST", R::Europe}},
        {"Europe/Paris", {60, "CET", "CEST", R::Europe}},
        {"Europe/Berlin", {60, "CET", "CEST", R::Europe}},
        {"Europe/Madrid", {60, "CET", "CEST", R::Europe}},
        {"Europe/Rome", {60, "CET", "CEST", R::Europe}},
        {"Europe/Zurich", {60, "CET", "CEST", R::Europe}},
        {"Europe/Vienna", {60, "CET", "CEST", R::Europe}},
        {"Europe/Athens", {120, "EET", "EEST", R::Europe}},
        {"Europe/Helsinki", {120, "EET", "EEST", R::Europe}},
        {"Europe/Moscow", {180, "MSK", "", R::None}},
        {"America/New_York", {-300, "EST", "EDT", R::NorthAmerica}},
        {"America/Toronto", {-300, "EST", "EDT", R::NorthAmerica}},
        {"America/Chicago", {-360, "CST", "CDT", R::NorthAmerica}},
        {"America/Denver", {-420, "MST", "MDT", R::NorthAmerica}},
        {"America/Phoenix", {-420, "MST", "", R::None}},
        {"America/Los_Angeles", {-480, "PST", "PDT", R::NorthAmerica}},
        {"America/Anchorage", {-540, "AKST", "AKDT", R::NorthAmerica}},
        {"America/St_Johns", {-210, "NST", "NDT", R::NorthAmerica}},
        {"America/Sao_Paulo", {-180, "-03", "", R::None}},
        {"America/Argentina/Buenos_Aires", {-180, "-03", "", R::None}},
        {"Pacific/Honolulu", {-600, "HST", "", R::None}},
        {"Asia/Kolkata", {330, "IST", "", R::None}},
        {"Asia/Kathmandu", {345, "+0545", "", R::None}},
        {"Asia/Dubai", {240, "+04", "", R::None}},
        {"Asia/Shanghai", {480, "CST", "", R::None}},
        {"Asia/Singapore", {480, "+08", "", R::None}},
        {"Asia/Tokyo", {540, "JST", "", R::None}},
        {"Africa/Johannesburg", {120, "SAST", "", R::None}},
        {"Australia/Sydney", {600, "AEST", "AEDT", R::Australia}},
        {"Australia/Brisbane", {600, "AEST", "", R::None}},
    };
    for (const auto& z : builtIn)
        addZone(z.id, z.zone);
    addLink("Asia/Calcutta", "Asia/Kolkata");
    addLink("Asia/Katmandu", "Asia/Kathmandu");
    addLink("America/Buenos_Aires", "America/Argentina/Buenos_Aires");
    addLink("US/Eastern", "America/New_York");
    addLink("Etc/UTC", "UTC");
}

void FakeZoneDatabase::addZone(const std::string& id, Zone zone) {
    zones_[id] = std::move(zone);
}

void FakeZoneDatabase::addLink(const std::string& link, const std::string& zone) {
    links_[link] = zone;
}

const FakeZoneDatabase::Zone* FakeZoneDatabase::find(const std::string& id) const {
    auto link = links_.find(id);
    auto it = zones_.find(link == links_.end() ? id : link->second);
    return it == zones_.end() ? nullptr : &it->second;
}

bool FakeZoneDatabase::knows(const std::string& id) const {
    return find(id) != nullptr;
}

std::optional<ZoneState> FakeZoneDatabase::stateAt(const std::string& id, std::int64_t utcSeconds) const {
    const Zone* z = find(id);
    if (!z) return std::nullopt;
    if (inSummer(z->rule, utcSeconds, z->standardMinutes))
        return ZoneState{(z->standardMinutes + 60) * 60, z->summerName};
    return ZoneState{z->standardMinutes * 60, z->standardName};
}

std::vector<ZoneName> FakeZoneDatabase::names() const {
    std::vector<ZoneName> all;
    for (const auto& [id, zone] : zones_)
        all.push_back({id, id});
    for (const auto& [link, zone] : links_)
        all.push_back({link, zone});
    return all;
}

} // namespace kelvaro
