#include "moon/moon_time.h"
#include "moon/tmoon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace kelvaro::moon {
namespace {

constexpr Pixel kWhite = 0xFFFFFFFFu;
constexpr Pixel kSky = 0xFF202020u;

const double kFullMoon = EncodeMoonDateTime(2000, 1, 21, 4, 44);         // total lunar eclipse, phase 359.7
const double kNewMoon = EncodeMoonDateTime(1999, 8, 11, 11, 3);          // total solar eclipse
const double kWaxingCrescent = EncodeMoonDateTime(2000, 1, 9, 18);       // phase about 147
const double kWaningCrescent = EncodeMoonDateTime(2000, 1, 3, 18);       // phase about 213
const double kBeforeLandingFull = EncodeMoonDateTime(1969, 6, 30);       // landing site lit
const double kAfterLandingQuarter = EncodeMoonDateTime(1969, 7, 22, 12); // landing site lit

// Stand-in pictures: a white disc (pixel centres within the radius) on a grey sky; remembers what was asked.
struct FakePictures {
    std::vector<std::string> requested;

    MoonBitmap operator()(std::string_view name) {
        requested.emplace_back(name);
        TMoonSize size = TMoonSize::ms64;
        if (name.ends_with("SMALL")) size = TMoonSize::ms32;
        if (name.ends_with("TINY")) size = TMoonSize::ms16;
        const MoonSizeRow& row = MoonSizeInfo(size);
        MoonBitmap bitmap(row.size, row.size, kSky);
        const int limit = row.radius * row.radius;
        for (int y = 0; y < row.size; ++y) {
            for (int x = 0; x < row.size; ++x) {
                const int dx = x - row.centreColumn;
                const int dy = y - row.centreRow;
                if (dx * dx + dy * dy <= limit) bitmap.set(x, y, kWhite);
            }
        }
        return bitmap;
    }
};

TMoon MakeMoon(double date, TMoonSize size, FakePictures* pictures = nullptr) {
    TMoon moon(pictures ? MoonPictureLoader(std::ref(*pictures)) : MoonPictureLoader(FakePictures{}), date);
    moon.SetMoonSize(size);
    return moon;
}

// Mean column of the lit pixels minus the centre column: positive when lit on the right.
double LitBias(const MoonBitmap& picture, int centre, bool columns = true) {
    double sum = 0.0;
    int count = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (picture.at(x, y) == kWhite) {
                sum += (columns ? x : y) - centre;
                ++count;
            }
        }
    }
    return count ? sum / count : 0.0;
}

int CountPixels(const MoonBitmap& picture, Pixel p) {
    return static_cast<int>(std::count(picture.pixels.begin(), picture.pixels.end(), p));
}

TEST(TMoon, StartsWithThePublishedDefaults) {
    const double before = CurrentLocalDateTime();
    FakePictures pictures;
    const TMoon moon{std::ref(pictures)};
    EXPECT_EQ(moon.MoonSize(), TMoonSize::ms64);
    EXPECT_EQ(moon.Rotation(), TRotate::rot_none);
    EXPECT_TRUE(moon.ShowApollo11());
    EXPECT_EQ(moon.MoonStyle(), TMoonStyle::msClassic);
    EXPECT_GE(moon.Date(), before);
    EXPECT_LT(moon.Date() - before, 5.0 / 86400.0);
    EXPECT_EQ(moon.Width(), 64);
    EXPECT_EQ(moon.Picture().width, 64);
    EXPECT_EQ(pictures.requested.back(), "MOON_LARGE");
}

TEST(TMoon, LoadsThePictureOfItsSizeAndStyle) {
    FakePictures pictures;
    TMoon moon = MakeMoon(kFullMoon, TMoonSize::ms32, &pictures);
    EXPECT_EQ(moon.Width(), 32);
    EXPECT_EQ(moon.Height(), 32);
    EXPECT_EQ(pictures.requested.back(), "MOON_SMALL");
    moon.SetMoonStyle(TMoonStyle::msColor);
    EXPECT_EQ(pictures.requested.back(), "MOON_COLOR_SMALL");
    moon.SetMoonSize(TMoonSize::ms16);
    EXPECT_EQ(pictures.requested.back(), "MOON_COLOR_TINY");
    EXPECT_EQ(moon.Picture().width, 16);
}

TEST(TMoon, RepaintsOnEveryDateAndSizeButOtherPropertiesOnlyWhenChanged) {
    TMoon moon = MakeMoon(kFullMoon, TMoonSize::ms32);
    unsigned repaints = moon.RepaintCount();
    moon.SetDate(kFullMoon);
    moon.SetMoonSize(TMoonSize::ms32);
    EXPECT_EQ(moon.RepaintCount(), repaints + 2);
    repaints = moon.RepaintCount();
    moon.SetRotation(TRotate::rot_none);
    moon.SetShowApollo11(true);
    moon.SetMoonStyle(TMoonStyle::msClassic);
    EXPECT_EQ(moon.RepaintCount(), repaints);
    moon.SetRotation(TRotate::rot_90);
    moon.SetShowApollo11(false);
    moon.SetMoonStyle(TMoonStyle::msColor);
    EXPECT_EQ(moon.RepaintCount(), repaints + 3);
}

TEST(TMoon, MissingPictureGivesABlackSquareOfTheRightSize) {
    TMoon moon([](std::string_view) { return MoonBitmap(3, 3, kWhite); }, kFullMoon);
    moon.SetMoonSize(TMoonSize::ms16);
    EXPECT_EQ(moon.Picture().width, 16);
    moon.SetShowApollo11(false);
    EXPECT_EQ(CountPixels(moon.Picture(), kBlack), 16 * 16);
}

