#pragma once

#include "moon/lunar_position.h"
#include "moon/solar_position.h"

namespace kelvaro::moon {

// Everything worked out for one instant; the phase angle is what the picture needs.
struct MoonPhase {
    double julianDay;
    double nutationInLongitude; // degrees
    SunPosition sun;
    MoonPosition moon;
    double elongation;          // degrees, 0..180
    double phaseAngle;          // degrees in [0, 360): 0 full, below 180 waxing, 180 new, above waning
    double illuminatedFraction; // 0..1
};

// The eight phases a calendar names, each the 45 degrees of phase angle around its moment.
enum class PhaseName {
    New,
    WaxingCrescent,
    FirstQuarter,
    WaxingGibbous,
    Full,
    WaningGibbous,
    LastQuarter,
    WaningCrescent
};

PhaseName NameOfPhase(double phaseAngle);

// dateTime: days since 30 December 1899, taken as Universal Time without a dynamical-time correction.
MoonPhase ComputeMoonPhase(double dateTime);

// Phase angle from the Sun's and the Moon's apparent positions, signed by waxing or waning and
// brought into [0, 360).
double PhaseAngle(const SunPosition& sun, const MoonPosition& moon);

} // namespace kelvaro::moon
