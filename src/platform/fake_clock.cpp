#include "platform/fake_clock.h"

#include <cmath>

namespace kelvaro {

void FakeClock::advanceSeconds(double seconds) {
    // Step in whole milliseconds from the rounded current time, so a thousand
    // one-second steps land exactly on the expected second instead of drifting.
    constexpr double MsPerDay = 86'400'000.0;
    const double ms = std::round(now_ * MsPerDay) + std::round(seconds * 1000.0);
    now_ = ms / MsPerDay;
}

} // namespace kelvaro
