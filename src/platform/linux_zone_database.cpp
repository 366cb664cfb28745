#include "platform/linux_zone_database.h"

#include <QDateTime>
#include <QTimeZone>

#include <fstream>
#include <set>
#include <sstream>

namespace kelvaro {

LinuxZoneDatabase::LinuxZoneDatabase(std::string tzdataFile) : tzdataFile_(std::move(tzdataFile)) {}

LinuxZoneDatabase::~LinuxZoneDatabase() = default;

const QTimeZone* LinuxZoneDatabase::zone(const std::string& id) const {
    auto it = zones_.find(id);
    if (it == zones_.end()) {
        const QByteArray name = QByteArray::fromStdString(id);
        auto tz = QTimeZone::isTimeZoneIdAvailable(name) ? std::make_unique<QTimeZone>(name) : nullptr;
        if (tz && !tz->isValid()) tz.reset();
        it = zones_.emplace(id, std::move(tz)).first;
    }
    return it->second.get();
}

bool LinuxZoneDatabase::knows(const std::string& id) const {
    return !id.empty() && zone(id) != nullptr;
}

std::optional<ZoneState> LinuxZoneDatabase::stateAt(const std::string& id, std::int64_t utcSeconds) const {
    const QTimeZone* tz = id.empty() ? nullptr : zone(id);
    if (!tz) return std::nullopt;
    const QDateTime at = QDateTime::fromSecsSinceEpoch(utcSeconds, Qt::UTC);
    return ZoneState{tz->offsetFromUtc(at), tz->abbreviation(at).toStdString()};
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
