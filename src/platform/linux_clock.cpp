#include "platform/linux_clock.h"

#include <QTimeZone>

#include <chrono>
#include <cstdint>

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

struct LocalNow {
    std::tm local{};
    int milliseconds = 0;
};

LocalNow localNow() {
    using namespace std::chrono;
    const auto since = system_clock::now().time_since_epoch();
    const auto secs = duration_cast<seconds>(since);
    LocalNow result;
    result.milliseconds = static_cast<int>(duration_cast<milliseconds>(since - secs).count());
    const std::time_t t = static_cast<std::time_t>(secs.count());
    localtime_r(&t, &result.local);
    return result;
}

} // namespace

double localDateTimeFrom(const std::tm& local, int milliseconds) {
    const std::int64_t days =
        daysFromCivil(local.tm_year + 1900LL, static_cast<unsigned>(local.tm_mon + 1),
                      static_cast<unsigned>(local.tm_mday)) +
        DaysFrom1899To1970;
    const double msOfDay = ((local.tm_hour * 60.0 + local.tm_min) * 60.0 + local.tm_sec) * 1000.0 + milliseconds;
    return static_cast<double>(days) + msOfDay / 86'400'000.0;
}

double LinuxClock::now() const {
    const LocalNow n = localNow();
    return localDateTimeFrom(n.local, n.milliseconds);
}

int LinuxClock::utcOffsetMinutes() const {
    return static_cast<int>(localNow().local.tm_gmtoff / 60);
}

std::string LinuxClock::zoneId() const {
    return QTimeZone::systemTimeZoneId().toStdString();
}

} // namespace kelvaro
