#pragma once
// A time-zone database of its own for tests and scenarios: a few dozen zones with today's
// daylight-saving rules (European, North American, Australian), so that no test depends on the
// tzdata of the machine it runs on. Good from 2007 on, when the North American rule took its
// present form.
#include "platform/zone_database.h"

#include <map>

namespace kelvaro {

class FakeZoneDatabase : public ZoneDatabase {
  public:
    enum class Rule { None, Europe, NorthAmerica, Australia };
    struct Zone {
        int standardMinutes = 0;
        std::string standardName, summerName;
        Rule rule = Rule::None;
    };

    FakeZoneDatabase(); // the built-in zones
    void addZone(const std::string& id, Zone zone);
    void addLink(const std::string& link, const std::string& zone);

    bool knows(const std::string& id) const override;
    std::optional<ZoneState> stateAt(const std::string& id, std::int64_t utcSeconds) const override;
    std::vector<ZoneName> names() const override;

  private:
    const Zone* find(const std::string& id) const;
    std::map<std::string, Zone> zones_;
    std::map<std::string, std::string> links_;
};

} // namespace kelvaro
