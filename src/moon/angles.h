#pragma once

#include <cmath>
#include <numbers>

namespace kelvaro::moon {

inline constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
inline constexpr double kArcSecond = 1.0 / 3600.0; // in degrees

constexpr double Radians(double degrees) {
    return degrees / kDegreesPerRadian;
}

constexpr double Degrees(double radians) {
    return radians * kDegreesPerRadian;
}

// The angle brought into [0, 360).
inline double NormalizedDegrees(double degrees) {
    double reduced = std::fmod(degrees, 360.0);
    if (reduced < 0.0) reduced += 360.0;
    return reduced >= 360.0 ? 0.0 : reduced;
}

// A polynomial in t with the coefficients from the constant term up.
template <typename... Coefficients> constexpr double Polynomial(double t, double c0, Coefficients... rest) {
    if constexpr (sizeof...(rest) == 0) {
        return c0;
    } else {
        return c0 + t * Polynomial(t, rest...);
    }
}

} // namespace kelvaro::moon
