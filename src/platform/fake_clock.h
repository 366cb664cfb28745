#pragma once
// A clock that stands still until a test moves it.
#include "platform/clock.h"

namespace kelvaro {

class FakeClock : public Clock {
public:
    // 1 January 2002, 00:00:00 local time, UTC.
    static constexpr double DefaultStart = 37257.0;

    explicit FakeClock(double localNow = DefaultStart, int utcOffsetMinutes = 0)
        : now_(localNow), offsetMinutes_(utcOffsetMinutes) {}

    double now() const override { return now_; }
    int utcOffsetMinutes() const override { return offsetMinutes_; }

    void set(double localNow) { now_ = localNow; }
    void setUtcOffsetMinutes(int minutes) { offsetMinutes_ = minutes; }
    void advanceSeconds(double seconds);

private:
    double now_;
    int offsetMinutes_;
};

} // namespace kelvaro
