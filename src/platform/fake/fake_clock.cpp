#include "platform/fake/fake_clock.h"

#include <cmath>

namespace kelvaro {

namespace {
constexpr double kMinutesPerDay = 1440.0;
constexpr double kDaysFrom1899To1970 = 25569.0;
} // namespace

int FakeClock::offsetAt(double utc) const {
    const auto seconds = static_cast<std::int64_t>(std::floor((utc - kDaysFrom1899To1970) * 86400.0 + 0.001));
    const auto state = zones_->stateAt(zone_, seconds);
    return state ? state->offsetSeconds / 60 : 0;
}

double FakeClock::now() const {
    return zones_ ? now_ + offsetAt(now_) / kMinutesPerDay : now_;
}

int FakeClock::utcOffsetMinutes() const {
    return zones_ ? offsetAt(now_) : offsetMinutes_;
}

void FakeClock::set(double localNow) {
    if (!zones_) {
        now_ = localNow;
        return;
    }
    // The offset at the guessed instant, then at the instant it gives: right on both sides of a change.
    const int first = offsetAt(localNow - offsetAt(localNow) / kMinutesPerDay);
    now_ = localNow - first / kMinutesPerDay;
    const int second = offsetAt(now_);
    if (second != first) now_ = localNow - second / kMinutesPerDay;
}

void FakeClock::setUtcOffsetMinutes(int minutes) {
    if (zones_) now_ = now();
    zones_ = nullptr;
    zone_.clear();
    offsetMinutes_ = minutes;
}

void FakeClock::followZone(const ZoneDatabase& zones, const std::string& id) {
    const double utc = zones_ ? now_ : now_ - offsetMinutes_ / kMinutesPerDay;
    zones_ = &zones;
    zone_ = id;
    now_ = utc;
}

void FakeClock::advanceSeconds(double seconds) {
    // Step in whole milliseconds from the rounded current time, so a thousand
    // one-second steps land exactly on the expected second instead of drifting.
    constexpr double MsPerDay = 86'400'000.0;
    const double ms = std::round(now_ * MsPerDay) + std::round(seconds * 1000.0);
    now_ = ms / MsPerDay;
}

} // namespace kelvaro
