// The city zones against the system's tz database: the hour difference worked out for a city, put
// through the clock's own shift, must land on the city's wall clock to the minute.
#include "platform/linux/linux_zone_database.h"

#include "app/main_tick.h"
#include "cities/hour_difference.h"
#include "cities/zone_difference.h"
#include "framework/datetime.h"
#include "platform/fake/fake_zone_database.h"

#include <QDateTime>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace kelvaro {
namespace {

bool haveTzdata() {
    return QTimeZone::isTimeZoneIdAvailable("Europe/Paris") &&
           QTimeZone::isTimeZoneIdAvailable("Asia/Kathmandu");
}

// Wall time of an instant in a zone, as a framework date-time.
double wallTime(const QTimeZone& zone, qint64 utc) {
    const QDateTime at = QDateTime::fromSecsSinceEpoch(utc, Qt::UTC).toTimeZone(zone);
    const QDate d = at.date();
    const QTime t = at.time();
    return *tryEncodeDate(d.year(), d.month(), d.day()) + *tryEncodeTime(t.hour(), t.minute(), t.second(), 0);
}

long minuteOf(double dateTime) {
    return std::lround(std::floor(dateTime * 1440.0 + 1e-6));
}

// Half- and quarter-hour zones, both hemispheres, both sides of the date line, zones that changed
// their rules within the years tested.
const char* const kSample[] = {
    "UTC",
    "Europe/London",
    "Europe/Paris",
    "Europe/Berlin",
    "Europe/Athens",
    "Europe/Moscow",
    "Europe/Istanbul",
    "Europe/Lisbon",
    "Atlantic/Azores",
    "Atlantic/Reykjavik",
    "America/New_York",
    "America/Chicago",
    "America/Denver",
    "America/Phoenix",
    "America/Los_Angeles",
    "America/Anchorage",
    "America/St_Johns",
    "America/Halifax",
    "America/Sao_Paulo",
    "America/Santiago",
    "America/Mexico_City",
    "America/Havana",
    "Pacific/Honolulu",
    "Pacific/Auckland",
    "Pacific/Chatham",
    "Pacific/Kiritimati",
    "Pacific/Apia",
    "Australia/Sydney",
    "Australia/Adelaide",
    "Australia/Lord_Howe",
    "Australia/Eucla",
    "Asia/Kolkata",
    "Asia/Kathmandu",
    "Asia/Tehran",
    "Asia/Kabul",
    "Asia/Tokyo",
    "Asia/Shanghai",
    "Asia/Dubai",
    "Africa/Cairo",
    "Africa/Casablanca",
};
static_assert(std::size(kSample) == 40);

TEST(ZoneDifference, EveryPairOfFortyZonesLandsOnTheCityWallClockAt200Instants) {
    if (!haveTzdata()) GTEST_SKIP() << "no tz database (Debian package tzdata)";
    LinuxZoneDatabase zones;
    std::vector<QTimeZone> qt;
    for (const char* id : kSample) {
        ASSERT_TRUE(zones.knows(id)) << id;
        qt.emplace_back(QByteArray(id));
    }
    // 200 instants from 2020 to 2035: random ones, and each side of changes in March and October.
    const qint64 from = QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
    const qint64 to = QDateTime(QDate(2035, 12, 31), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
    std::mt19937_64 random(16);
    std::vector<qint64> instants;
    for (int i = 0; i < 170; ++i)
        instants.push_back(from +
                           static_cast<qint64>(random() % static_cast<std::uint64_t>(to - from)) / 60 * 60);
    for (int year = 2021; year <= 2035; year += 1)
        instants.push_back(QDateTime(QDate(year, year % 2 ? 3 : 10, 31 - year % 7), QTime(1, 0), Qt::UTC)
                               .toSecsSinceEpoch() -
                           (year % 3) * 60);
    while (instants.size() < 200)
        instants.push_back(instants[instants.size() - 15] + 3600);
    // The expected side comes from Qt's own conversion, once per zone and instant.
    std::vector<std::vector<int>> offsets(qt.size());
    std::vector<std::vector<double>> walls(qt.size());
    for (size_t z = 0; z < qt.size(); ++z)
        for (const qint64 utc : instants) {
            offsets[z].push_back(qt[z].offsetFromUtc(QDateTime::fromSecsSinceEpoch(utc, Qt::UTC)) / 60);
            walls[z].push_back(wallTime(qt[z], utc));
        }
    const LocaleInfo locale = LocaleInfo::enUS();
    int checked = 0, aDayApart = 0;
    for (size_t i = 0; i < instants.size(); ++i) {
        const qint64 utc = instants[i];
        for (size_t home = 0; home < qt.size(); ++home) {
            for (size_t city = 0; city < qt.size(); ++city) {
                const auto minutes = zoneDifferenceMinutes(zones, kSample[city], offsets[home][i], utc);
                const double apart = walls[city][i] - walls[home][i];
                if (std::abs(apart) >= 1.0) { // the list cannot write it: the typed difference stays
                    EXPECT_FALSE(minutes) << kSample[city] << " seen from " << kSample[home];
                    ++aDayApart;
                    continue;
                }
                ASSERT_TRUE(minutes);
                const std::string text = hourDifferenceText(*minutes, locale);
                const float offset = static_cast<float>(*readHourDifference(text, locale));
                const double shown = cityTime(walls[home][i], offset, locale);
                ASSERT_EQ(minuteOf(shown), minuteOf(walls[city][i]))
                    << kSample[city] << " seen from " << kSample[home] << " at " << utc << ": " << text;
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked + aDayApart, 200 * 40 * 40);
    EXPECT_GT(aDayApart, 0) << "Kiritimati and Honolulu show the same time a day apart";
}

TEST(ZoneDatabase, StatesAbbreviationsAndLinksComeFromTheSystem) {
    if (!haveTzdata()) GTEST_SKIP() << "no tz database (Debian package tzdata)";
    LinuxZoneDatabase zones;
    const qint64 winter = QDateTime(QDate(2027, 1, 15), QTime(12, 0), Qt::UTC).toSecsSinceEpoch();
    EXPECT_EQ(zones.stateAt("Europe/Paris", winter)->abbreviation, "CET");
    EXPECT_EQ(zones.stateAt("Asia/Kathmandu", winter)->offsetSeconds, 345 * 60);
    EXPECT_FALSE(zones.knows("Europe/Atlantis"));
    EXPECT_EQ(zones.stateAt("Asia/Katmandu", winter)->offsetSeconds, 345 * 60) << "an old name still works";
    EXPECT_FALSE(zones.stateAt("Europe/Atlantis", winter));
    bool calcutta = false;
    for (const ZoneName& n : zones.names())
        if (n.id == "Asia/Calcutta") calcutta = n.zone == "Asia/Kolkata";
    EXPECT_TRUE(calcutta) << "the old name of Kolkata is listed as a link to it";
}

// Scenarios and logic tests use the fake's rules: they must be the system's for the years in use.
TEST(FakeZoneDatabase, AgreesWithTheSystemFrom2020To2035) {
    if (!haveTzdata()) GTEST_SKIP() << "no tz database (Debian package tzdata)";
    LinuxZoneDatabase system;
    FakeZoneDatabase fake;
    const qint64 from = QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
    const qint64 to = QDateTime(QDate(2036, 1, 1), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
    for (const ZoneName& n : fake.names()) {
        if (n.id != n.zone) continue;
        // A minute each side of every change the system knows, and a coarse grid between them.
        std::vector<qint64> instants;
        const QTimeZone zone(QByteArray::fromStdString(n.id));
        for (const auto& t : zone.transitions(QDateTime::fromSecsSinceEpoch(from, Qt::UTC),
                                              QDateTime::fromSecsSinceEpoch(to, Qt::UTC)))
            for (qint64 side : {-60, 0})
                instants.push_back(t.atUtc.toSecsSinceEpoch() + side);
        for (qint64 utc = from; utc < to; utc += 5 * 86400 + 7 * 3600 + 60)
            instants.push_back(utc);
        for (const qint64 utc : instants) {
            const auto mine = fake.stateAt(n.id, utc);
            const auto real = system.stateAt(n.id, utc);
            ASSERT_TRUE(real) << n.id;
            ASSERT_EQ(mine->offsetSeconds, real->offsetSeconds) << n.id << " at " << utc;
            ASSERT_EQ(mine->abbreviation, real->abbreviation) << n.id << " at " << utc;
        }
    }
}

} // namespace
} // namespace kelvaro
