#include "moon/moon_phase.h"

#include "moon/angles.h"
#include "moon/moon_time.h"
#include "moon/nutation.h"

#include <algorithm>
#include <cmath>

namespace kelvaro::moon {
namespace {

double Elongation(const SunPosition& sun, const MoonPosition& moon) {
    // The Sun's latitude is below an arc second and left out.
    const double cosine =
        std::cos(Radians(moon.latitude)) * std::cos(Radians(moon.apparentLongitude - sun.apparentLongitude));
    return Degrees(std::acos(std::clamp(cosine, -1.0, 1.0)));
}

} // namespace

double PhaseAngle(const SunPosition& sun, const MoonPosition& moon) {
    const double psi = Radians(Elongation(sun, moon));
    double angle = Degrees(
        std::atan(sun.distanceKm * std::sin(psi) / (moon.distanceKm - sun.distanceKm * std::cos(psi))));
    // -0 (a perfect conjunction) counts as negative: that is a new Moon.
    if (std::signbit(angle)) angle += 180.0;
    // East of the Sun the Moon waxes; west of it the angle counts on from 180 towards 360.
    if (NormalizedDegrees(moon.apparentLongitude - sun.apparentLongitude) > 180.0) angle = -angle;
    angle -= 360.0 * std::nearbyint(angle / 360.0);
    while (angle < 0.0)
        angle += 360.0;
    return angle;
}

PhaseName NameOfPhase(double phaseAngle) {
    // The angle falls from 180 (new) through 90 (first quarter) to 0 (full), then from 360 on
    // through 270 (last quarter): turned round, it counts the month from the new Moon.
    const double sinceNew = NormalizedDegrees(180.0 - phaseAngle);
    const int eighth = static_cast<int>(std::floor((sinceNew + 22.5) / 45.0)) % 8;
    return static_cast<PhaseName>(eighth);
}

MoonPhase ComputeMoonPhase(double dateTime) {
    MoonPhase result{};
    result.julianDay = JulianDayFromDateTime(dateTime);
    result.nutationInLongitude = NutationInLongitude(JulianCenturiesSinceJ2000(result.julianDay));
    result.sun = SunApparentPosition(result.julianDay, result.nutationInLongitude);
    result.moon = MoonApparentPosition(result.julianDay, result.nutationInLongitude);
    result.elongation = Elongation(result.sun, result.moon);
    result.phaseAngle = PhaseAngle(result.sun, result.moon);
    result.illuminatedFraction = (1.0 + std::cos(Radians(result.phaseAngle))) / 2.0;
    return result;
}

} // namespace kelvaro::moon
