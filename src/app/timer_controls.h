#pragma once
// Timer controls other than the main tick. Each runs its handler every `interval`
// milliseconds while it is enabled; the real program (a QTimer each) and the
// scenario runner (fake time) both ask this list what to run and fire through it.
// Timer1, the main tick, is left out: its host aligns it to whole seconds.
#include "framework/application.h"

#include <string>
#include <vector>

namespace kelvaro {

struct RunningTimer {
    std::string name;
    int interval = 0; // ms
};

// The timers that run now, in creation order.
std::vector<RunningTimer> runningTimers(Application& app);
// The same, from a list of the timer controls kept by the caller.
std::vector<RunningTimer> runningTimers(const std::vector<const Control*>& timers);
// One firing of a timer: its handler runs guarded, like any event from outside.
void timerTick(Application& app, const std::string& timerName);

} // namespace kelvaro
