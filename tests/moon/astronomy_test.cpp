#include "moon/moon_phase.h"
#include "moon/moon_tables.h"
#include "moon/moon_time.h"
#include "moon/nutation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>

namespace kelvaro::moon {
namespace {

constexpr double kAprilExample = EncodeMoonDateTime(1992, 4, 12);    // Meeus, the Moon's position
constexpr double kOctoberExample = EncodeMoonDateTime(1992, 10, 13); // Meeus, the Sun, higher accuracy

TEST(MoonTime, JulianDayFollowsTheDateTime) {
    EXPECT_DOUBLE_EQ(JulianDayFromDateTime(kAprilExample), 2448724.5);
    EXPECT_DOUBLE_EQ(JulianDayFromDateTime(EncodeMoonDateTime(2000, 1, 1, 12)), kJ2000);
    EXPECT_DOUBLE_EQ(JulianDayFromDateTime(0.0), 2415018.5); // 30 December 1899
    // Before the date-time epoch the count goes on linearly.
    EXPECT_DOUBLE_EQ(JulianDayFromDateTime(EncodeMoonDateTime(1899, 12, 29, 6)), 2415017.75);
    EXPECT_DOUBLE_EQ(JulianDayFromDateTime(EncodeMoonDateTime(1600, 3, 1)), 2305507.5);
}

TEST(Vsop87, EveryTermOfEveryEarthSeriesIsPresent) {
    const auto count = [](auto series) {
        std::vector<std::size_t> sizes;
        for (const auto& power : series)
            sizes.push_back(power.size());
        return sizes;
    };
    EXPECT_EQ(count(moon_tables::kEarthL), (std::vector<std::size_t>{559, 341, 142, 22, 11, 5}));
    EXPECT_EQ(count(moon_tables::kEarthB), (std::vector<std::size_t>{184, 99, 49, 11, 5}));
    EXPECT_EQ(count(moon_tables::kEarthR), (std::vector<std::size_t>{526, 292, 139, 27, 10, 3}));
    EXPECT_EQ(moon_tables::kMoonLongitudeDistance.size(), 60u);
    EXPECT_EQ(moon_tables::kMoonLatitude.size(), 60u);
    EXPECT_EQ(moon_tables::kNutationTerms.size(), 63u);
}

// Check values published with VSOP87D; a truncated series misses them by far more than 1e-10.
TEST(Vsop87, EarthMatchesThePublishedCheckValues) {
    struct Check {
        double jd, l, b, r;
    };
    const Check checks[] = {
        {2451545.0, 1.7519238681, -0.0000039656, 0.9833276819},
        {2415020.0, 1.7391225563, -0.0000005679, 0.9832689778},
        {2378495.0, 1.7262638916, 0.0000002083, 0.9832274321},
    };
    for (const Check& c : checks) {
        const EarthHeliocentric earth = EarthPositionVsop87(c.jd);
        EXPECT_NEAR(earth.longitude, c.l, 1e-10) << c.jd;
        EXPECT_NEAR(earth.latitude, c.b, 1e-10) << c.jd;
        EXPECT_NEAR(earth.radius, c.r, 1e-10) << c.jd;
    }
}

TEST(WorkedExamples, MoonOn1992April12) {
    const MoonPhase phase = ComputeMoonPhase(kAprilExample);
    EXPECT_NEAR(phase.moon.geometricLongitude, 133.16266, 0.00001);
    EXPECT_NEAR(phase.moon.latitude, -3.229127, 0.00001);
    EXPECT_NEAR(phase.moon.distanceKm, 368409.7, 0.1);
    EXPECT_NEAR(phase.moon.apparentLongitude, 133.16727, 0.00001);
    EXPECT_NEAR(phase.nutationInLongitude * 3600.0, 16.595, 0.01);
}

TEST(WorkedExamples, SunOn1992October13) {
    const MoonPhase phase = ComputeMoonPhase(kOctoberExample);
    EXPECT_NEAR(phase.sun.apparentLongitude, 199.90599, 0.00001);
}

TEST(WorkedExamples, PhaseAngleOn1992April12) {
    const MoonPhase phase = ComputeMoonPhase(kAprilExample);
    EXPECT_NEAR(phase.phaseAngle, 69.0756, 0.0005);
    EXPECT_NEAR(phase.illuminatedFraction, 0.6786, 0.0001);
}

// Sun fixed at longitude 0, one au away; the Moon placed around it on the ecliptic.
double PhaseAtElongation(double moonLongitude) {
    const SunPosition sun{0.0, 0.0, 0.0, 1.0, kKilometresPerAu};
    const MoonPosition moon{moonLongitude, moonLongitude, 0.0, 384400.0};
    return PhaseAngle(sun, moon);
}

TEST(PhaseAngle, BelowHalfTurnWhileWaxingAboveWhileWaning) {
    // At quadrature the Sun's rays reach the Moon 0.15 degree short of a right angle.
    EXPECT_NEAR(PhaseAtElongation(90.0), 89.853, 0.001);
    EXPECT_NEAR(PhaseAtElongation(270.0), 270.147, 0.001);
    EXPECT_NEAR(PhaseAtElongation(45.0), 134.896, 0.001);
    EXPECT_NEAR(PhaseAtElongation(315.0), 225.104, 0.001);
    EXPECT_NEAR(PhaseAtElongation(179.0), 0.997, 0.001);   // just before full
    EXPECT_NEAR(PhaseAtElongation(181.0), 359.003, 0.001); // just after full, never negative
    EXPECT_NEAR(PhaseAtElongation(180.0), 0.0, 1e-9);
    // A perfect conjunction is a new Moon, not a full one.
    EXPECT_DOUBLE_EQ(PhaseAtElongation(0.0), 180.0);
}

// Degrees from full Moon, either way round.
double FromFull(double phaseAngle) {
    return std::min(phaseAngle, 360.0 - phaseAngle);
}

TEST(PhaseAngle, FullAndNewMoonsOfRealEclipses) {
    // Total lunar eclipse, 21 January 2000 about 04:40 UT, and total solar eclipse, 11 August 1999 11:03 UT.
    EXPECT_LT(ComputeMoonPhase(EncodeMoonDateTime(2000, 1, 21, 4, 20)).phaseAngle, 0.5);
    EXPECT_LT(FromFull(ComputeMoonPhase(EncodeMoonDateTime(2000, 1, 21, 4, 44)).phaseAngle), 0.5);
    EXPECT_GT(ComputeMoonPhase(EncodeMoonDateTime(2000, 1, 21, 5, 0)).phaseAngle, 359.5);
    EXPECT_GT(ComputeMoonPhase(EncodeMoonDateTime(2000, 1, 21, 12)).phaseAngle, 355.0);
    EXPECT_NEAR(ComputeMoonPhase(EncodeMoonDateTime(1999, 8, 11, 11, 3)).phaseAngle, 180.0, 0.6);
    // First and last quarter of January 2000.
    EXPECT_NEAR(ComputeMoonPhase(EncodeMoonDateTime(2000, 1, 14, 13, 34)).phaseAngle, 90.0, 0.5);
    EXPECT_NEAR(ComputeMoonPhase(EncodeMoonDateTime(2000, 1, 28, 7, 57)).phaseAngle, 270.0, 0.5);
}

TEST(PhaseName, NamesEachEighthOfJanuary2000) {
    const struct {
        double at;
        PhaseName name;
    } days[] = {
        {EncodeMoonDateTime(2000, 1, 6, 18, 14), PhaseName::New},
        {EncodeMoonDateTime(2000, 1, 10), PhaseName::WaxingCrescent},
        {EncodeMoonDateTime(2000, 1, 14, 13, 34), PhaseName::FirstQuarter},
        {EncodeMoonDateTime(2000, 1, 18), PhaseName::WaxingGibbous},
        {EncodeMoonDateTime(2000, 1, 21, 4, 44), PhaseName::Full},
        {EncodeMoonDateTime(2000, 1, 25), PhaseName::WaningGibbous},
        {EncodeMoonDateTime(2000, 1, 28, 7, 57), PhaseName::LastQuarter},
        {EncodeMoonDateTime(2000, 2, 2), PhaseName::WaningCrescent},
    };
    for (const auto& day : days)
        EXPECT_EQ(NameOfPhase(ComputeMoonPhase(day.at).phaseAngle), day.name) << day.at;
    // Either side of full, where the angle wraps from 0 to 360.
    EXPECT_EQ(NameOfPhase(359.9), PhaseName::Full);
    EXPECT_EQ(NameOfPhase(22.4), PhaseName::Full);
    EXPECT_EQ(NameOfPhase(22.6), PhaseName::WaxingGibbous);
    EXPECT_EQ(NameOfPhase(337.4), PhaseName::WaningGibbous);
}

TEST(PhaseAngle, StaysInRangeOverMonthsAndCenturies) {
    for (double d = EncodeMoonDateTime(1850, 1, 1); d < EncodeMoonDateTime(2150, 1, 1); d += 11.3) {
        const double angle = ComputeMoonPhase(d).phaseAngle;
        ASSERT_GE(angle, 0.0) << d;
        ASSERT_LT(angle, 360.0) << d;
    }
}

TEST(Nutation, MatchesTheWorkedExample) {
    // Meeus: 1987 April 10, 0h TD, nutation in longitude -3.788".
    const double t = (2446895.5 - kJ2000) / 36525.0;
    EXPECT_NEAR(NutationInLongitude(t) * 3600.0, -3.788, 0.002);
}

} // namespace
} // namespace kelvaro::moon
