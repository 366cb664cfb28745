#pragma once

namespace kelvaro::moon {

// Nutation in longitude (degrees) by the IAU 1980 series; T in Julian centuries from J2000.0.
double NutationInLongitude(double t);

} // namespace kelvaro::moon
