// Hour differences from zones, and finding a zone by the name a user types.
#include "cities/zone_difference.h"
#include "cities/zone_search.h"

#include "platform/fake/fake_zone_database.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

std::int64_t utc(int y, int mo, int d, int h, int mi) {
    // days from civil, for the instants below only
    y -= mo <= 2;
    const std::int64_t era = y / 400, yoe = y - era * 400;
    const std::int64_t doy = (153 * (mo > 2 ? mo - 3 : mo + 9) + 2) / 5 + d - 1;
    const std::int64_t days = era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy - 719468;
    return days * 86400 + h * 3600 + mi * 60;
}

TEST(HourDifferenceText, WritesMinutesAfterTheSeparatorAndTheSignOfTheWhole) {
    const LocaleInfo us = LocaleInfo::enUS();
    EXPECT_EQ(hourDifferenceText(330, us), "5.30");
    EXPECT_EQ(hourDifferenceText(345, us), "5.45");
    EXPECT_EQ(hourDifferenceText(-210, us), "-3.30");
    EXPECT_EQ(hourDifferenceText(-45, us), "-0.45");
    EXPECT_EQ(hourDifferenceText(365, us), "6.05");
    EXPECT_EQ(hourDifferenceText(360, us), "6");
    EXPECT_EQ(hourDifferenceText(0, us), "0");
    EXPECT_EQ(hourDifferenceText(-1439, LocaleInfo::deDE()), "-23,59");
}

TEST(ZoneDifference, FollowsBothPlacesThroughTheirChanges) {
    const FakeZoneDatabase zones;
    auto paris = [&](std::int64_t at, int homeMinutes) {
        return zoneDifferenceMinutes(zones, "Europe/Paris", homeMinutes, at);
    };
    // New York at home: 6 h, 5 h between the American and the European change, 6 h again.
    EXPECT_EQ(paris(utc(2027, 3, 10, 12, 0), -300), 360);
    EXPECT_EQ(paris(utc(2027, 3, 14, 12, 0), -240), 300);
    EXPECT_EQ(paris(utc(2027, 3, 28, 0, 59), -240), 300);
    EXPECT_EQ(paris(utc(2027, 3, 28, 1, 0), -240), 360);
    EXPECT_EQ(zoneDifferenceMinutes(zones, "Asia/Kathmandu", 0, utc(2027, 3, 28, 1, 0)), 345);
    EXPECT_EQ(zoneDifferenceMinutes(zones, "Asia/Calcutta", 60, utc(2027, 1, 1, 0, 0)), 270); // a link
    EXPECT_FALSE(zoneDifferenceMinutes(zones, "Europe/Atlantis", 0, 0));
    EXPECT_EQ(utcOffsetText(345 * 60), "UTC+05:45");
    EXPECT_EQ(utcOffsetText(-210 * 60), "UTC-03:30");
}

TEST(UtcSeconds, ComeFromTheLocalTimeAndItsOffset) {
    const double localNoon = 46444.5; // 2027-02-26 12:00 local
    EXPECT_EQ(utcSecondsOf(localNoon, 60), utc(2027, 2, 26, 11, 0));
    EXPECT_EQ(utcSecondsOf(localNoon - 0.5 / 86400000.0, -300), utc(2027, 2, 26, 17, 0)); // rounding error
}

TEST(ZoneSearch, FindsZonesAsUsersTypeTheirCities) {
    const auto names = FakeZoneDatabase().names();
    auto first = [&](const char* typed) {
        const auto found = findZones(names, typed);
        return found.empty() ? std::string() : found.front().zone;
    };
    EXPECT_EQ(first("paris"), "Europe/Paris");
    EXPECT_EQ(first("New York"), "America/New_York");
    EXPECT_EQ(first("new_york"), "America/New_York");
    EXPECT_EQ(first("sao paulo"), "America/Sao_Paulo");
    EXPECT_EQ(first("São Paulo"), "America/Sao_Paulo");
    EXPECT_EQ(first("Calcutta"), "Asia/Kolkata");
    EXPECT_EQ(first("  KOLKATA "), "Asia/Kolkata");
    EXPECT_EQ(first("Mumbai"), "Asia/Kolkata");
    EXPECT_EQ(first("york"), "America/New_York"); // a later word of the city
    EXPECT_EQ(first("xyzzy"), "");
    // The beginning of a city first, then a later word of one, then the middle of an id.
    const auto an = findZones(names, "an");
    ASSERT_GE(an.size(), 3u);
    EXPECT_EQ(an[0].zone, "America/Anchorage");
    EXPECT_EQ(an[1].zone, "America/Los_Angeles");
    for (size_t i = 1; i < an.size(); ++i)
        for (size_t j = 0; j < i; ++j)
            EXPECT_NE(an[i].zone, an[j].zone) << "each zone once";
    EXPECT_EQ(findZones(names, "").size(), 32u) << "every zone, no links";
}

TEST(ZoneSearch, ACityNameOffersAZoneOnlyWhenExactlyOneMatches) {
    auto names = FakeZoneDatabase().names();
    EXPECT_EQ(zoneOfCity(names, "Paris")->zone, "Europe/Paris");
    EXPECT_EQ(zoneOfCity(names, "Calcutta")->zone, "Asia/Kolkata");
    EXPECT_FALSE(zoneOfCity(names, "Par")) << "only a whole name";
    EXPECT_FALSE(zoneOfCity(names, "Springfield"));
    names.push_back({"America/Paris", "America/Paris"}); // two zones for one city
    EXPECT_FALSE(zoneOfCity(names, "paris"));
}

} // namespace
} // namespace kelvaro
