#pragma once
// A widget whose animation timer runs only while it is shown and switched on:
// a closed about box costs no timer at all.
#include <QTimer>
#include <QWidget>

namespace kelvaro {

class ShownAnimation : public QWidget {
  public:
    ShownAnimation(QWidget* parent, int intervalMs) : QWidget(parent) { timer_.setInterval(intervalMs); }
    void setRunning(bool running) {
        running_ = running;
        startOrStop();
    }
    bool isRunning() const { return running_; }
    bool isAnimating() const { return timer_.isActive(); }

  protected:
    void showEvent(QShowEvent*) override { startOrStop(); }
    void hideEvent(QHideEvent*) override { startOrStop(); }
    void setFrameInterval(int ms) {
        if (ms > 0 && ms != timer_.interval()) timer_.setInterval(ms);
    }

    QTimer timer_; // each subclass connects its frame step

  private:
    void startOrStop() {
        const bool animate = running_ && isVisible();
        if (animate && !timer_.isActive()) timer_.start();
        if (!animate && timer_.isActive()) timer_.stop();
    }

    bool running_ = false;
};

} // namespace kelvaro
