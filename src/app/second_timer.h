#pragma once
// Fires just after each whole second of the system clock. A plain 1,000 ms
// timer drifts against the wall clock, so the seconds shown would now and then
// jump by two or repeat; re-arming every tick for the next whole second keeps
// exactly one tick per second while the window thread is free.
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

  private:
    void fire();
    void arm();

    std::function<void()> onSecond_;
    int slackMs_;
    QTimer timer_;
};

} // namespace kelvaro
