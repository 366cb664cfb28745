#pragma once
// The system clock as the program sees it: local wall time as a framework date-time.
#include <cstdint>
#include <string>

namespace kelvaro {

// Local time and its offset from UTC, read at one instant.
struct ClockReading {
    double now;           // local date-time (days since 1899-12-30)
    int utcOffsetMinutes; // local time minus UTC
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual double now() const = 0;           // local date-time (days since 1899-12-30)
    virtual int utcOffsetMinutes() const = 0; // local time minus UTC
    // Both at once, for the tick's steps that need both: one look at the system zone, not two.
    virtual ClockReading read() const { return {now(), utcOffsetMinutes()}; }
    // The computer's own time zone as an IANA id ("Europe/Berlin"); empty when only its offset is known.
    virtual std::string zoneId() const { return {}; }
};

} // namespace kelvaro
