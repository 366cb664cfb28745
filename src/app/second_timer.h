#pragma once
// Fires just after each whole second of the system clock. A plain 1,000 ms
// timer drifts against the wall clock, so the seconds shown would now and then
// jump by two or repeat: the timer repeats in the wall clock's phase and is
// re-armed for the next whole second whenever a shot comes out of that phase.
#include <QObject>
#include <QTimer>

#include <functional>

namespace kelvaro {

class SecondTimer : public QObject {
  public:
    explicit SecondTimer(std::function<void()> onSecond, int slackMs = 3, QObject* parent = nullptr);
    void start();
    void stop();

    // Milliseconds from `msSinceEpoch` to the next whole second, plus the slack.
    static int delayToNextSecond(qint64 msSinceEpoch, int slackMs);
    // A shot this far past its whole second, or later, has left the phase.
    static constexpr int kLatestInPhaseMs = 25;

  private:
    void fire();
    void keepTickingInNestedLoop();

    std::function<void()> onSecond_;
    int slackMs_;
    // Repeats each second in phase; its interval is another only for the shot that phases it.
    QTimer timer_;
    // Qt does not fire a timer again while its handler runs: a tick's nested loop needs this one.
    QTimer nested_;
    qint64 lastSecond_ = -1;
    int depth_ = 0; // ticks running, nested ones included
};

} // namespace kelvaro
