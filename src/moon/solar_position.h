#pragma once

namespace kelvaro::moon {

// Heliocentric ecliptic coordinates of the Earth, mean equinox of date (VSOP87D).
struct EarthHeliocentric {
    double longitude; // radian, in [0, 2 pi)
    double latitude;  // radian
    double radius;    // astronomical units
};

EarthHeliocentric EarthPositionVsop87(double julianDay);

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
