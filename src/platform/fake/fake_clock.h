#pragma once
// A clock that stands still until a test moves it.
#include "platform/clock.h"
#include "platform/zone_database.h"

namespace kelvaro {

class FakeClock : public Clock {
  public:
    // 1 January 2002, 00:00:00 local time, UTC.
    static constexpr double DefaultStart = 37257.0;

    explicit FakeClock(double localNow = DefaultStart, int utcOffsetMinutes = 0)
        : now_(localNow), offsetMinutes_(utcOffsetMinutes) {}

    double now() const override;
    int utcOffsetMinutes() const override;
    std::string zoneId() const override { return zone_; }

    // Local time; in a zone, the instant that shows it (the later one of a repeated hour).
    void set(double localNow);
    // A fixed offset from UTC; the clock no longer follows a zone.
    void setUtcOffsetMinutes(int minutes);
    // From now on local time follows the zone, daylight saving included; the instant stays.
    void followZone(const ZoneDatabase& zones, const std::string& id);
    void advanceSeconds(double seconds);

  private:
    int offsetAt(double utc) const;

    double now_; // local time with a fixed offset; UTC while following a zone
    int offsetMinutes_;
    const ZoneDatabase* zones_ = nullptr;
    std::string zone_;
};

} // namespace kelvaro
