#pragma once
// The system clock as the program sees it: local wall time as a framework date-time.
#include <cstdint>
#include <string>

namespace kelvaro {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual double now() const = 0;           // local date-time (days since 1899-12-30)
    virtual int utcOffsetMinutes() const = 0; // local time minus UTC
    // The computer's own time zone as an IANA id ("Europe/Berlin"); empty when only its offset is known.
    virtual std::string zoneId() const { return {}; }
};

} // namespace kelvaro
