#include "moon/solar_position.h"

#include "moon/angles.h"
#include "moon/moon_time.h"

#include <cmath>

namespace kelvaro::moon {

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
