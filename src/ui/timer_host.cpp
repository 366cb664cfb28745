#include "ui/timer_host.h"

#include "app/timer_controls.h"

#include <QTimer>

#include <set>

namespace kelvaro {

TimerHost::TimerHost(Application& app, std::function<void(const std::string&)> fire)
    : app_(app), fire_(std::move(fire)) {}

TimerHost::~TimerHost() = default;

void TimerHost::sync() {
    std::set<std::string> running;
    for (const RunningTimer& t : runningTimers(app_)) {
        running.insert(t.name);
        auto& timer = timers_[t.name];
        if (timer && timer->interval() == t.interval) continue;
        if (!timer) {
            timer = std::make_unique<QTimer>();
            const std::string name = t.name;
            connect(timer.get(), &QTimer::timeout, this, [this, name] { fire_(name); });
        }
        timer->start(t.interval); // switched on or retimed: a full interval from now
    }
    std::erase_if(timers_, [&](const auto& entry) { return !running.count(entry.first); });
}

} // namespace kelvaro
