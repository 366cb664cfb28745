#include "app/timer_controls.h"

namespace kelvaro {

namespace {
constexpr const char* kMainTick = "Timer1";

bool runs(const Control& c) {
    return c.kind == ControlKind::Timer && c.enabled && c.interval > 0 && c.name != kMainTick;
}

} // namespace

std::vector<RunningTimer> runningTimers(Application& app) {
    std::vector<RunningTimer> running;
    for (const auto& form : app.forms())
        for (const auto& c : form->controls())
            if (runs(*c)) running.push_back({c->name, c->interval});
    return running;
}

std::vector<RunningTimer> runningTimers(const std::vector<const Control*>& timers) {
    std::vector<RunningTimer> running;
    for (const Control* c : timers)
        if (runs(*c)) running.push_back({c->name, c->interval});
    return running;
}

void timerTick(Application& app, const std::string& timerName) {
    app.guarded([&] {
        Control* timer = app.find(timerName);
        // Switched off by an earlier event of the same turn: the firing is void.
        if (timer && timer->enabled) app.fire(*timer, Event::Click);
    });
}

} // namespace kelvaro
