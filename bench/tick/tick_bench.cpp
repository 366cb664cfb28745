// Cost of one main tick and of one tick that runs the minute step, with the
// fake platform (no online check, no sound).
#include "app/program.h"
#include "framework/datetime.h"
#include "platform/fake/fake_platform.h"

#include <benchmark/benchmark.h>

#include <filesystem>

using namespace kelvaro;

namespace {

struct Rig {
    FakePlatform fakes{encodeDate(2026, 12, 7) + encodeTime(6, 59, 0)};
    FakeClock& clock = fakes.clock;
    std::string dir;
    std::unique_ptr<Application> app;

    Rig() {
        dir = std::filesystem::temp_directory_path() / ("kelvaro-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        app =
            createProgram(fakes.platform(dir + "/handover.ini"), LocaleInfo::enUS(), dir + "/", {"kelvaro"});
        firstPaint(*app);
    }
    ~Rig() {
        app.reset();
        std::filesystem::remove_all(dir);
    }
};

void BM_Tick(benchmark::State& state) {
    Rig rig;
    mainTick(*rig.app); // the first tick runs the minute step
    for (auto _ : state) {
        rig.clock.advanceSeconds(1.0 / 1000); // stays inside the minute
        mainTick(*rig.app);
    }
}
BENCHMARK(BM_Tick);

void BM_MinuteStep(benchmark::State& state) {
    Rig rig;
    for (auto _ : state) {
        rig.clock.advanceSeconds(60); // every pass is a new minute
        mainTick(*rig.app);
    }
}
BENCHMARK(BM_MinuteStep);

} // namespace