class TMoonAtEverySize : public testing::TestWithParam<TMoonSize> {};

TEST_P(TMoonAtEverySize, FullMoonLeavesTheDiscUncovered) {
    const MoonSizeRow& row = MoonSizeInfo(GetParam());
    // Minutes before and after the Moon passes opposite the Sun: phase just above 0, just below 360.
    for (const double date : {kFullMoon - 40.0 / 1440.0, kFullMoon}) {
        const TMoon moon = MakeMoon(date, GetParam());
        const long double angle = moon.PhaseAngle();
        EXPECT_LT(std::min(angle, 360.0L - angle), 1.0L);
        // Only the limb pixel of each row may be dark.
        const int inner = (row.radius - 1) * (row.radius - 1);
        for (int y = 0; y < row.size; ++y) {
            for (int x = 0; x < row.size; ++x) {
                const int dx = x - row.centreColumn;
                const int dy = y - row.centreRow;
                if (dx * dx + dy * dy <= inner) {
                    EXPECT_NE(moon.Picture().at(x, y), kBlack) << x << ',' << y << " phase " << angle;
                }
            }
        }
    }
}

TEST_P(TMoonAtEverySize, NewMoonBlacksOutTheDisc) {
    const TMoon moon = MakeMoon(kNewMoon, GetParam());
    EXPECT_NEAR(static_cast<double>(moon.PhaseAngle()), 180.0, 1.0);
    EXPECT_EQ(CountPixels(moon.Picture(), kWhite), 0);
}

TEST_P(TMoonAtEverySize, WaxingCrescentIsLitOnTheRightWaningOnTheLeft) {
    const int centre = MoonSizeInfo(GetParam()).centreColumn;
    const TMoon waxing = MakeMoon(kWaxingCrescent, GetParam());
    EXPECT_GT(waxing.PhaseAngle(), 90.0L);
    EXPECT_LT(waxing.PhaseAngle(), 180.0L);
    EXPECT_GT(CountPixels(waxing.Picture(), kWhite), 0);
    EXPECT_GT(LitBias(waxing.Picture(), centre), 0.5 * MoonSizeInfo(GetParam()).radius);

    const TMoon waning = MakeMoon(kWaningCrescent, GetParam());
    EXPECT_GT(waning.PhaseAngle(), 180.0L);
    EXPECT_LT(waning.PhaseAngle(), 270.0L);
    EXPECT_GT(CountPixels(waning.Picture(), kWhite), 0);
    EXPECT_LT(LitBias(waning.Picture(), centre), -0.5 * MoonSizeInfo(GetParam()).radius);
}

TEST_P(TMoonAtEverySize, RedDotOnlyAfterTheLandingAndOnlyInSunlight) {
    const MoonSizeRow& row = MoonSizeInfo(GetParam());
    EXPECT_EQ(CountPixels(MakeMoon(kBeforeLandingFull, GetParam()).Picture(), kPureRed), 0);

    TMoon after = MakeMoon(kAfterLandingQuarter, GetParam());
    EXPECT_EQ(after.Picture().at(row.apolloColumn, row.apolloRow), kPureRed);
    EXPECT_EQ(CountPixels(after.Picture(), kPureRed), 1);
    after.SetShowApollo11(false);
    EXPECT_EQ(CountPixels(after.Picture(), kPureRed), 0);

    // At touchdown the site lay just inside the terminator: the dot is drawn, then shadowed.
    const TMoon landing = MakeMoon(Apollo11Landing() + 1.0 / 86400.0, GetParam());
    EXPECT_EQ(landing.Picture().at(row.apolloColumn, row.apolloRow), kBlack);
}

TEST_P(TMoonAtEverySize, RotationsTurnTheLitSide) {
    const int centre = MoonSizeInfo(GetParam()).centreColumn;
    const int last = MoonSizeInfo(GetParam()).size - 1;
    TMoon moon = MakeMoon(kWaxingCrescent, GetParam());
    const MoonBitmap upright = moon.Picture();
    moon.SetRotation(TRotate::rot_180);
    EXPECT_LT(LitBias(moon.Picture(), last - centre), 0.0); // lit on the left
    EXPECT_EQ(moon.Picture(), Rotated(upright, TRotate::rot_180));
    moon.SetRotation(TRotate::rot_90);
    EXPECT_LT(LitBias(moon.Picture(), last - centre, false), 0.0); // right side turned to the top
    moon.SetRotation(TRotate::rot_270);
    EXPECT_GT(LitBias(moon.Picture(), centre, false), 0.0); // right side turned to the bottom
    moon.SetRotation(TRotate::rot_none);
    EXPECT_EQ(moon.Picture(), upright);
}

TEST_P(TMoonAtEverySize, SameInstantSamePicture) {
    const TMoon first = MakeMoon(kWaxingCrescent, GetParam());
    TMoon second = MakeMoon(kWaningCrescent, GetParam());
    EXPECT_NE(first.Picture(), second.Picture());
    second.SetDate(kWaxingCrescent);
    EXPECT_EQ(first.Picture(), second.Picture());
    EXPECT_EQ(first.PhaseAngle(), second.PhaseAngle());
}

INSTANTIATE_TEST_SUITE_P(Sizes, TMoonAtEverySize,
                         testing::Values(TMoonSize::ms64, TMoonSize::ms32, TMoonSize::ms16));

} // namespace
} // namespace kelvaro::moon
