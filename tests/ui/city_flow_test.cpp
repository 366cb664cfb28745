// A traveller adds a city in the real window: the keys go through the grid
// widget into the model, and the city reaches the menu and the file.
#include "app/program.h"
#include "framework/datetime.h"
#include "platform/fake/fake_platform.h"
#include "ui/program_view.h"
#include "ui_test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

void clickCell(QTableWidget* grid, int row, int col) {
    const QRect cell = grid->visualItemRect(grid->item(row, col));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

TEST(CityFlow, ACityTypedIntoTheGridReachesTheMenuAndTheFile) {
    uiApp();
    QTemporaryDir dir;
    FakePlatform fakes;
    auto app = createProgram(fakes.platform(dir.filePath(QStringLiteral("handover.ini")).toStdString()),
                             LocaleInfo::enUS(), dir.path().toStdString(), {"kelvaro"});
    ProgramView view(*app);
    firstPaint(*app);
    view.refresh();

    view.action("AddNewTimeZone1")->trigger();
    ASSERT_TRUE(view.window("TFormCity")->isVisible());
    auto* grid = qobject_cast<QTableWidget*>(view.widget("MgridCities"));
    ASSERT_NE(grid, nullptr);
    clickCell(grid, 0, 0);
    QTest::keyClicks(grid, QStringLiteral("Lima"));
    QTest::keyClick(grid, Qt::Key_Tab);
    QTest::keyClicks(grid, QStringLiteral("-5"));
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("Lima"));
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("-5"));

    qobject_cast<QPushButton*>(view.widget("GradBtnnMyCities"))->click();
    EXPECT_FALSE(view.window("TFormCity")->isVisible());
    ASSERT_NE(app->find("CityItem1"), nullptr);
    EXPECT_EQ(app->ctl("CityItem1").caption, "Lima\t-5");
    QFile list(dir.filePath(QStringLiteral("Cities.txt")));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_TRUE(list.readAll().startsWith("Lima\x07-5\x07"));
    EXPECT_TRUE(fakes.dialogs.failure().empty()) << fakes.dialogs.failure();
}

// The grid keeps the current mark, the stored alarm time and the day mask in
// columns past its edge; whatever is typed, only the city and hours show.
TEST(CityFlow, TypingAnHourDifferenceNeverScrollsToTheHiddenColumns) {
    uiApp();
    QTemporaryDir dir;
    QFile list(dir.filePath(QStringLiteral("Cities.txt")));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    // More cities than the grid shows: with its vertical scroll bar the hours column no longer fits whole.
    for (int i = 0; i < 16; ++i)
        list.write(QStringLiteral("City%1\x07%2\x07"
                                  "0\x07"
                                  "07:00\x07"
                                  "1111111\x07\r\n")
                       .arg(i)
                       .arg(i % 5)
                       .toUtf8());
    list.close();
    FakePlatform fakes;
    auto app = createProgram(fakes.platform(dir.filePath(QStringLiteral("handover.ini")).toStdString()),
                             LocaleInfo::enUS(), dir.path().toStdString(), {"kelvaro"});
    ProgramView view(*app);
    firstPaint(*app);
    view.refresh();
    view.action("AddNewTimeZone1")->trigger();
    auto* grid = qobject_cast<QTableWidget*>(view.widget("MgridCities"));
    ASSERT_NE(grid, nullptr);
    ASSERT_GE(grid->rowCount(), 16);
    auto onlyShownColumns = [grid](const char* after) {
        EXPECT_EQ(grid->horizontalScrollBar()->value(), 0) << after;
        EXPECT_EQ(grid->columnViewportPosition(0), 0) << after;
        EXPECT_LE(grid->currentColumn(), 1) << after;
    };
    clickCell(grid, 1, 1);
    for (QChar key : QStringLiteral("-10011")) {
        QTest::keyClicks(grid, QString(key));
        onlyShownColumns(qPrintable(QString(key)));
    }
    QTest::keyClick(grid, Qt::Key_Backspace);
    QTest::keyClick(grid, Qt::Key_Tab);
    onlyShownColumns("Tab");
    clickCell(grid, 0, 1);
    QTest::keyClicks(grid, QStringLiteral("07"));
    onlyShownColumns("07");
}

} // namespace
} // namespace kelvaro

namespace kelvaro {
namespace {

// Any key on the clock's window snoozes a sounding alarm, and only snoozes: the
// focused control does not act on it (Space would tick the "Lock" box).
TEST(AlarmFlow, AKeyOnTheWindowSnoozesTheSoundingAlarmAndDoesNothingElse) {
    uiApp();
    QTemporaryDir dir;
    QFile ini(dir.filePath(QStringLiteral("Kelvaro.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Data]\r\nHour=07\r\nMinute=00\r\nAMPM=AM\r\nDing=1\r\nMIDIMusic=0\r\n");
    ini.close();
    FakePlatform fakes(encodeDate(2026, 12, 7) + encodeTime(6, 59, 58));
    auto app = createProgram(fakes.platform(dir.filePath(QStringLiteral("handover.ini")).toStdString()),
                             LocaleInfo::enUS(), dir.path().toStdString(), {"kelvaro"});
    ProgramView view(*app);
    firstPaint(*app);
    for (int i = 0; i < 2; ++i) {
        fakes.clock.advanceSeconds(1);
        mainTick(*app);
    }
    view.refresh();
    ASSERT_TRUE(app->ctl("ButtonStopAlarm").enabled);
    QWidget* window = view.window("TFormKelvaro");
    window->activateWindow();
    // A key goes to whichever control of the window has the focus.
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus && window->isAncestorOf(focus) ? focus : window, Qt::Key_Space);
    EXPECT_TRUE(app->ctl("LightCheckSnooze").checked);
    EXPECT_FALSE(app->ctl("CheckBoxLock").checked);
    EXPECT_FALSE(qobject_cast<QAbstractButton*>(view.widget("CheckBoxLock"))->isChecked());
    EXPECT_TRUE(fakes.dialogs.failure().empty()) << fakes.dialogs.failure();
}

} // namespace
} // namespace kelvaro
