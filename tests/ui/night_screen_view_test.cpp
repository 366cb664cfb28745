// The night screen on a display: it covers the screen, hides the pointer, lays
// its labels out from their measured sizes, keeps the keyboard, and a key, a
// button or a long push of the mouse closes it. Saves /tmp/kelvaro-shots/night-screen.png to look at.
#include "app/program.h"
#include "app/windows.h"
#include "night/night_screen_view.h"
#include "platform/fake/fake_platform.h"
#include "ui/program_view.h"
#include "ui_test_support.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

struct NightProgram {
    QTemporaryDir dir;
    FakePlatform fakes{FakeClock::DefaultStart + 23.0 / 24}; // 23:00
    std::unique_ptr<Application> app;
    std::unique_ptr<ProgramView> view;
    std::unique_ptr<NightScreenView> night;

    NightProgram() {
        uiApp();
        app = createProgram(fakes.platform(dir.filePath(QStringLiteral("handover.ini")).toStdString()),
                            LocaleInfo::enUS(), dir.path().toStdString() + "/", {"kelvaro"});
        view = std::make_unique<ProgramView>(*app);
        night = std::make_unique<NightScreenView>(*app, *view);
        firstPaint(*app);
        mainTick(*app);
        view->refresh();
    }
    void sleep() {
        view->user([this] { app->userClick("Sleep1"); });
    }
};

TEST(NightScreenView, CoversTheScreenHidesThePointerAndStacksTheLabels) {
    NightProgram p;
    p.sleep();
    ASSERT_TRUE(p.night->isVisible()) << p.fakes.dialogs.failure();
    EXPECT_EQ(p.night->cursor().shape(), Qt::BlankCursor);
    EXPECT_EQ(p.night->geometry(), QGuiApplication::primaryScreen()->geometry());

    const NightScreen& s = nightScreen(*p.app);
    // Top to bottom: "Alarm Time", the alarm, "Current Time", the clock, the city.
    EXPECT_LT(s.Label2.top, s.LabelATime.top);
    EXPECT_LT(s.LabelATime.top, s.Label1.top);
    EXPECT_LT(s.Label1.top, s.LabelTime.top);
    EXPECT_LT(s.LabelTime.top, s.LabelCity.top);
    EXPECT_EQ(s.LabelTime.top + s.LabelTime.height, s.LabelCity.top);
    const int w = p.night->width();
    EXPECT_LE(std::abs(2 * s.LabelTime.left + s.LabelTime.width - w), 1) << "the clock is centred";
    EXPECT_GT(s.LabelTime.width, s.LabelATime.width) << "measured at 96 px against 48 px";
    EXPECT_EQ(s.LabelStBy.left, s.LabelATime.left + s.LabelATime.width);

    const QImage shot = p.night->grab().toImage();
    QDir().mkpath(QStringLiteral("/tmp/kelvaro-shots"));
    shot.save(QStringLiteral("/tmp/kelvaro-shots/night-screen.png"));
    EXPECT_EQ(shot.pixelColor(2, 2), QColor(Qt::black));
    bool dimText = false;
    const QRect clock(s.LabelTime.left, s.LabelTime.top, s.LabelTime.width, s.LabelTime.height);
    for (int y = clock.top(); y < clock.bottom() && !dimText; y += 2)
        for (int x = clock.left(); x < clock.right() && !dimText; x += 2)
            dimText = shot.pixelColor(x, y) == QColor(0x2D, 0x2D, 0x2D);
    EXPECT_TRUE(dimText) << "the clock is drawn in dim grey";
}

TEST(NightScreenView, AKeyOrAButtonClosesItAndEndsSleepMode) {
    NightProgram p;
    p.sleep();
    ASSERT_TRUE(p.night->isVisible());
    EXPECT_TRUE(p.app->main.SleepModeActive);
    QTest::keyClick(p.night.get(), Qt::Key_Space);
    EXPECT_FALSE(p.night->isVisible());
    EXPECT_FALSE(p.app->main.SleepModeActive);
    EXPECT_TRUE(p.app->main.AllowEndSession);

    p.sleep();
    ASSERT_TRUE(p.night->isVisible());
    QTest::mouseClick(p.night.get(), Qt::LeftButton);
    EXPECT_FALSE(p.night->isVisible());
}

TEST(NightScreenView, AMouseMoveClosesItOnlyBeyondAHundredPixelsFromItsFirstMotion) {
    NightProgram p;
    for (const QPoint first : {QPoint(640, 400), QPoint(3, 5)}) {
        p.sleep();
        ASSERT_TRUE(p.night->isVisible());
        EXPECT_TRUE(p.night->isFullScreen());
        // Wherever the pointer was believed to be: the first motion on the screen is the start.
        QTest::mouseMove(p.night.get(), first);
        QTest::mouseMove(p.night.get(), first + QPoint(100, 100));
        EXPECT_TRUE(p.night->isVisible()) << "first motion at " << first.x() << "," << first.y();
        QTest::mouseMove(p.night.get(), first + QPoint(101, 0));
        EXPECT_FALSE(p.night->isVisible()) << "first motion at " << first.x() << "," << first.y();
    }
}

TEST(NightScreenView, TakesTheKeyboardBackFromTheMainWindow) {
    NightProgram p;
    p.sleep();
    ASSERT_TRUE(QTest::qWaitForWindowActive(p.night.get()));
    QWidget* main = p.view->window(MainWindow::kName);
    ASSERT_NE(main, nullptr);
    main->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.night->isActiveWindow(); }, 2000));
    EXPECT_TRUE(p.night->isVisible()) << "its own program's window does not end it";
    QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_Space);
    EXPECT_FALSE(p.night->isVisible()) << "a key reaches it";
}

} // namespace
} // namespace kelvaro
