#pragma once
// A city's hour difference worked out from its time zone: the city zone's offset from UTC minus
// the computer's own, at one instant, written the way the city list writes it (5.30, -3.30, 5.45).
#include "framework/locale_info.h"
#include "platform/zone_database.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kelvaro {

// Minutes as hours.minutes text with the locale's decimal separator: 330 → "5.30", -45 → "-0.45",
// 360 → "6".
std::string hourDifferenceText(int minutes, const LocaleInfo& locale);

// The city zone's offset minus the home offset, in minutes; nothing for a zone the database
// does not know, and nothing for a difference of a whole day or more (Kiritimati seen from
// Honolulu), which the city list cannot write.
std::optional<int> zoneDifferenceMinutes(const ZoneDatabase& zones, const std::string& cityZone,
                                         int homeOffsetMinutes, std::int64_t utcSeconds);

// "UTC+01:00", "UTC-03:30", "UTC+05:45".
std::string utcOffsetText(int offsetSeconds);

// Seconds since 1970 (UTC) of a local framework date-time and its offset from UTC.
std::int64_t utcSecondsOf(double localDateTime, int utcOffsetMinutes);

} // namespace kelvaro
