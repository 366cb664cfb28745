// Builds the whole program's windows with fake services and saves pictures of
// them to /tmp/kelvaro-shots/ for a person to look at.
#include "app/program.h"
#include "moon/moon_phase.h"
#include "moon/moon_widget.h"
#include "platform/fake/fake_platform.h"
#include "platform/linux/translation.h"
#include "ui/feature_widgets.h"
#include "ui/program_view.h"
#include "ui_test_support.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

// English as main-window.png, settings-*.png; every other language with its code in front.
void shootMainWindowAndNotebook(const std::string& language) {
    useLanguage(language);
    const QString prefix = language == "en" ? QString() : QString::fromStdString(language + "-");
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    FakePlatform fakes(FakeClock::DefaultStart + 7.0 / 24 + 42.0 / 1440); // 07:42
    FakeDialogs& dialogs = fakes.dialogs;
    const LocaleInfo locale = language == "en" ? LocaleInfo::enUS() : languageLocaleInfo();
    auto app = createProgram(fakes.platform(dir.filePath(QStringLiteral("handover.ini")).toStdString()),
                             locale, dir.path().toStdString(), {"kelvaro"});
    ProgramView view(*app);
    firstPaint(*app);
    mainTick(*app);
    view.refresh();
    EXPECT_TRUE(dialogs.failure().empty()) << dialogs.failure();

    QWidget* main = view.window("TFormKelvaro");
    ASSERT_TRUE(main->isVisible());
    QDir().mkpath(QStringLiteral("/tmp/kelvaro-shots"));
    const QImage mainShot = main->grab().toImage();
    EXPECT_TRUE(mainShot.save(QStringLiteral("/tmp/kelvaro-shots/%1main-window.png").arg(prefix)));

    app->form("TFormCity").visible = true;
    app->touch();
    view.refresh();
    QWidget* notebook = view.window("TFormCity");
    ASSERT_TRUE(notebook->isVisible());
    EXPECT_TRUE(notebook->grab().toImage().save(
        QStringLiteral("/tmp/kelvaro-shots/%1settings-notebook.png").arg(prefix)));
    auto* tabs = qobject_cast<QTabWidget*>(view.widget("PageControl1"));
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->currentWidget(), view.widget("TabSheetSettings"));
    EXPECT_FALSE(tabs->isTabVisible(tabs->indexOf(view.widget("TabSheetDebug"))));
    // Every other page the user can reach.
    for (int i = 0; i < tabs->count(); ++i) {
        if (!tabs->isTabVisible(i)) continue;
        tabs->setCurrentIndex(i);
        const QString file =
            QStringLiteral("/tmp/kelvaro-shots/%1settings-%2.png").arg(prefix, tabs->widget(i)->objectName());
        EXPECT_TRUE(notebook->grab().toImage().save(file));
    }
    useLanguage("en");
}

TEST(Screenshots, MainWindowAndSettingsNotebookInEveryLanguage) {
    uiApp();
    for (const char* language : {"en", "de", "fr", "es", "ja"}) {
        SCOPED_TRACE(language);
        shootMainWindowAndNotebook(language);
    }
}

} // namespace
} // namespace kelvaro

