#include "app/second_timer.h"

#include <QAbstractEventDispatcher>
#include <QDateTime>

namespace kelvaro {

SecondTimer::SecondTimer(std::function<void()> onSecond, int slackMs, QObject* parent)
    : QObject(parent), onSecond_(std::move(onSecond)), slackMs_(slackMs) {
    timer_.setTimerType(Qt::PreciseTimer); // a precise timer keeps its phase from shot to shot
    connect(&timer_, &QTimer::timeout, this, &SecondTimer::fire);
    nested_.setSingleShot(true);
    nested_.setTimerType(Qt::PreciseTimer);
    connect(&nested_, &QTimer::timeout, this, &SecondTimer::fire);
    // Each turn of any event loop says so; inside a tick (a message box's loop) the clock goes on.
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                &SecondTimer::keepTickingInNestedLoop);
        connect(dispatcher, &QAbstractEventDispatcher::awake, this, &SecondTimer::keepTickingInNestedLoop);
    }
}

void SecondTimer::start() {
    lastSecond_ = -1;
    timer_.start(delayToNextSecond(QDateTime::currentMSecsSinceEpoch(), slackMs_));
}

void SecondTimer::stop() {
    timer_.stop();
    nested_.stop();
}

int SecondTimer::delayToNextSecond(qint64 msSinceEpoch, int slackMs) {
    return static_cast<int>(1000 - msSinceEpoch % 1000) + slackMs;
}

void SecondTimer::keepTickingInNestedLoop() {
    if (depth_ > 0 && !nested_.isActive())
        nested_.start(delayToNextSecond(QDateTime::currentMSecsSinceEpoch(), slackMs_));
}

void SecondTimer::fire() {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const qint64 past = now % 1000;
    if (past < 1 || past > kLatestInPhaseMs)
        timer_.start(delayToNextSecond(now, slackMs_)); // out of phase (a clock set or slewed, a late wake)
    else if (timer_.interval() != 1000)
        timer_.setInterval(1000); // the shot that phases it: from now on, one a second in this phase
    const qint64 second = now / 1000;
    if (second == lastSecond_) return; // its second was ticked: early, or the nested loop's shot as well
    lastSecond_ = second;
    ++depth_;
    struct Leave {
        SecondTimer& t;
        ~Leave() {
            if (--t.depth_ == 0) t.nested_.stop();
        }
    } leave{*this};
    onSecond_();
}

} // namespace kelvaro
