#include "moon/tmoon.h"

#include "moon/angles.h"
#include "moon/moon_phase.h"
#include "moon/moon_time.h"

#include <cmath>
#include <utility>

namespace kelvaro::moon {
namespace {

constexpr MoonSizeRow kSizes[] = {
    {64, 28, 31, 28, 41, 29, "MOON_LARGE", "MOON_COLOR_LARGE"},
    {32, 14, 15, 14, 20, 15, "MOON_SMALL", "MOON_COLOR_SMALL"},
    {16, 7, 7, 7, 9, 7, "MOON_TINY", "MOON_COLOR_TINY"},
};

// Halves go to the even neighbour, as the canvas arithmetic of the original pictures did.
int RoundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

// A canvas line along one row: from `from` towards `to`, the end pixel left out.
void DrawRowLine(MoonBitmap& bitmap, int row, int from, int to) {
    const int step = to > from ? 1 : -1;
    for (int x = from; x != to; x += step)
        bitmap.set(x, row, kBlack);
}

} // namespace

const MoonSizeRow& MoonSizeInfo(TMoonSize size) {
    return kSizes[static_cast<int>(size)];
}

double Apollo11Landing() {
    return EncodeMoonDateTime(1969, 7, 20, 20, 17, 43);
}

ShadowRow ShadowRowExtent(int radius, int m, double cosPhase) {
    const double o = std::sqrt(static_cast<double>(radius * radius - m * m));
    return {RoundHalfEven(o), RoundHalfEven(o * cosPhase)};
}

void DrawShadow(MoonBitmap& bitmap, const MoonSizeRow& size, long double phaseAngle) {
    const double cosPhase = std::cos(Radians(static_cast<double>(phaseAngle)));
    const int cx = size.centreColumn;
    const int cy = size.centreRow;
    for (int m = 0; m <= size.radius; ++m) {
        const ShadowRow row = ShadowRowExtent(size.radius, m, cosPhase);
        // Waxing: dark from the left limb to the terminator; waning: from the terminator to the right limb.
        const int from = phaseAngle < 180.0L ? cx - row.x2 : cx + row.x2;
        const int to = phaseAngle < 180.0L ? cx - row.x1 - 1 : cx + row.x1 + 1;
        DrawRowLine(bitmap, cy + m, from, to);
        DrawRowLine(bitmap, cy - m, from, to);
    }
}

MoonBitmap Rotated(const MoonBitmap& bitmap, TRotate rotation) {
    if (rotation == TRotate::rot_none) return bitmap;
    MoonBitmap result(bitmap.width, bitmap.height);
    const int w = bitmap.width - 1;
    const int h = bitmap.height - 1;
    for (int i = 0; i < bitmap.height; ++i) {
        for (int j = 0; j < bitmap.width; ++j) {
            const Pixel p = bitmap.at(j, i);
            switch (rotation) {
            case TRotate::rot_90:
                result.set(i, w - j, p);
                break;
            case TRotate::rot_180:
                result.set(w - j, h - i, p);
                break;
            case TRotate::rot_270:
                result.set(h - i, j, p);
                break;
            case TRotate::rot_none:
                break;
            }
        }
    }
    return result;
}

TMoon::TMoon(MoonPictureLoader loader) : TMoon(std::move(loader), CurrentLocalDateTime()) {}

TMoon::TMoon(MoonPictureLoader loader, double date)
    : loader_(std::move(loader)), apollo11Landing_(Apollo11Landing()) {
    SetDate(date);
}

void TMoon::SetMoonSize(TMoonSize size) {
    moonSize_ = size;
    Repaint();
}

void TMoon::SetDate(double date) {
    date_ = date;
    phaseAngle_ = ComputeMoonPhase(date).phaseAngle;
    Repaint();
}

void TMoon::SetRotation(TRotate rotation) {
    if (std::exchange(rotation_, rotation) != rotation) Repaint();
}

void TMoon::SetShowApollo11(bool show) {
    if (std::exchange(showApollo11_, show) != show) Repaint();
}

void TMoon::SetMoonStyle(TMoonStyle style) {
    if (std::exchange(moonStyle_, style) != style) Repaint();
}

void TMoon::Repaint() {
    const MoonSizeRow& size = MoonSizeInfo(moonSize_);
    working_ = loader_
                   ? loader_(moonStyle_ == TMoonStyle::msClassic ? size.classicPicture : size.colorPicture)
                   : MoonBitmap{};
    if (working_.width != size.size || working_.height != size.size)
        working_ = MoonBitmap(size.size, size.size);
    displayed_ = working_;

    // Drawn before the shadow, so a landing site in the dark stays dark.
    if (showApollo11_ && date_ > apollo11Landing_)
        displayed_.set(size.apolloColumn, size.apolloRow, kPureRed);
    DrawShadow(displayed_, size, phaseAngle_);
    displayed_ = Rotated(displayed_, rotation_);
    ++repaints_;
}

} // namespace kelvaro::moon
