#pragma once
// An animated flame drawn by the program: a small fire field that rises and cools,
// coloured by one of six colour numbers. It runs only while it is shown and running.
#include "ui/shown_animation.h"

#include <QImage>

#include <cstdint>
#include <random>
#include <vector>

namespace kelvaro {

class FlameWidget : public ShownAnimation {
  public:
    explicit FlameWidget(QWidget* parent);
    // 0 red, 1 green, 2 blue, 3 deep purple, 4 cyan, 5 yellow.
    void setColorNumber(int number);
    void setInterval(int ms) { setFrameInterval(ms); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void step();
    void render();

    static constexpr int kCols = 40, kRows = 60;
    std::vector<std::uint8_t> heat_;
    QImage image_;
    std::minstd_rand random_{20260};
    int colorNumber_ = 0;
};

} // namespace kelvaro
