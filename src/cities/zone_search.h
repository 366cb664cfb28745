#pragma once
// Finding a time zone by the city name a user types: "paris", "New York", "sao paulo" without its
// accent, "Calcutta" for Asia/Kolkata.
#include "platform/zone_database.h"

#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

// Lower case, accents dropped, "_" and "-" as blanks: the form names are compared in.
std::string zoneSearchKey(std::string_view text);
// The city part of a zone id, as people write it: "America/Sao_Paulo" → "Sao Paulo".
std::string zoneCity(std::string_view id);

struct ZoneMatch {
    std::string zone;  // the zone to store
    std::string named; // the name that matched (a zone id, a link or a city people use)
};

// Zones whose city begins with the typed text, then those that contain it elsewhere in their
// id; each zone once, by its first matching name.
std::vector<ZoneMatch> findZones(const std::vector<ZoneName>& names, std::string_view typed);
// The one zone whose city is exactly the typed name; nothing when none or several are.
std::optional<ZoneMatch> zoneOfCity(const std::vector<ZoneName>& names, std::string_view city);

} // namespace kelvaro
