#include "moon/moon_phase.h"
#include "moon/moon_time.h"
#include "moon/tmoon.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kelvaro::moon;

// One phase computation as the control does it each minute: Sun (full VSOP87D), Moon, nutation.
void BM_ComputeMoonPhase(benchmark::State& state) {
    double date = EncodeMoonDateTime(2024, 3, 25, 7);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeMoonPhase(date));
        date += 1.0 / 1440.0;
    }
}
BENCHMARK(BM_ComputeMoonPhase)->Unit(benchmark::kMicrosecond);

void BM_EarthPositionVsop87(benchmark::State& state) {
    double jd = 2460394.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(EarthPositionVsop87(jd));
        jd += 1.0 / 1440.0;
    }
}
BENCHMARK(BM_EarthPositionVsop87)->Unit(benchmark::kMicrosecond);

// The whole minute step of the picture: phase, picture copy, shadow, rotation.
void BM_TMoonSetDate(benchmark::State& state) {
    const MoonBitmap picture(32, 32, 0xFFFFFFFFu);
    TMoon moon([&picture](std::string_view) { return picture; }, EncodeMoonDateTime(2024, 3, 25, 7));
    moon.SetMoonSize(TMoonSize::ms32);
    double date = moon.Date();
    for (auto _ : state) {
        moon.SetDate(date);
        benchmark::DoNotOptimize(moon.Picture().pixels.data());
        date += 1.0 / 1440.0;
    }
}
BENCHMARK(BM_TMoonSetDate)->Unit(benchmark::kMicrosecond);

} // namespace
