#pragma once
// The system clock in local wall time.
#include "platform/clock.h"

#include <ctime>

namespace kelvaro {

class LinuxClock : public Clock {
public:
    double now() const override;
    int utcOffsetMinutes() const override;
    std::string zoneId() const override;
};

// Local date-time (days since 1899-12-30) of a broken-down local time plus milliseconds.
double localDateTimeFrom(const std::tm& local, int milliseconds);

} // namespace kelvaro
