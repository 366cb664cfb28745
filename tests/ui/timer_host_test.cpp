// The timer controls run on real timers under the real view: an alarm that
// sounds makes the alarm time blink until it is stopped.
#include "app/program.h"
#include "framework/datetime.h"
#include "platform/fake/fake_media_player.h"
#include "platform/fake/fake_platform.h"
#include "ui/program_view.h"
#include "ui_test_support.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

namespace kelvaro {
namespace {

QRgb shownColor(QWidget* label) {
    return label->palette().color(QPalette::WindowText).rgb();
}

// The colours the label shows while the event loop runs for `ms`.
std::set<QRgb> colorsSeen(QWidget* label, int ms) {
    std::set<QRgb> seen;
    for (int waited = 0; waited < ms; waited += 50) {
        QTest::qWait(50);
        seen.insert(shownColor(label));
    }
    return seen;
}

TEST(TimerHost, TheAlarmTimeBlinksWhileTheAlarmSoundsAndStopsWithIt) {
    uiApp();
    QTemporaryDir dir;
    QFile ini(dir.filePath(QStringLiteral("Kelvaro.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Data]\r\nHour=07\r\nMinute=00\r\n");
    ini.close();
    FakePlatform fakes(encodeDate(2026, 12, 7) + encodeTime(6, 59, 58));
    FakeMediaPlayer player;
    auto app =
        createProgram(fakes.platform(dir.filePath(QStringLiteral("handover.ini")).toStdString(), &player),
                      LocaleInfo::enUS(), dir.path().toStdString(), {"kelvaro"});
    ProgramView view(*app);
    firstPaint(*app);
    view.refresh();
    for (int s = 0; s < 3 && !app->ctl("ButtonStopAlarm").enabled; ++s) {
        fakes.clock.advanceSeconds(1);
        mainTick(*app);
        view.refresh();
    }
    ASSERT_TRUE(app->ctl("ButtonStopAlarm").enabled) << "the alarm did not start";

    QWidget* label = view.widget("LabelAlarmTime");
    ASSERT_NE(label, nullptr);
    const QRgb darkRed = qRgb(128, 0, 0), green = qRgb(0, 128, 0);
    const std::set<QRgb> blinking = colorsSeen(label, 2400); // two firings of 1,050 ms
    EXPECT_TRUE(blinking.count(darkRed)) << "never dark red";
    EXPECT_TRUE(blinking.count(green)) << "never green";

    qobject_cast<QPushButton*>(view.widget("ButtonStopAlarm"))->click();
    EXPECT_FALSE(app->ctl("Flash1").enabled);
    const std::set<QRgb> stopped = colorsSeen(label, 1300);
    EXPECT_EQ(stopped.size(), 1u) << "still blinking after the stop";
}

} // namespace
} // namespace kelvaro
