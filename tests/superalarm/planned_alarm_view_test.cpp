// The planner page and the main window during a planned alarm, shown by the
// generic views: the step lines and the planner's results reach their widgets.
// Pictures go to /tmp/kelvaro-shots/ for a person to look at.
#include "../ui/ui_test_support.h"
#include "app/program.h"
#include "app/windows.h"
#include "framework/datetime.h"
#include "platform/fake/fake_platform.h"
#include "ui/program_view.h"

#include <QDir>
#include <QLabel>
#include <QTabWidget>
#include <QTemporaryDir>

#include <fstream>

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(PlannedAlarmView, StepLinesAndPlannerResultsAreShown) {
    uiApp();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string folder = dir.path().toStdString() + "/";
    std::ofstream(folder + "Kelvaro.ini", std::ios::binary)
        << "[Data]\r\nHour=06\r\nMinute=09\r\nAMPM=AM\r\n";
    std::ofstream(folder + "Mission2.mid", std::ios::binary) << "MThd";
    FakePlatform fakes(encodeDate(2026, 12, 8) + encodeTime(6, 8, 59));
    auto app =
        createProgram(fakes.platform(folder + "handover.ini"), LocaleInfo::enUS(), folder, {"kelvaro"});
    ProgramView view(*app);
    firstPaint(*app);
    for (int i = 0; i < 26 * 60 + 2; ++i) { // to 06:35, the shower step
        fakes.clock.advanceSeconds(1);
        mainTick(*app);
    }
    view.refresh();
    auto* shower = qobject_cast<QLabel*>(view.widget("Labelss"));
    ASSERT_NE(shower, nullptr);
    EXPECT_EQ(shower->text().toStdString(), "06:34 AM - Start Showering");
    EXPECT_TRUE(shower->isVisible());
    QDir().mkpath(QStringLiteral("/tmp/kelvaro-shots"));
    EXPECT_TRUE(view.window("TFormKelvaro")
                    ->grab()
                    .toImage()
                    .save(QStringLiteral("/tmp/kelvaro-shots/main-window-planned-alarm.png")));

    app->run("StopAlarmSound");
    app->run("RefreshMilestones");
    view.refresh();
    EXPECT_TRUE(view.window("TFormKelvaro")
                    ->grab()
                    .toImage()
                    .save(QStringLiteral("/tmp/kelvaro-shots/main-window-planned-evening.png")));

    app->userClick("SetSuperAlarm1");
    view.refresh();
    auto* tabs = qobject_cast<QTabWidget*>(view.widget("PageControl1"));
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->currentWidget(), view.widget("TabSheetSuperAlarm"));
    auto* alarm = qobject_cast<QLabel*>(view.widget("LabelMAlarmTime"));
    ASSERT_NE(alarm, nullptr);
    EXPECT_EQ(alarm->text().toStdString(), "06:09 AM");
    EXPECT_TRUE(view.window("TFormCity")
                    ->grab()
                    .toImage()
                    .save(QStringLiteral("/tmp/kelvaro-shots/planner-page.png")));
}

} // namespace
} // namespace kelvaro
