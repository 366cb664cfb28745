#pragma once

#include "moon/vsop87_earth.h"

namespace kelvaro::moon {

// The Sun as seen from the Earth's centre.
struct SunPosition {
    double geometricLongitude; // degrees, FK5, mean equinox of date
    double apparentLongitude;  // degrees, with aberration and nutation
    double latitude;           // degrees, FK5
    double radiusAu;
    double distanceKm;
};

inline constexpr double kKilometresPerAu = 149597869.0;

// Nutation in longitude is passed in because the Moon's position needs the same value.
SunPosition SunApparentPosition(double julianDay, double nutationInLongitude);

} // namespace kelvaro::moon
