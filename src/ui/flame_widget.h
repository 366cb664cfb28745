#pragma once
// An animated flame drawn by the program: a small fire field that rises and cools,
// coloured by one of six colour numbers. It runs only while it is shown and running.
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <random>
#include <vector>

namespace kelvaro {

class FlameWidget : public QWidget {
  public:
    explicit FlameWidget(QWidget* parent);
    // 0 red, 1 green, 2 blue, 3 deep purple, 4 cyan, 5 yellow.
    void setColorNumber(int number);
    void setRunning(bool running);
    void setInterval(int ms);
    bool isAnimating() const { return timer_.isActive(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void step();
    void render();
    void startOrStop();

    static constexpr int kCols = 40, kRows = 60;
    std::vector<std::uint8_t> heat_;
    QImage image_;
    QTimer timer_;
    std::minstd_rand random_{20260};
    int colorNumber_ = 0;
    bool running_ = false;
};

} // namespace kelvaro
