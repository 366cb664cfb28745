#pragma once
// The system's tz database through QTimeZone, with the links ("Asia/Calcutta") that tzdata lists.
#include "platform/zone_database.h"

#include <map>
#include <memory>

class QTimeZone;

namespace kelvaro {

class LinuxZoneDatabase : public ZoneDatabase {
public:
    // `tzdataFile`: the compiled tzdata source that names the links; missing means no links.
    explicit LinuxZoneDatabase(std::string tzdataFile = "/usr/share/zoneinfo/tzdata.zi");
    ~LinuxZoneDatabase() override;

    bool knows(const std::string& id) const override;
    std::optional<ZoneState> stateAt(const std::string& id, std::int64_t utcSeconds) const override;
    std::vector<ZoneName> names() const override;

private:
    const QTimeZone* zone(const std::string& id) const;
    std::string tzdataFile_;
    // Reading a zone's rules costs far more than a look-up in them: each zone is read once.
    mutable std::map<std::string, std::unique_ptr<QTimeZone>> zones_;
};

} // namespace kelvaro
