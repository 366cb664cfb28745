#include "app/second_timer.h"

#include <QDateTime>

namespace kelvaro {

SecondTimer::SecondTimer(std::function<void()> onSecond, int slackMs, QObject* parent)
    : QObject(parent), onSecond_(std::move(onSecond)), slackMs_(slackMs) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &SecondTimer::fire);
}

void SecondTimer::start() {
    arm();
}

void SecondTimer::stop() {
    timer_.stop();
}

int SecondTimer::delayToNextSecond(qint64 msSinceEpoch, int slackMs) {
    return static_cast<int>(1000 - msSinceEpoch % 1000) + slackMs;
}

void SecondTimer::arm() {
    timer_.start(delayToNextSecond(QDateTime::currentMSecsSinceEpoch(), slackMs_));
}

void SecondTimer::fire() {
    // Re-arm first: the tick may open a message box whose nested loop must keep the clock going.
    arm();
    onSecond_();
}

} // namespace kelvaro
