// Cost of the minute step with ten cities that have their own zone, read from the system's tz
// database (QTimeZone) and from the fake one; and of the zone refresh on its own.
#include "app/program.h"
#include "app/steps.h"
#include "framework/datetime.h"
#include "platform/fake/fake_platform.h"
#include "platform/linux/linux_zone_database.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

using namespace kelvaro;

namespace {

constexpr const char* kCities[][2] = {
    {"Paris", "Europe/Paris"},
    {"New York", "America/New_York"},
    {"Tokyo", "Asia/Tokyo"},
    {"Kathmandu", "Asia/Kathmandu"},
    {"Sydney", "Australia/Sydney"},
    {"Sao Paulo", "America/Sao_Paulo"},
    {"Kolkata", "Asia/Kolkata"},
    {"London", "Europe/London"},
    {"Los Angeles", "America/Los_Angeles"},
    {"St. John's", "America/St_Johns"},
};

struct Rig {
    FakePlatform fakes{encodeDate(2027, 3, 10) + encodeTime(6, 59, 0)};
    LinuxZoneDatabase system;
    std::string dir;
    std::unique_ptr<Application> app;

    explicit Rig(bool systemZones) {
        dir = std::filesystem::temp_directory_path() / ("kelvaro-zones-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        std::ofstream cities(dir + "/Cities.txt", std::ios::binary);
        std::ofstream ini(dir + "/Kelvaro.ini", std::ios::binary);
        ini << "[Zones]\r\n";
        for (const auto& city : kCities) {
            cities << city[0] << "\x07"
                   << "0\x07" << (&city == &kCities[0] ? "1" : "0") << "\x07\r\n";
            ini << city[0] << "=" << city[1] << "\r\n";
        }
        cities.close();
        ini.close();
        ZoneDatabase& zones = systemZones ? static_cast<ZoneDatabase&>(system) : fakes.zones;
        fakes.clock.followZone(zones, "Europe/Berlin");
        Platform platform = fakes.platform(dir + "/handover.ini");
        platform.zones = &zones;
        app = createProgram(platform, LocaleInfo::enUS(), dir, {"kelvaro"});
        firstPaint(*app);
        mainTick(*app);
    }
    ~Rig() {
        app.reset();
        std::filesystem::remove_all(dir);
    }
};

void BM_MinuteStepTenZonedCities(benchmark::State& state) {
    Rig rig(state.range(0) != 0);
    for (auto _ : state) {
        rig.fakes.clock.advanceSeconds(60); // every pass is a new minute
        mainTick(*rig.app);
    }
}
BENCHMARK(BM_MinuteStepTenZonedCities)->ArgName("system")->Arg(1)->Arg(0);

void BM_ZoneRefreshTenCities(benchmark::State& state) {
    Rig rig(state.range(0) != 0);
    for (auto _ : state) {
        rig.fakes.clock.advanceSeconds(60);
        runStep(*rig.app, Step::RefreshCityZones);
    }
}
BENCHMARK(BM_ZoneRefreshTenCities)->ArgName("system")->Arg(1)->Arg(0);

} // namespace
