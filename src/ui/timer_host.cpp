#include "ui/timer_host.h"

#include "app/timer_controls.h"
#include "framework/application.h"

#include <QTimer>

#include <set>

namespace kelvaro {

TimerHost::TimerHost(Application& app, std::function<void(const std::string&)> fire)
    : app_(app), fire_(std::move(fire)) {}

TimerHost::~TimerHost() = default;

const std::vector<const Control*>& TimerHost::timerControls() {
    const auto& forms = app_.forms();
    if (!listed_ || listedStructure_ != Form::anyStructure()) { // a form made or dropped moves it too
        listed_ = true;
        listedStructure_ = Form::anyStructure();
        timerControls_.clear();
        for (const auto& form : forms)
            for (const auto& c : form->controls())
                if (c->kind == ControlKind::Timer) timerControls_.push_back(c.get());
    }
    return timerControls_;
}

void TimerHost::sync() {
    std::set<std::string> running;
    for (const RunningTimer& t : runningTimers(timerControls())) {
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
