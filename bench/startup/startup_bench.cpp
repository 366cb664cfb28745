// Start-up with big files: reading a 1 MB settings file and an N-row city list,
// building the city menu, and rebuilding it (as every visit of the notebook does).
#include "app/program.h"
#include "framework/datetime.h"
#include "platform/fake/fake_platform.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace kelvaro;

namespace {

std::string cityList(long rows) {
    std::string text;
    for (long i = 1; i <= rows; ++i) {
        text += "City " + std::to_string(i) + "\x07" + std::to_string(i % 25 - 12) + "\x07" +
                (i == 7 ? "1" : "0");
        for (int cell = 3; cell < 25; ++cell)
            text += "\x07";
        text += "\r\n";
    }
    return text;
}

// Every key the program reads, then comments and another section up to 1 MB.
std::string bigSettings() {
    std::string text = "[Data]\r\nHour=06\r\nMinute=45\r\nAlarmON=1\r\nN24Hour=0\r\n";
    for (int i = 0; text.size() < (1u << 20); ++i)
        text += "; note " + std::to_string(i) + " of the user\r\n";
    text += "[Other]\r\n";
    return text;
}

struct Folder {
    std::string dir;
    explicit Folder(long cities) {
        dir =
            std::filesystem::temp_directory_path() / ("kelvaro-startup-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        std::ofstream(dir + "/Cities.txt", std::ios::binary) << cityList(cities);
        std::ofstream(dir + "/Kelvaro.ini", std::ios::binary) << bigSettings();
    }
    ~Folder() { std::filesystem::remove_all(dir); }
};

void BM_StartWithBigFiles(benchmark::State& state) {
    Folder folder(state.range(0));
    FakePlatform fakes{encodeDate(2026, 12, 7) + encodeTime(6, 0, 0)};
    for (auto _ : state) {
        auto app = createProgram(fakes.platform(folder.dir + "/handover.ini"), LocaleInfo::enUS(),
                                 folder.dir + "/", {"kelvaro"});
        firstPaint(*app);
        benchmark::DoNotOptimize(app.get());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_StartWithBigFiles)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

void BM_RebuildCityMenu(benchmark::State& state) {
    Folder folder(state.range(0));
    FakePlatform fakes{encodeDate(2026, 12, 7) + encodeTime(6, 0, 0)};
    auto app = createProgram(fakes.platform(folder.dir + "/handover.ini"), LocaleInfo::enUS(),
                             folder.dir + "/", {"kelvaro"});
    firstPaint(*app);
    for (auto _ : state)
        app->run("RebuildCityMenu");
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RebuildCityMenu)->Arg(1000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace
