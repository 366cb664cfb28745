#pragma once
// The system clock in local wall time.
#include "platform/clock.h"
#include "platform/linux/zone_file_watch.h"
#include "platform/linux/zone_offset_memo.h"

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <memory>
#include <string>

class QTimeZone;

namespace kelvaro {

// Local time comes from the system's zone as it is at each reading, so a change of the zone
// while the program runs (a traveller's computer on landing) shows at once (within a tenth
// of a second; a change of TZ at once); the C library would keep the zone it read first.
// The zone files are watched in /etc.
class LinuxClock : public Clock {
  public:
    LinuxClock();
    ~LinuxClock() override;
    double now() const override;
    int utcOffsetMinutes() const override;
    ClockReading read() const override;
    std::string zoneId() const override;

  private:
    int offsetSecondsAt(std::time_t utc) const;
    const std::string& systemZoneId() const;
    mutable std::string zoneName_;            // the zone `zone_` was made for
    mutable std::unique_ptr<QTimeZone> zone_; // null until read, or when the system names none
    mutable ZoneOffsetMemo offsets_;          // `zone_`'s offset until its next transition
    // The system's zone name as last read, and with which TZ (if TZ was set).
    mutable std::string systemZone_, systemZoneTz_;
    mutable bool systemZoneTzSet_ = false;
    mutable ZoneFileWatch zoneFiles_;
    // TZ as the environment holds it, without getenv's scan of every variable, which a second's
    // dozen readings would repeat: the entry found last is checked in place.
    struct TzEntry {
        const char* value(); // after "TZ=", or null
        char** list = nullptr;
        std::size_t count = 0, index = 0; // index == count: no TZ
        const char* entry = nullptr;
        const char* lastEntry = nullptr;
    };
    mutable TzEntry tz_;
};

// Local date-time (days since 1899-12-30) of a broken-down local time plus milliseconds.
double localDateTimeFrom(const std::tm& local, int milliseconds);

} // namespace kelvaro
