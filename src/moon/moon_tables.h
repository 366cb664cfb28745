#pragma once

#include <span>

// Numeric tables of the published theories, generated at build time from src/moon/data.
namespace kelvaro::moon_tables {

// One VSOP87 term: A cos(B + C tau).
struct VsopTerm {
    double a;
    double b;
    double c;
};

// Multipliers of D, M, M', F and the coefficients of sin (1e-6 degree) and cos (1e-3 km).
struct MoonTermLR {
    int d, m, mp, f;
    double sigmaL;
    double sigmaR;
};

struct MoonTermB {
    int d, m, mp, f;
    double sigmaB;
};

// Multipliers of D, M, M', F, Omega; coefficients in 0.0001 arc second (psi1, eps1 per century).
struct NutationTerm {
    int d, m, mp, f, om;
    double psi0, psi1;
    double eps0, eps1;
};

// Earth series of VSOP87D, indexed by the power of tau.
extern const std::span<const std::span<const VsopTerm>> kEarthL;
extern const std::span<const std::span<const VsopTerm>> kEarthB;
extern const std::span<const std::span<const VsopTerm>> kEarthR;

extern const std::span<const MoonTermLR> kMoonLongitudeDistance;
extern const std::span<const MoonTermB> kMoonLatitude;
extern const std::span<const NutationTerm> kNutationTerms;

} // namespace kelvaro::moon_tables
