// A city list of N rows in the real windows (offscreen): the milliseconds until the main
// window shows, until the notebook's city grid shows, and for each key typed into the grid
// (the key's handlers and the view's refresh that follows it).
// Usage: cities_view_run [rows] [keys]
#include "app/main_tick.h"
#include "app/program.h"
#include "platform/fake/fake_platform.h"
#include "ui/program_view.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

using namespace kelvaro;

int main(int argc, char** argv) {
    const long rows = argc > 1 ? std::atol(argv[1]) : 100000;
    const int keys = argc > 2 ? std::atoi(argv[2]) : 20;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    QTemporaryDir dir;
    {
        std::ofstream list(dir.filePath(QStringLiteral("Cities.txt")).toStdString(), std::ios::binary);
        for (long i = 1; i <= rows; ++i) {
            list << "City " << i << '\x07' << (i % 25 - 12) << '\x07' << (i == 7 ? "1" : "0");
            for (int cell = 3; cell < 25; ++cell)
                list << '\x07';
            list << "\r\n";
        }
    }
    FakePlatform fakes;
    QElapsedTimer clock;
    clock.start();
    auto app = createProgram(fakes.platform(dir.filePath(QStringLiteral("handover.ini")).toStdString()),
                             LocaleInfo::enUS(), dir.path().toStdString() + "/", {"kelvaro"});
    ProgramView view(*app);
    const qint64 made = clock.elapsed();
    firstPaint(*app);
    mainTick(*app);
    const qint64 painted = clock.elapsed();
    view.refresh();
    QCoreApplication::processEvents();
    const qint64 shown = clock.elapsed();
    std::printf("%ld cities: main window shown after %lld ms (visible: %s; program made %lld ms, "
                "first paint %lld ms, view %lld ms)\n",
                rows, static_cast<long long>(shown), view.window("TFormKelvaro")->isVisible() ? "yes" : "no",
                static_cast<long long>(made), static_cast<long long>(painted - made),
                static_cast<long long>(shown - painted));

    clock.restart();
    view.action("AddNewTimeZone1")->trigger();
    QCoreApplication::processEvents();
    auto* grid = qobject_cast<QTableWidget*>(view.widget("MgridCities"));
    std::printf("city grid shown after %lld ms (%d rows)\n", static_cast<long long>(clock.elapsed()),
                grid ? grid->rowCount() : -1);
    if (!grid) return 1;
    grid->setCurrentCell(0, 0);
    std::vector<double> times;
    for (int i = 0; i < keys; ++i) {
        clock.restart();
        QTest::keyClick(grid, static_cast<char>('a' + i % 26));
        QCoreApplication::processEvents();
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("%d keys typed into the grid: median %.1f ms, slowest %.1f ms\n", keys,
                times[times.size() / 2], times.back());
    return 0;
}
