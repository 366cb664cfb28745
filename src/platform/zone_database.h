#pragma once
// The system's time-zone database (IANA ids such as "Europe/Paris"), as the city zones need it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

// A zone at one instant: its offset from UTC and the abbreviation in use ("CET", "+0545").
struct ZoneState {
    int offsetSeconds = 0;
    std::string abbreviation;
};

// A name the database knows: a zone id, or a link ("Asia/Calcutta") to a zone ("Asia/Kolkata").
struct ZoneName {
    std::string id;
    std::string zone; // the zone it names; equal to `id` for a zone itself
};

class ZoneDatabase {
  public:
    virtual ~ZoneDatabase() = default;
    virtual bool knows(const std::string& id) const = 0;
    // The zone at a UTC instant (seconds since 1970-01-01); nothing for an id it does not know.
    virtual std::optional<ZoneState> stateAt(const std::string& id, std::int64_t utcSeconds) const = 0;
    // Every zone and link, for choosing one by its city.
    virtual std::vector<ZoneName> names() const = 0;
};

} // namespace kelvaro
