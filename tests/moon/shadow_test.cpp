#include "moon/tmoon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace kelvaro::moon {
namespace {

constexpr Pixel kWhite = 0xFFFFFFFFu;

// The shadow of one phase angle on a white square of the size's dimensions, as text: '#' black.
std::string ShadowArt(TMoonSize size, long double phase) {
    const MoonSizeRow& row = MoonSizeInfo(size);
    MoonBitmap bitmap(row.size, row.size, kWhite);
    DrawShadow(bitmap, row, phase);
    std::string art;
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x)
            art += bitmap.at(x, y) == kBlack ? '#' : '.';
        art += '\n';
    }
    return art;
}

bool Dark(const std::string& art, int size, int x, int y) {
    return art[static_cast<std::size_t>(y) * (size + 1) + x] == '#';
}

TEST(Shadow, TinyPictureAtNewMoonAndFirstQuarter) {
    EXPECT_EQ(ShadowArt(TMoonSize::ms16, 180.0L), ".......#........\n"
                                                  "...#########....\n"
                                                  "..###########...\n"
                                                  ".#############..\n"
                                                  ".#############..\n"
                                                  "###############.\n"
                                                  "###############.\n"
                                                  "###############.\n"
                                                  "###############.\n"
                                                  "###############.\n"
                                                  ".#############..\n"
                                                  ".#############..\n"
                                                  "..###########...\n"
                                                  "...#########....\n"
                                                  ".......#........\n"
                                                  "................\n");
    EXPECT_EQ(ShadowArt(TMoonSize::ms16, 90.0L), ".......#........\n"
                                                 "...#####........\n"
                                                 "..######........\n"
                                                 ".#######........\n"
                                                 ".#######........\n"
                                                 "########........\n"
                                                 "########........\n"
                                                 "########........\n"
                                                 "########........\n"
                                                 "########........\n"
                                                 ".#######........\n"
                                                 ".#######........\n"
                                                 "..######........\n"
                                                 "...#####........\n"
                                                 ".......#........\n"
                                                 "................\n");
    // 0 and 270 follow from these, at every size, in the tests below.
}

class ShadowAtEverySize : public testing::TestWithParam<TMoonSize> {};

TEST_P(ShadowAtEverySize, NewMoonCoversTheWholeDiscAndNothingElse) {
    const MoonSizeRow& row = MoonSizeInfo(GetParam());
    const std::string dark = ShadowArt(GetParam(), 180.0L);
    const int expectedCount = row.radius == 7 ? 169 : row.radius == 14 ? 641 : 2517;
    EXPECT_EQ(std::count(dark.begin(), dark.end(), '#'), expectedCount);
    for (int y = 0; y < row.size; ++y) {
        for (int x = 0; x < row.size; ++x) {
            const int dx = x - row.centreColumn;
            const int dy = y - row.centreRow;
            const int d2 = dx * dx + dy * dy;
            const double inner = row.radius - 0.5;
            const double outer = row.radius + 1.0;
            if (d2 <= inner * inner) {
                EXPECT_TRUE(Dark(dark, row.size, x, y)) << x << ',' << y;
            }
            if (d2 >= outer * outer) {
                EXPECT_FALSE(Dark(dark, row.size, x, y)) << x << ',' << y;
            }
            // Symmetric about the centre row and column.
            const int mx = 2 * row.centreColumn - x;
            const int my = 2 * row.centreRow - y;
            if (mx >= 0 && mx < row.size) {
                EXPECT_EQ(Dark(dark, row.size, x, y), Dark(dark, row.size, mx, y));
            }
            if (my >= 0 && my < row.size) {
                EXPECT_EQ(Dark(dark, row.size, x, y), Dark(dark, row.size, x, my));
            }
        }
    }
}

TEST_P(ShadowAtEverySize, QuartersDarkenOneHalfAndFullMoonOnlyTheLimb) {
    const MoonSizeRow& row = MoonSizeInfo(GetParam());
    const std::string disc = ShadowArt(GetParam(), 180.0L);
    const std::string firstQuarter = ShadowArt(GetParam(), 90.0L);
    const std::string lastQuarter = ShadowArt(GetParam(), 270.0L);
    const std::string full = ShadowArt(GetParam(), 0.0L);
    const std::string justAfterFull = ShadowArt(GetParam(), 359.9L);
    for (int y = 0; y < row.size; ++y) {
        int left = -1;
        int right = -1;
        for (int x = 0; x < row.size; ++x) {
            if (Dark(disc, row.size, x, y)) {
                if (left < 0) left = x;
                right = x;
            }
        }
        for (int x = 0; x < row.size; ++x) {
            const bool inDisc = Dark(disc, row.size, x, y);
            SCOPED_TRACE(testing::Message() << "pixel " << x << ',' << y);
            EXPECT_EQ(Dark(firstQuarter, row.size, x, y), inDisc && x <= row.centreColumn);
            EXPECT_EQ(Dark(lastQuarter, row.size, x, y), inDisc && x >= row.centreColumn);
            EXPECT_EQ(Dark(full, row.size, x, y), inDisc && x == left);
            EXPECT_EQ(Dark(justAfterFull, row.size, x, y), inDisc && x == right);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ShadowAtEverySize,
                         testing::Values(TMoonSize::ms64, TMoonSize::ms32, TMoonSize::ms16));

TEST(Shadow, TerminatorHalvesRoundToEven) {
    EXPECT_EQ(ShadowRowExtent(14, 0, 0.75).x2, 10);  // 10.5
    EXPECT_EQ(ShadowRowExtent(28, 0, 0.875).x2, 24); // 24.5
    EXPECT_EQ(ShadowRowExtent(28, 0, -0.875).x2, -24);
    EXPECT_EQ(ShadowRowExtent(7, 0, 0.5).x2, 4);   // 3.5
    EXPECT_EQ(ShadowRowExtent(28, 27, 1.0).x1, 7); // sqrt(55) = 7.42
    EXPECT_EQ(ShadowRowExtent(28, 28, 1.0).x1, 0);
}

TEST(Rotation, MovesEachPixelAsTheControlTurns) {
    MoonBitmap bitmap(16, 16);
    bitmap.set(5, 1, kPureRed);
    const auto redAt = [](const MoonBitmap& b, int x, int y) { return b.at(x, y) == kPureRed; };
    EXPECT_TRUE(redAt(Rotated(bitmap, TRotate::rot_none), 5, 1));
    EXPECT_TRUE(redAt(Rotated(bitmap, TRotate::rot_90), 1, 10));   // column j, row i -> column i, row W - j
    EXPECT_TRUE(redAt(Rotated(bitmap, TRotate::rot_180), 10, 14)); // point reflection
    EXPECT_TRUE(redAt(Rotated(bitmap, TRotate::rot_270), 14, 5));  // column H - i, row j
    EXPECT_EQ(Rotated(Rotated(bitmap, TRotate::rot_90), TRotate::rot_270), bitmap);
    EXPECT_EQ(Rotated(Rotated(bitmap, TRotate::rot_90), TRotate::rot_90), Rotated(bitmap, TRotate::rot_180));
}

} // namespace
} // namespace kelvaro::moon
