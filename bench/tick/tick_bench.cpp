// Cost of one main tick and of one tick that runs the minute step, with the
// fake platform (no online check, no sound).
#include "app/datetime.h"
#include "app/program.h"
#include "platform/fake_autostart.h"
#include "platform/fake_clock.h"
#include "platform/fake_dialogs.h"
#include "platform/fake_shell.h"
#include "platform/fake_speaker.h"

#include <benchmark/benchmark.h>

#include <filesystem>

using namespace kelvaro;

namespace {

struct Rig {
    FakeClock clock{encodeDate(2026, 12, 7) + encodeTime(6, 59, 0)};
    FakeDialogs dialogs;
    FakeSpeaker speaker;
    FakeShell shell;
    FakeAutostart autostart;
    std::string dir;
    std::unique_ptr<Application> app;

    Rig() {
        dir = std::filesystem::temp_directory_path() / ("kelvaro-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        Platform p;
        p.clock = &clock;
        p.dialogs = &dialogs;
        p.speaker = &speaker;
        p.shell = &shell;
        p.autostart = &autostart;
        p.handoverFile = dir + "/handover.ini";
        app = createProgram(p, LocaleInfo::enUS(), dir, {"kelvaro"});
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
