// A week in one run: the whole program on the fake platform through 7 simulated days, one main
// tick per simulated second. Every morning the alarm sounds at 07:00 in the chosen city, is snoozed
// once and stopped when it comes back; every afternoon the city changes; every evening the alarm time
// and the snooze length are edited and put back. Reports the time each day took and its peak
// memory, and fails when days 3 to 7 need more memory than day 2.
// Usage: week_run [days]   (default 7)
#include "app/program.h"
#include "app/timer_controls.h"
#include "app/windows.h"
#include "framework/datetime.h"
#include "platform/fake/fake_platform.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <string>
#include <unistd.h>

using namespace kelvaro;
namespace fs = std::filesystem;

namespace {

long statusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::string(field).size());
    return -1;
}

// Peak resident memory since the last reset (VmHWM), and the reset.
long peakKilobytes() {
    return statusKilobytes("VmHWM:");
}
void resetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

struct Day {
    double seconds = 0;
    long peakKb = 0, heapKb = 0;
    int alarms = 0, snoozes = 0, stops = 0;
    int alarmSecond = -1; // local time of day the alarm began: it moves with the city
};

// The user's part of the morning: snooze the alarm 30 s after it starts sounding, stop it 30 s
// after it comes back.
struct Morning {
    enum Phase { Waiting, Sounding, Snoozed, SoundingAgain } phase = Waiting;
    int secondsInPhase = 0;

    void step(Application& app, Day& day, int second) {
        MainWindow& w = mainWindow(app);
        const bool inProgress = w.ButtonStopAlarm.enabled, blinking = w.Flash1.enabled;
        ++secondsInPhase;
        switch (phase) {
        case Waiting:
            if (inProgress && blinking) enter(Sounding), ++day.alarms, day.alarmSecond = second + 1;
            break;
        case Sounding:
            if (secondsInPhase == 30) app.userKey("a"), ++day.snoozes, enter(Snoozed);
            break;
        case Snoozed:
            if (blinking) enter(SoundingAgain);
            break;
        case SoundingAgain:
            if (secondsInPhase == 30) app.userClick(w.ButtonStopAlarm.name), ++day.stops, enter(Waiting);
            break;
        }
    }
    void enter(Phase next) { phase = next, secondsInPhase = 0; }
};

} // namespace

int main(int argc, char** argv) {
    const int days = argc > 1 ? std::atoi(argv[1]) : 7;
    const fs::path dir = fs::temp_directory_path() / ("kelvaro-week-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "Kelvaro.ini") << "[Data]\r\nHour=07\r\nMinute=00\r\nAMPM=AM\r\nSnozTime=05\r\n";
    // Hour differences of -1 to 2 keep 07:00 in every city in the same local morning.
    std::ofstream(dir / "Cities.txt") << "London\x07"
                                         "0\x07"
                                         "1\x07\r\nParis\x07"
                                         "1\x07\x07\r\n"
                                         "Azores\x07-1\x07\x07\r\nAthens\x07"
                                         "2\x07\x07\r\n";

    // Monday 7 December 2026, 00:00:00 local time (UTC).
    FakePlatform fakes(encodeDate(2026, 12, 7));
    auto app = createProgram(fakes.platform((dir / "handover.ini").string()), LocaleInfo::enUS(),
                             dir.string() + "/", {"kelvaro"});
    firstPaint(*app);

    std::printf("day  seconds  peak RSS kB  heap kB  alarm at  alarms snoozes stops\n");
    std::vector<Day> week(days);
    Morning morning;
    for (int d = 0; d < days; ++d) {
        Day& day = week[d];
        resetPeak();
        const auto start = std::chrono::steady_clock::now();
        for (int second = 0; second < 86400; ++second) {
            fakes.clock.advanceSeconds(1);
            mainTick(*app);
            timerTick(*app, mainWindow(*app).Flash1.name);
            morning.step(*app, day, second);
            if (second == 15 * 3600) // the cities' menu items are made at run time, so by name
                app->userClick("CityItem" + std::to_string(1 + (d + 1) % 4));
            if (second == 18 * 3600) {
                app->userChoose(mainWindow(*app).ComboBoxMinute.name, "15");
                app->userChoose(mainWindow(*app).ComboBoxSnooze.name, "10");
            }
            if (second == 18 * 3600 + 60) {
                app->userChoose(mainWindow(*app).ComboBoxMinute.name, "00");
                app->userChoose(mainWindow(*app).ComboBoxSnooze.name, "05");
            }
        }
        day.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        day.peakKb = peakKilobytes();
        day.heapKb = static_cast<long>(mallinfo2().uordblks / 1024);
        fakes.speaker.clear(); // the fakes' own records are not the program's memory
        fakes.shell.clear();
        std::printf("%3d  %7.2f  %11ld  %7ld  %02d:%02d:%02d  %6d %7d %5d\n", d + 1, day.seconds, day.peakKb,
                    day.heapKb, day.alarmSecond / 3600, day.alarmSecond / 60 % 60, day.alarmSecond % 60,
                    day.alarms, day.snoozes, day.stops);
    }
    closeMainWindow(*app);
    app.reset();
    fs::remove_all(dir);

    int failures = 0;
    for (int d = 0; d < days; ++d)
        if (week[d].alarms != 1 || week[d].snoozes != 1 || week[d].stops != 1) {
            std::printf("day %d: the morning did not run as planned\n", d + 1);
            ++failures;
        }
    // Flat: no day after the second needs more than day 2 plus a page-rounding allowance.
    for (int d = 2; d < days; ++d)
        if (week[d].peakKb > week[1].peakKb + 256 || week[d].heapKb > week[1].heapKb + 64) {
            std::printf("day %d: memory grew (peak %ld kB, heap %ld kB; day 2: %ld kB, %ld kB)\n", d + 1,
                        week[d].peakKb, week[d].heapKb, week[1].peakKb, week[1].heapKb);
            ++failures;
        }
    std::printf(failures ? "memory or morning check FAILED\n" : "memory flat from day 2 to day %d\n", days);
    return failures ? 1 : 0;
}
