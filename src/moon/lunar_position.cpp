#include "moon/lunar_position.h"

#include "moon/angles.h"
#include "moon/moon_tables.h"
#include "moon/moon_time.h"

#include <cmath>
#include <cstdlib>

namespace kelvaro::moon {
namespace {

double SinDegrees(double degrees) {
    return std::sin(Radians(NormalizedDegrees(degrees)));
}

double CosDegrees(double degrees) {
    return std::cos(Radians(NormalizedDegrees(degrees)));
}

// Terms with the Sun's anomaly M shrink with the Earth's orbital eccentricity.
double EccentricityFactor(int multiplierOfM, double e) {
    switch (std::abs(multiplierOfM)) {
    case 1:
        return e;
    case 2:
        return e * e;
    default:
        return 1.0;
    }
}

} // namespace

MoonPosition MoonApparentPosition(double julianDay, double nutationInLongitude) {
    const double t = JulianCenturiesSinceJ2000(julianDay);

    // Mean elements of the first edition of Meeus's book (degrees).
    const double lp =
        Polynomial(t, 218.3164591, 481267.88134236, -0.0013268, 1.0 / 538841.0, -1.0 / 65194000.0);
    const double d =
        Polynomial(t, 297.8502042, 445267.1115168, -0.0016300, 1.0 / 545868.0, -1.0 / 113065000.0);
    const double m = Polynomial(t, 357.5291092, 35999.0502909, -0.0001536, 1.0 / 24490000.0);
    const double mp = Polynomial(t, 134.9634114, 477198.8676313, 0.0089970, 1.0 / 69699.0, -1.0 / 14712000.0);
    const double f =
        Polynomial(t, 93.2720993, 483202.0175273, -0.0034029, -1.0 / 3526000.0, 1.0 / 863310000.0);
    const double a1 = 119.75 + 131.849 * t;
    const double a2 = 53.09 + 479264.290 * t;
    const double a3 = 313.45 + 481266.484 * t;
    const double e = 1.0 - 0.002516 * t - 0.0000074 * t * t;

    double sumL = 0.0; // 1e-6 degree
    double sumR = 0.0; // 1e-3 km
    for (const auto& term : moon_tables::kMoonLongitudeDistance) {
        const double argument = term.d * d + term.m * m + term.mp * mp + term.f * f;
        const double factor = EccentricityFactor(term.m, e);
        sumL += term.sigmaL * factor * SinDegrees(argument);
        sumR += term.sigmaR * factor * CosDegrees(argument);
    }
    double sumB = 0.0; // 1e-6 degree
    for (const auto& term : moon_tables::kMoonLatitude) {
        const double argument = term.d * d + term.m * m + term.mp * mp + term.f * f;
        sumB += term.sigmaB * EccentricityFactor(term.m, e) * SinDegrees(argument);
    }

    // Venus (A1), Jupiter (A2) and the Earth's flattening (L') act on top of the tables.
    sumL += 3958.0 * SinDegrees(a1) + 1962.0 * SinDegrees(lp - f) + 318.0 * SinDegrees(a2);
    sumB += -2235.0 * SinDegrees(lp) + 382.0 * SinDegrees(a3) + 175.0 * SinDegrees(a1 - f) +
            175.0 * SinDegrees(a1 + f) + 127.0 * SinDegrees(lp - mp) - 115.0 * SinDegrees(lp + mp);

    MoonPosition moon{};
    moon.geometricLongitude = NormalizedDegrees(lp + sumL / 1e6);
    moon.apparentLongitude = NormalizedDegrees(moon.geometricLongitude + nutationInLongitude);
    moon.latitude = sumB / 1e6;
    moon.distanceKm = 385000.56 + sumR / 1000.0;
    return moon;
}

} // namespace kelvaro::moon
