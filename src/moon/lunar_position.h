#pragma once

namespace kelvaro::moon {

// The Moon as seen from the Earth's centre (Meeus's abridged ELP-2000/82, mean equinox of date).
struct MoonPosition {
    double geometricLongitude; // degrees, without nutation
    double apparentLongitude;  // degrees, with nutation in longitude
    double latitude;           // degrees
    double distanceKm;         // centre to centre
};

MoonPosition MoonApparentPosition(double julianDay, double nutationInLongitude);

} // namespace kelvaro::moon
