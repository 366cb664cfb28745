// One full recalculation of the plan and one pass of the step announcements while
// the planned alarm sounds (target: each under 100 µs).
#include "app/program.h"
#include "app/windows.h"
#include "framework/application.h"
#include "framework/datetime.h"
#include "platform/fake/fake_platform.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace kelvaro;

namespace {

// The initial plan set as the alarm, sounding, at 06:40 (the shower step, already announced).
struct Rig {
    FakePlatform fakes{encodeDate(2026, 12, 8) + encodeTime(6, 8, 59)};
    std::string dir =
        std::filesystem::temp_directory_path() / ("kelvaro-superalarm-bench-" + std::to_string(::getpid()));
    std::unique_ptr<Application> app;

    Rig() {
        std::filesystem::create_directories(dir);
        std::ofstream(dir + "/Kelvaro.ini", std::ios::binary)
            << "[Data]\r\nHour=06\r\nMinute=09\r\nAMPM=AM\r\n";
        std::ofstream(dir + "/Mission2.mid", std::ios::binary) << "MThd";
        app =
            createProgram(fakes.platform(dir + "/handover.ini"), LocaleInfo::enUS(), dir + "/", {"kelvaro"});
        firstPaint(*app);
        for (int i = 0; i < 31 * 60 + 2; ++i) {
            fakes.clock.advanceSeconds(1);
            mainTick(*app);
        }
    }
    ~Rig() {
        app.reset();
        std::filesystem::remove_all(dir);
    }
};

void BM_RecalculatePlan(benchmark::State& state) {
    Rig rig;
    for (auto _ : state)
        rig.app->run("RecalculatePlan", {"Edit9M"});
    if (!notebook(*rig.app).LabelMAlarmTime.caption.starts_with("06:09")) state.SkipWithError("wrong plan");
}
BENCHMARK(BM_RecalculatePlan);

void BM_RefreshMilestones(benchmark::State& state) {
    Rig rig;
    for (auto _ : state)
        rig.app->run("RefreshMilestones");
    if (mainWindow(*rig.app).Labelss.color != 0x008000) state.SkipWithError("the shower step is not current");
}
BENCHMARK(BM_RefreshMilestones);

} // namespace
