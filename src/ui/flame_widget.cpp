#include "ui/flame_widget.h"

#include "framework/translatable.h"
#include "platform/linux/translation.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kelvaro {

namespace {

// The hue of each colour number at full heat.
const QColor kFlameHues[] = {QColor(255, 40, 0),  QColor(20, 220, 40), QColor(40, 90, 255),
                             QColor(130, 0, 170), QColor(0, 230, 230), QColor(255, 225, 0)};

// Dark and clear when cold, the hue when warm, nearly white at the core.
QRgb flameColor(int number, int heat) {
    const QColor& hue = kFlameHues[std::clamp(number, 0, 5)];
    const double h = heat / 255.0;
    const double warm = std::min(1.0, h * 2.0);
    const double core = std::max(0.0, h * 2.0 - 1.0) * 0.7;
    auto channel = [&](int c) { return static_cast<int>(std::lround((c * warm) * (1 - core) + 255 * core)); };
    const int alpha = static_cast<int>(std::lround(std::min(1.0, h * 3.0) * 255));
    return qRgba(channel(hue.red()), channel(hue.green()), channel(hue.blue()), alpha);
}

} // namespace

FlameWidget::FlameWidget(QWidget* parent)
    : ShownAnimation(parent, 20), heat_(static_cast<std::size_t>(kCols * kRows), 0),
      image_(kCols, kRows, QImage::Format_ARGB32_Premultiplied) {
    image_.fill(Qt::transparent);
    setAccessibleName(translated(KV_TR("Flames")));
    connect(&timer_, &QTimer::timeout, this, [this] {
        step();
        render();
        update();
    });
}

void FlameWidget::setColorNumber(int number) {
    if (number == colorNumber_) return;
    colorNumber_ = number;
    render();
    update();
}

// The bottom row is fed at random, hottest in the middle; every cell takes the
// average of the cells below it and cools, more so near the sides: a flame's shape.
void FlameWidget::step() {
    std::uniform_int_distribution<int> fuel(0, 255);
    const double middle = (kCols - 1) / 2.0;
    for (int x = 0; x < kCols; ++x) {
        const double off = std::abs(x - middle) / middle;
        const double bell = std::max(0.0, 1.0 - off * off * 1.3);
        heat_[static_cast<std::size_t>((kRows - 1) * kCols + x)] =
            static_cast<std::uint8_t>(std::lround(fuel(random_) * bell));
    }
    std::uniform_int_distribution<int> flicker(0, 2);
    for (int y = 0; y < kRows - 1; ++y) {
        for (int x = 0; x < kCols; ++x) {
            auto at = [&](int cx, int cy) {
                cx = std::clamp(cx, 0, kCols - 1);
                cy = std::min(cy, kRows - 1);
                return static_cast<int>(heat_[static_cast<std::size_t>(cy * kCols + cx)]);
            };
            const int sum = at(x - 1, y + 1) + at(x, y + 1) + at(x + 1, y + 1) + at(x, y + 2);
            const double off = std::abs(x - middle) / middle;
            const int cooling = 1 + flicker(random_) + static_cast<int>(off * 6);
            heat_[static_cast<std::size_t>(y * kCols + x)] =
                static_cast<std::uint8_t>(std::max(0, sum / 4 - cooling));
        }
    }
}

void FlameWidget::render() {
    for (int y = 0; y < kRows; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        for (int x = 0; x < kCols; ++x)
            line[x] = qPremultiply(flameColor(colorNumber_, heat_[static_cast<std::size_t>(y * kCols + x)]));
    }
}

void FlameWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), image_);
}

} // namespace kelvaro