namespace kelvaro {
namespace {

// The first instant of December 2026 whose phase angle is nearest the wanted one.
double instantWithPhase(double wanted) {
    const double start = 46357.0; // 2026-12-01
    double best = start, bestGap = 360;
    for (double t = start; t < start + 30; t += 1.0 / 24) {
        const double angle = moon::ComputeMoonPhase(t).phaseAngle;
        const double gap = std::min(std::abs(angle - wanted), 360 - std::abs(angle - wanted));
        if (gap < bestGap) best = t, bestGap = gap;
    }
    return best;
}

// The program with its main window shown: the first tick shows it, and its widgets are built then.
struct ShownProgram {
    QTemporaryDir dir;
    FakePlatform fakes;
    std::unique_ptr<Application> app =
        createProgram(fakes.platform(dir.filePath(QStringLiteral("handover.ini")).toStdString()),
                      LocaleInfo::enUS(), dir.path().toStdString(), {"kelvaro"});
    ProgramView view{*app};
    ShownProgram() {
        registerFeatureWidgets(view);
        firstPaint(*app);
        mainTick(*app);
        view.refresh();
    }
};

TEST(Screenshots, MoonOnTheMainWindowAtSeveralPhases) {
    uiApp();
    ShownProgram shown;
    FakeClock& clock = shown.fakes.clock;
    Application* app = shown.app.get();
    ProgramView& view = shown.view;
    auto* moonWidget = qobject_cast<MoonWidget*>(view.widget("Moon1"));
    ASSERT_NE(moonWidget, nullptr);
    EXPECT_EQ(moonWidget->geometry(), QRect(32, 115, 32, 32));
    QDir().mkpath(QStringLiteral("/tmp/kelvaro-shots"));
    int minute = 0;
    for (int angle : {0, 45, 90, 135, 180, 270}) {
        clock.set(instantWithPhase(angle) + (++minute) / 1440.0); // a new minute each time
        mainTick(*app); // the minute step hands the city time to the moon
        view.refresh();
        EXPECT_NEAR(moonWidget->moon().PhaseAngle(),
                    static_cast<long double>(moon::ComputeMoonPhase(clock.now()).phaseAngle), 1e-6);
        const QImage shot = view.window("TFormKelvaro")->grab(QRect(0, 100, 120, 70)).toImage();
        EXPECT_TRUE(shot.scaled(360, 210).save(QStringLiteral("/tmp/kelvaro-shots/moon-%1.png").arg(angle)));
    }
}

// The minute's new date is drawn ten minutes on: the picture could not have moved sooner.
TEST(Screenshots, MoonTakesTheTicksDateTenMinutesOnOrBack) {
    uiApp();
    ShownProgram shown;
    Application* app = shown.app.get();
    ProgramView& view = shown.view;
    auto* moonWidget = qobject_cast<MoonWidget*>(view.widget("Moon1"));
    ASSERT_NE(moonWidget, nullptr);
    const double start = instantWithPhase(90);
    for (const auto& [date, drawn] :
         std::vector<std::pair<double, double>>{{start, start},
                                                {start + 9.0 / 1440, start},
                                                {start + 10.0 / 1440, start + 10.0 / 1440},
                                                {start - 1.0 / 1440, start - 1.0 / 1440}}) {
        app->main.CityNow = date;
        app->run("SetMoonDate");
        view.refresh();
        EXPECT_DOUBLE_EQ(moonWidget->moon().Date(), drawn);
    }
}

} // namespace
} // namespace kelvaro

namespace kelvaro {
namespace {

void writeText(const QString& path, const char* bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The three music tabs with a few rows, and the volume slider as an alarm shows it.
TEST(Screenshots, MusicListsAndVolumeSlider) {
    uiApp();
    QTemporaryDir dir;
    writeText(dir.filePath(QStringLiteral("Waves.wva")),
              "Morning Birds.mp3\x07/home/me/Music/\x07\r\nTaDa.mp3\x07/home/me/\x07\r\nRadio "
              "Jingle.wav\x07/home/me/\x07\r\n");
    writeText(dir.filePath(QStringLiteral("CDs.wva")),
              "Track01.cda\x07/dev/sr0/\x07\r\nTrack02.cda\x07/dev/sr0/\x07\r\n");
    writeText(dir.filePath(QStringLiteral("WebRadio.wva")), "News\x07http://radio.example/news\x07\r\n");
    FakePlatform fakes(FakeClock::DefaultStart + 7.0 / 24);
    auto app = createProgram(fakes.platform(dir.filePath(QStringLiteral("handover.ini")).toStdString()),
                             LocaleInfo::enUS(), dir.path().toStdString(), {"kelvaro"});
    ProgramView view(*app);
    firstPaint(*app);
    app->form("TFormCity").visible = true;
    app->touch();
    view.refresh();
    auto* tabs = qobject_cast<QTabWidget*>(view.widget("PageControl1"));
    ASSERT_NE(tabs, nullptr);
    QDir().mkpath(QStringLiteral("/tmp/kelvaro-shots"));
    for (const char* page : {"TabSheetWave", "TabSheetCD", "TabSheetWebRadio"}) {
        tabs->setCurrentWidget(view.widget(page));
        EXPECT_TRUE(view.window("TFormCity")
                        ->grab()
                        .toImage()
                        .save(QStringLiteral("/tmp/kelvaro-shots/music-%1.png").arg(QLatin1String(page))));
    }
    app->closeForm("TFormCity");
    app->run("TestVolume");
    mainTick(*app);
    view.refresh();
    EXPECT_TRUE(view.widget("TrackBarCD")->isVisible());
    EXPECT_TRUE(view.window("TFormKelvaro")
                    ->grab()
                    .toImage()
                    .save(QStringLiteral("/tmp/kelvaro-shots/volume-slider.png")));
}

} // namespace
} // namespace kelvaro
