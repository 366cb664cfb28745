#include "moon/vsop87_earth.h"

#include "moon/moon_tables.h"
#include "moon/moon_time.h"

#include <cmath>
#include <cstddef>
#include <map>
#include <numbers>
#include <vector>

namespace kelvaro::moon {
namespace {

// A cos(B + C tau) = (A cos B) cos(C tau) - (A sin B) sin(C tau). The 2425 terms share only 704
// frequencies C, so each cos(C tau) and sin(C tau) is worked out once per evaluation.
struct PreparedTerm {
    double aCosB;
    double aSinB;
    std::size_t frequency; // index into PreparedEarth::frequencies
};

using PreparedSeries = std::vector<std::vector<PreparedTerm>>; // by power of tau

struct PreparedEarth {
    std::vector<double> frequencies;
    PreparedSeries l, b, r;
};

PreparedEarth Prepare() {
    PreparedEarth earth;
    std::map<double, std::size_t> indexOf;
    const auto prepare = [&](std::span<const std::span<const moon_tables::VsopTerm>> powers) {
        PreparedSeries series;
        for (const auto& terms : powers) {
            auto& prepared = series.emplace_back();
            for (const auto& term : terms) {
                const auto [it, added] = indexOf.try_emplace(term.c, earth.frequencies.size());
                if (added) earth.frequencies.push_back(term.c);
                prepared.push_back({term.a * std::cos(term.b), term.a * std::sin(term.b), it->second});
            }
        }
        return series;
    };
    earth.l = prepare(moon_tables::kEarthL);
    earth.b = prepare(moon_tables::kEarthB);
    earth.r = prepare(moon_tables::kEarthR);
    return earth;
}

// X = X0 + X1 tau + X2 tau^2 + ...
double SumSeries(const PreparedSeries& series, const std::vector<double>& cosines,
                 const std::vector<double>& sines, double tau) {
    double result = 0.0;
    double tauPower = 1.0;
    for (const auto& terms : series) {
        double sum = 0.0;
        for (const auto& term : terms)
            sum += term.aCosB * cosines[term.frequency] - term.aSinB * sines[term.frequency];
        result += sum * tauPower;
        tauPower *= tau;
    }
    return result;
}

} // namespace

EarthHeliocentric EarthPositionVsop87(double julianDay) {
    static const PreparedEarth earth = Prepare();
    const double tau = (julianDay - kJ2000) / 365250.0;
    std::vector<double> cosines(earth.frequencies.size());
    std::vector<double> sines(earth.frequencies.size());
    for (std::size_t i = 0; i < earth.frequencies.size(); ++i) {
        const double angle = earth.frequencies[i] * tau;
        cosines[i] = std::cos(angle);
        sines[i] = std::sin(angle);
    }
    double longitude = std::fmod(SumSeries(earth.l, cosines, sines, tau), 2.0 * std::numbers::pi);
    if (longitude < 0.0) longitude += 2.0 * std::numbers::pi;
    return {longitude, SumSeries(earth.b, cosines, sines, tau), SumSeries(earth.r, cosines, sines, tau)};
}

} // namespace kelvaro::moon
