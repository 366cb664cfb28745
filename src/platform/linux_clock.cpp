#include "platform/linux_clock.h"

#include <QDateTime>
#include <QTimeZone>

#include <chrono>
#include <cstdint>
#include <cstdlib>

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

} // namespace

double localDateTimeFrom(const std::tm& local, int milliseconds) {
    const std::int64_t days = daysFromCivil(local.tm_year + 1900LL, static_cast<unsigned>(local.tm_mon + 1),
                                            static_cast<unsigned>(local.tm_mday)) +
                              DaysFrom1899To1970;
    const double msOfDay =
        ((local.tm_hour * 60.0 + local.tm_min) * 60.0 + local.tm_sec) * 1000.0 + milliseconds;
    return static_cast<double>(days) + msOfDay / 86'400'000.0;
}

LinuxClock::LinuxClock() = default;
LinuxClock::~LinuxClock() = default;

// One tick reads the clock several times, and each reading of the zone looks up
// three files: the name read in the last tenth of a second serves, unless TZ changed.
std::string LinuxClock::systemZoneId() const {
    using namespace std::chrono;
    const std::int64_t nowMs = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    const char* tz = std::getenv("TZ");
    const std::string tzNow = tz ? std::string("=") + tz : std::string();
    if (systemZoneReadMs_ < 0 || nowMs - systemZoneReadMs_ >= 100 || tzNow != systemZoneTz_) {
        systemZone_ = QTimeZone::systemTimeZoneId().toStdString();
        systemZoneTz_ = tzNow;
        systemZoneReadMs_ = nowMs;
    }
    return systemZone_;
}

int LinuxClock::offsetSecondsAt(std::time_t utc) const {
    const std::string id = systemZoneId();
    if (!zone_ || id != zoneName_) {
        zoneName_ = id;
        auto zone = std::make_unique<QTimeZone>(id.empty() ? QTimeZone::systemTimeZone()
                                                           : QTimeZone(QByteArray::fromStdString(id)));
        zone_ = zone->isValid() ? std::move(zone) : nullptr;
        offsetAt_.reset();
    }
    if (zone_) {
        // A tick asks for the same second several times; the zone's rules are dear to look up.
        if (!offsetAt_ || offsetAt_->first != utc)
            offsetAt_.emplace(utc, zone_->offsetFromUtc(QDateTime::fromSecsSinceEpoch(utc, Qt::UTC)));
        return offsetAt_->second;
    }
    std::tm local{};
    localtime_r(&utc, &local); // no zone the system names: the C library's
    return static_cast<int>(local.tm_gmtoff);
}

double LinuxClock::now() const {
    const UtcNow n = utcNow();
    const std::time_t local = n.seconds + offsetSecondsAt(n.seconds);
    std::tm civil{};
    gmtime_r(&local, &civil);
    return localDateTimeFrom(civil, n.milliseconds);
}

int LinuxClock::utcOffsetMinutes() const {
    return offsetSecondsAt(utcNow().seconds) / 60;
}

std::string LinuxClock::zoneId() const {
    return systemZoneId();
}

} // namespace kelvaro
