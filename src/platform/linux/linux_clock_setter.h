#pragma once
// Setting the clock through systemd-timedated on the system bus; polkit decides
// and may ask the user. The program itself never needs the privilege.
#include "platform/clock_setter.h"

#include <cstdint>

namespace kelvaro {

class TimedatedClockSetter : public ClockSetter {
  public:
    bool setUtc(double utc, bool mayAsk) override;
    bool ntpSynchronized() override;
    std::string refusal() const override { return refusal_; }

  private:
    std::string refusal_;
};

// Microseconds since 1970-01-01 UTC of a UTC date-time (days since 1899-12-30).
std::int64_t unixMicroseconds(double utc);

} // namespace kelvaro
