#pragma once
// Fires just after each whole second of the system clock. A plain 1,000 ms
// timer drifts against the wall clock, so the seconds shown would now and then
// jump by two or repeat: the timer repeats in the wall clock's phase and is
// re-armed for the next whole second whenever a shot comes out of that phase.
// Where Qt runs on GLib's main loop (as it does on Linux), the timer is a source of
// that loop, woken at the next whole second each time: Qt's timer machinery cost as
// much as a fifth of an idle second.
#include <QObject>
#include <QTimer>

#include <functional>

namespace kelvaro {

class SecondTimer : public QObject {
  public:
    explicit SecondTimer(std::function<void()> onSecond, int slackMs = 3, QObject* parent = nullptr);
    ~SecondTimer() override;
    SecondTimer(const SecondTimer&) = delete;
    SecondTimer& operator=(const SecondTimer&) = delete;
    void start();
    void stop();

    // Milliseconds from `msSinceEpoch` to the next whole second, plus the slack.
    static int delayToNextSecond(qint64 msSinceEpoch, int slackMs);
    // A shot this far past its whole second, or later, has left the phase.
    static constexpr int kLatestInPhaseMs = 25;

    // Whether the seconds come from GLib's loop rather than from a QTimer.
    bool onMainLoop() const { return source_ != nullptr; }

  private:
    struct LoopSource;
    friend struct SecondTimerLoop;
    void fire();
    void keepTickingInNestedLoop();
    void loopShot();
    void armLoopSource();

    std::function<void()> onSecond_;
    int slackMs_;
    // Repeats each second in phase; its interval is another only for the shot that phases it.
    QTimer timer_;
    // Qt does not fire a timer again while its handler runs: a tick's nested loop needs this one.
    QTimer nested_;
    qint64 lastSecond_ = -1;
    int depth_ = 0; // ticks running, nested ones included
    LoopSource* source_ = nullptr;
};

} // namespace kelvaro
