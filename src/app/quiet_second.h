#pragma once
// A quiet second: nothing happened since the last pass of the tick, nothing in
// progress needs the tick (no alarm, snooze, sound or held clock) and the
// clock went on by one second within its minute. Such a second changes the
// seconds and nothing else, so the tick leaves out the steps that would each look
// and find nothing to do: a second costs what it touches, and they touch a lot.
#include "framework/datetime.h"

#include <cstdint>
#include <functional>

namespace kelvaro {

class Application;

// A feature whose per-second steps have work while `busy` says so. Asked at the end of
// every full pass; what changes it between passes must come through the program's
// entry points (an operation, a user action, a guarded callback), which end quietness.
void needEverySecondWhile(Application& app, std::function<bool()> busy);

// The quiet seconds so far, for tests and measurements.
std::uint64_t quietPasses(Application& app);

// One pass of the tick, from its start to its end; passes nest when a tick opens a box.
class TickPass {
  public:
    explicit TickPass(Application& app);
    ~TickPass();
    TickPass(const TickPass&) = delete;
    TickPass& operator=(const TickPass&) = delete;

    // Whether the second at `cityNow` (the city's time, read this pass) may be quiet.
    bool quiet(DateTime cityNow) const;
    // The pass ended: quiet or full, it was done whole (a pass that throws ends nothing).
    void done(DateTime cityNow, bool full);

  private:
    Application& app_;
    bool mayBeQuiet_;
    bool done_ = false;
};

} // namespace kelvaro
