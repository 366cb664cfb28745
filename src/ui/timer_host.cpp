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
    bool same = forms.size() == listedShapes_.size();
    for (std::size_t i = 0; same && i < forms.size(); ++i)
        same = listedShapes_[i] == std::pair<const Form*, unsigned>(forms[i].get(), forms[i]->structure());
    if (!same) {
        listedShapes_.clear();
        timerControls_.clear();
        syncedStamps_.clear();
        for (const auto& form : forms) {
            listedShapes_.emplace_back(form.get(), form->structure());
            for (const auto& c : form->controls())
                if (c->kind == ControlKind::Timer) timerControls_.push_back(c.get());
        }
    }
    return timerControls_;
}

// Whether a timer runs depends on its control alone: while no timer control
// changed since the last pass, the QTimers are as they should be.
bool TimerHost::timersChanged() {
    const auto& timers = timerControls();
    bool changed = timers.size() != syncedStamps_.size();
    syncedStamps_.resize(timers.size());
    for (std::size_t i = 0; i < timers.size(); ++i)
        if (syncedStamps_[i] != timers[i]->stamp()) {
            syncedStamps_[i] = timers[i]->stamp();
            changed = true;
        }
    return changed;
}

void TimerHost::sync() {
    if (!timersChanged()) return;
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
