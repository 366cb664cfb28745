#pragma once

namespace kelvaro::moon {

// Heliocentric ecliptic coordinates of the Earth, mean equinox of date (VSOP87D, every term).
struct EarthHeliocentric {
    double longitude; // radian, in [0, 2 pi)
    double latitude;  // radian
    double radius;    // astronomical units
};

EarthHeliocentric EarthPositionVsop87(double julianDay);

} // namespace kelvaro::moon
