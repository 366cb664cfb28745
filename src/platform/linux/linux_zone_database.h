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
    // Reading a zone's rules costs far more than a look-up in them: each zone is read once. Its
    // state holds from one change to the next, so the clock's minute steps seldom ask Qt at all.
    struct Zone {
        std::unique_ptr<QTimeZone> tz; // null for an id the system does not know
        ZoneState state;
        std::int64_t from = 1, until = 0; // where `state` holds, UTC seconds; empty at first
    };
    Zone* zone(const std::string& id) const;
    std::string tzdataFile_;
    mutable std::map<std::string, Zone> zones_;
};

} // namespace kelvaro
