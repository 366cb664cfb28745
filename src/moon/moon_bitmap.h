#pragma once

#include <cstdint>
#include <vector>

namespace kelvaro::moon {

// 0xAARRGGBB, the layout of a 32-bit QImage.
using Pixel = std::uint32_t;

inline constexpr Pixel kBlack = 0xFF000000u;
inline constexpr Pixel kPureRed = 0xFFFF0000u;

// A plain pixel buffer, row after row.
struct MoonBitmap {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;

    MoonBitmap() = default;
    MoonBitmap(int w, int h, Pixel fill = kBlack)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Pixel at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    // Drawing outside the bitmap is clipped, as on a canvas.
    void set(int x, int y, Pixel p) {
        if (contains(x, y)) pixels[static_cast<std::size_t>(y) * width + x] = p;
    }

    friend bool operator==(const MoonBitmap&, const MoonBitmap&) = default;
};

} // namespace kelvaro::moon
