#include "platform/linux/linux_zone_database.h"

#include <QDateTime>
#include <QTimeZone>

#include <climits>
#include <fstream>
#include <set>
#include <sstream>

namespace kelvaro {

LinuxZoneDatabase::LinuxZoneDatabase(std::string tzdataFile) : tzdataFile_(std::move(tzdataFile)) {}

LinuxZoneDatabase::~LinuxZoneDatabase() = default;

LinuxZoneDatabase::Zone* LinuxZoneDatabase::zone(const std::string& id) const {
    auto it = zones_.find(id);
    if (it == zones_.end()) {
        const QByteArray name = QByteArray::fromStdString(id);
        Zone z;
        // Not asked of isTimeZoneIdAvailable: it lists zones only, while links ("Asia/Katmandu")
        // open as well.
        if (!id.empty()) z.tz = std::make_unique<QTimeZone>(name);
        if (z.tz && !z.tz->isValid()) z.tz.reset();
        it = zones_.emplace(id, std::move(z)).first;
    }
    return &it->second;
}

bool LinuxZoneDatabase::knows(const std::string& id) const {
    return zone(id)->tz != nullptr;
}

std::optional<ZoneState> LinuxZoneDatabase::stateAt(const std::string& id, std::int64_t utcSeconds) const {
    Zone* z = zone(id);
    if (!z->tz) return std::nullopt;
    if (utcSeconds >= z->from && utcSeconds < z->until) return z->state;
    const QDateTime at = QDateTime::fromSecsSinceEpoch(utcSeconds, Qt::UTC);
    z->state = ZoneState{z->tz->offsetFromUtc(at), z->tz->abbreviation(at).toStdString()};
    const auto previous = z->tz->previousTransition(at.addSecs(1)); // a change at this very second
    const auto next = z->tz->nextTransition(at);
    z->from = previous.atUtc.isValid() ? previous.atUtc.toSecsSinceEpoch() : INT64_MIN;
    z->until = next.atUtc.isValid() ? next.atUtc.toSecsSinceEpoch() : INT64_MAX;
    return z->state;
}

std::vector<ZoneName> LinuxZoneDatabase::names() const {
    std::vector<ZoneName> all;
    std::set<std::string> listed;
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) {
        const std::string name = id.toStdString();
        if (listed.insert(name).second) all.push_back({name, name});
    }
    // "L TARGET LINK" lines: old and other names of a zone.
    std::ifstream file(tzdataFile_);
    std::string line;
    std::map<std::string, std::string> links;
    while (std::getline(file, line)) {
        if (line.size() < 2 || line[0] != 'L' || line[1] != ' ') continue;
        std::istringstream words(line.substr(2));
        std::string target, link;
        if (words >> target >> link) links[link] = target;
    }
    for (ZoneName& n : all) {
        auto it = links.find(n.id);
        if (it != links.end()) n.zone = it->second;
    }
    for (const auto& [link, target] : links)
        if (listed.insert(link).second && listed.count(target)) all.push_back({link, target});
    return all;
}

} // namespace kelvaro
