#pragma once
// "Will it ring?": one verdict on the next alarm, from everything that could keep it
// silent: the computer asleep, no sound output, a muted line, a missing file, a
// battery that runs out first. Each failing check says what to do.
#include "framework/datetime.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

class Application;

// The power feature's reading: on battery and, when known, the seconds it has left.
struct BatteryReading {
    bool onBattery = false;
    std::optional<std::int64_t> secondsLeft;
};

struct RingCheck {
    bool ok = true;
    bool blocking = true; // false: the alarm still rings (through a fall-back), but worse
    std::string text;     // what was found and, when not ok, what to do
};

struct RingVerdict {
    bool willRing = true;
    std::optional<DateTime> alarmAt; // city time of the next alarm
    std::vector<RingCheck> checks;
    // One line per check that is not ok, after a first line with the verdict.
    std::string text() const;
};

RingVerdict willItRing(Application& app, const BatteryReading& battery = {});

void installWillItRing(Application& app);

} // namespace kelvaro
