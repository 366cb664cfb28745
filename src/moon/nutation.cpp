#include "moon/nutation.h"

#include "moon/angles.h"
#include "moon/moon_tables.h"

#include <cmath>

namespace kelvaro::moon {

double NutationInLongitude(double t) {
    // Fundamental arguments of the nutation series (degrees), as the table's header gives them.
    const double d = Polynomial(t, 297.85036, 445267.111480, -0.0019142, 1.0 / 189474.0);
    const double m = Polynomial(t, 357.52772, 35999.050340, -0.0001603, -1.0 / 300000.0);
    const double mp = Polynomial(t, 134.96298, 477198.867398, 0.0086972, 1.0 / 56250.0);
    const double f = Polynomial(t, 93.27191, 483202.017538, -0.0036825, 1.0 / 327270.0);
    const double om = Polynomial(t, 125.04452, -1934.136261, 0.0020708, 1.0 / 450000.0);

    double sum = 0.0; // 0.0001 arc second
    for (const auto& term : moon_tables::kNutationTerms) {
        const double argument = term.d * d + term.m * m + term.mp * mp + term.f * f + term.om * om;
        sum += (term.psi0 + term.psi1 * t) * std::sin(Radians(NormalizedDegrees(argument)));
    }
    return sum * 0.0001 * kArcSecond;
}

} // namespace kelvaro::moon
