#include "platform/linux/linux_clock.h"

#include <QDateTime>
#include <QTimeZone>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <unistd.h> // environ

namespace kelvaro {
namespace {

// Days from 1970-01-01 to a civil date (proleptic Gregorian), valid for any year.
std::int64_t daysFromCivil(std::int64_t year, unsigned month, unsigned day) {
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

constexpr std::int64_t DaysFrom1899To1970 = 25569;

struct UtcNow {
    std::time_t seconds;
    int milliseconds;
};

UtcNow utcNow() {
    using namespace std::chrono;
    const auto since = system_clock::now().time_since_epoch();
    const auto secs = duration_cast<seconds>(since);
    return {static_cast<std::time_t>(secs.count()),
            static_cast<int>(duration_cast<milliseconds>(since - secs).count())};
}

// Whole days and the second of the day, as gmtime_r and localDateTimeFrom would give them.
double localDateTimeAt(UtcNow n, int offsetSeconds) {
    const std::int64_t local = static_cast<std::int64_t>(n.seconds) + offsetSeconds;
    const std::int64_t days = local / 86400 - (local % 86400 < 0 ? 1 : 0);
    const double msOfDay = static_cast<double>(local - days * 86400) * 1000.0 + n.milliseconds;
    return static_cast<double>(days + DaysFrom1899To1970) + msOfDay / 86'400'000.0;
}

} // namespace

double localDateTimeFrom(const std::tm& local, int milliseconds) {
    const std::int64_t days = daysFromCivil(local.tm_year + 1900LL, static_cast<unsigned>(local.tm_mon + 1),
                                            static_cast<unsigned>(local.tm_mday)) +
                              DaysFrom1899To1970;
    const double msOfDay =
        ((local.tm_hour * 60.0 + local.tm_min) * 60.0 + local.tm_sec) * 1000.0 + milliseconds;
    return static_cast<double>(days) + msOfDay / 86'400'000.0;
}

// The C library changes the environment only by putting a new pointer into the list or moving
// the list's entries (or the list itself): if the list, its last entry, its end and TZ's entry are
// where they were, TZ is the same entry. Its text is compared by the caller.
const char* LinuxClock::TzEntry::value() {
    char** const now = environ;
    if (now && now == list && now[count] == nullptr && (count == 0 || now[count - 1] == lastEntry) &&
        (index == count || now[index] == entry))
        return entry ? entry + 3 : nullptr;
    list = now;
    count = 0;
    entry = nullptr;
    for (; now && now[count]; ++count)
        if (!entry && std::strncmp(now[count], "TZ=", 3) == 0) {
            index = count;
            entry = now[count];
        }
    if (!entry) index = count;
    lastEntry = count > 0 ? now[count - 1] : nullptr;
    return entry ? entry + 3 : nullptr;
}

LinuxClock::LinuxClock() = default;
LinuxClock::~LinuxClock() = default;

// The zone's name is read again only when TZ changed or the zone files may have: a reading in
// a quiet second costs no file access (see ZoneFileWatch).
const std::string& LinuxClock::systemZoneId() const {
    using namespace std::chrono;
    const std::int64_t nowMs = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    const bool filesChanged = zoneFiles_.changed(nowMs);
    const char* tz = tz_.value();
    const bool tzChanged = tz ? !systemZoneTzSet_ || systemZoneTz_ != tz : systemZoneTzSet_;
    if (filesChanged || tzChanged) {
        systemZone_ = QTimeZone::systemTimeZoneId().toStdString();
        systemZoneTzSet_ = tz != nullptr;
        systemZoneTz_ = tz ? tz : "";
    }
    return systemZone_;
}

int LinuxClock::offsetSecondsAt(std::time_t utc) const {
    const std::string& id = systemZoneId();
    if (!zone_ || id != zoneName_) {
        zoneName_ = id;
        auto zone = std::make_unique<QTimeZone>(id.empty() ? QTimeZone::systemTimeZone()
                                                           : QTimeZone(QByteArray::fromStdString(id)));
        zone_ = zone->isValid() ? std::move(zone) : nullptr;
        offsets_.forget();
    }
    if (zone_) return offsets_.offsetAt(*zone_, utc);
    std::tm local{};
    localtime_r(&utc, &local); // no zone the system names: the C library's
    return static_cast<int>(local.tm_gmtoff);
}

double LinuxClock::now() const {
    const UtcNow n = utcNow();
    return localDateTimeAt(n, offsetSecondsAt(n.seconds));
}

int LinuxClock::utcOffsetMinutes() const {
    return offsetSecondsAt(utcNow().seconds) / 60;
}

ClockReading LinuxClock::read() const {
    const UtcNow n = utcNow();
    const int offset = offsetSecondsAt(n.seconds);
    return {localDateTimeAt(n, offset), offset / 60};
}

std::string LinuxClock::zoneId() const {
    return systemZoneId();
}

} // namespace kelvaro
