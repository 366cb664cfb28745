#include "moon/solar_position.h"

#include "moon/angles.h"
#include "moon/moon_tables.h"
#include "moon/moon_time.h"

#include <cmath>
#include <numbers>

namespace kelvaro::moon {
namespace {

// X = X0 + X1 tau + X2 tau^2 + ..., each Xn a sum of A cos(B + C tau).
double SumSeries(std::span<const std::span<const moon_tables::VsopTerm>> powers, double tau) {
    double result = 0.0;
    double tauPower = 1.0;
    for (const auto& terms : powers) {
        double sum = 0.0;
        for (const auto& term : terms)
            sum += term.a * std::cos(term.b + term.c * tau);
        result += sum * tauPower;
        tauPower *= tau;
    }
    return result;
}

} // namespace

EarthHeliocentric EarthPositionVsop87(double julianDay) {
    const double tau = (julianDay - kJ2000) / 365250.0;
    double longitude = std::fmod(SumSeries(moon_tables::kEarthL, tau), 2.0 * std::numbers::pi);
    if (longitude < 0.0) longitude += 2.0 * std::numbers::pi;
    return {longitude, SumSeries(moon_tables::kEarthB, tau), SumSeries(moon_tables::kEarthR, tau)};
}

SunPosition SunApparentPosition(double julianDay, double nutationInLongitude) {
    const EarthHeliocentric earth = EarthPositionVsop87(julianDay);
    const double t = JulianCenturiesSinceJ2000(julianDay);

    // Geocentric: the Sun is seen opposite the Earth.
    const double theta = Degrees(earth.longitude) + 180.0;
    const double beta = -Degrees(earth.latitude);

    // From the VSOP dynamical frame to FK5.
    const double lambdaPrime = Radians(theta - 1.397 * t - 0.00031 * t * t);
    const double thetaFk5 = theta - 0.09033 * kArcSecond;
    const double betaFk5 = beta + 0.03916 * kArcSecond * (std::cos(lambdaPrime) - std::sin(lambdaPrime));

    const double aberration = -20.4898 * kArcSecond / earth.radius;
    SunPosition sun{};
    sun.geometricLongitude = NormalizedDegrees(thetaFk5);
    sun.apparentLongitude = NormalizedDegrees(thetaFk5 + aberration + nutationInLongitude);
    sun.latitude = betaFk5;
    sun.radiusAu = earth.radius;
    sun.distanceKm = earth.radius * kKilometresPerAu;
    return sun;
}

} // namespace kelvaro::moon
