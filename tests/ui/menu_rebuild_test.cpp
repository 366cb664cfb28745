// The menus are rebuilt when their shape changes (a restored or edited city list):
// the menu bar stays on the shown window, and a menu whose choice is still running
// (its box open, the view syncing under it) is not freed under that choice.
#include "app/main_tick.h"
#include "app/program.h"
#include "platform/fake/fake_platform.h"
#include "ui/program_view.h"
#include "ui_test_support.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

void writeFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
}

// The bars of the main window that the user can see.
int shownMenuBars(ProgramView& view) {
    int shown = 0;
    for (QMenuBar* bar : view.window("TFormKelvaro")->findChildren<QMenuBar*>())
        if (bar->isVisible() && !bar->actions().isEmpty()) ++shown;
    return shown;
}

// "City 1" to "City 1000", an hour difference each, the first one chosen.
QByteArray thousandCities() {
    QByteArray cities;
    for (int i = 1; i <= 1000; ++i)
        cities += "City " + QByteArray::number(i) + "\x07" + QByteArray::number(i % 12) + "\x07" +
                  (i == 1 ? "1" : "0") + "\x07\r\n";
    return cities;
}

struct MenuRebuild : ::testing::Test {
    QTemporaryDir dir;
    FakePlatform fakes;
    std::unique_ptr<Application> app;
    std::unique_ptr<ProgramView> view;

    void start(const QByteArray& cities = "Paris\x07"
                                          "1\x07"
                                          "1\x07\r\n") {
        uiApp();
        writeFile(dir.filePath(QStringLiteral("Cities.txt")), cities);
        app = createProgram(fakes.platform(dir.filePath(QStringLiteral("handover.ini")).toStdString()),
                            LocaleInfo::enUS(), dir.path().toStdString(), {"kelvaro"});
        view = std::make_unique<ProgramView>(*app);
        firstPaint(*app);
        mainTick(*app); // the window shows from the first tick on
        view->refresh();
        ASSERT_EQ(shownMenuBars(*view), 1);
        // A box's own loop: the view syncs under it and frees what was left for later.
        fakes.dialogs.whileOpen = [this] {
            view->refresh();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        };
    }
};

TEST_F(MenuRebuild, ARestoreFromTheMenuSurvivesItsOwnMenuBeingRebuilt) {
    start();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("backup")));
    writeFile(dir.filePath(QStringLiteral("backup/Cities.txt")), "Rome\x07"
                                                                 "1\x07"
                                                                 "1\x07\r\nLima\x07"
                                                                 "-5\x07"
                                                                 "0\x07\r\n");
    fakes.dialogs.queueFile(dir.filePath(QStringLiteral("backup")).toStdString());
    // Chosen with the mouse from the open menu, whose own code runs on after the choice:
    // freed memory there is the sanitizer's to report.
    QPointer<QMenu> menu = view->menu("Alarm1");
    ASSERT_NE(menu, nullptr);
    bool menuLivedThroughTheBox = false;
    const auto whileOpen = fakes.dialogs.whileOpen;
    fakes.dialogs.whileOpen = [&] {
        whileOpen();
        menuLivedThroughTheBox = !menu.isNull();
    };
    menu->popup(QPoint(0, 0));
    const QRect item = menu->actionGeometry(view->action("RestoreSettingsfromFloppy1"));
    QTest::mouseClick(menu, Qt::LeftButton, {}, item.center());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(menuLivedThroughTheBox);
    EXPECT_EQ(app->ctl("CityItem2").caption, "Lima\t-5");
    EXPECT_EQ(shownMenuBars(*view), 1);
    EXPECT_TRUE(fakes.dialogs.failure().empty()) << fakes.dialogs.failure();
}

TEST_F(MenuRebuild, TheMenuBarStaysAfterTheNotebookClosesWithOk) {
    start();
    view->action("AddNewTimeZone1")->trigger();
    ASSERT_TRUE(view->window("TFormCity")->isVisible());
    // A second city: a new shape for the city menu.
    auto* grid = qobject_cast<QTableWidget*>(view->widget("MgridCities"));
    ASSERT_NE(grid, nullptr);
    const QRect cell = grid->visualItemRect(grid->item(0, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::keyClick(grid, Qt::Key_Insert);
    QTest::keyClicks(grid, QStringLiteral("Oslo"));
    qobject_cast<QPushButton*>(view->widget("GradBtnnMyCities"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(std::string(app->ctl("CityItem1").caption).substr(0, 4), "Oslo"); // sorted first
    EXPECT_EQ(shownMenuBars(*view), 1);
}

// A menu of thousands of cities gets its entries when it opens, or when one of them is asked
// for, not when the window is built.
TEST_F(MenuRebuild, ALongCityMenuIsFilledInOrderWhenItOpens) {
    start(thousandCities());
    QMenu* menu = view->menu("Cities1");
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->actions().isEmpty());
    emit menu->aboutToShow();
    const QList<QAction*> entries = menu->actions();
    ASSERT_GT(entries.size(), 1000);
    EXPECT_EQ(entries.front()->text(), QStringLiteral("City 1\t1"));
    EXPECT_EQ(entries.front(), view->action("CityItem1"));
    EXPECT_EQ(entries[999], view->action("CityItem1000"));
    EXPECT_EQ(entries.back(), view->action("CitySeparator10"));
    EXPECT_TRUE(entries.front()->isChecked());
    emit menu->aboutToShow(); // a second opening adds nothing
    EXPECT_EQ(menu->actions().size(), entries.size());
    view->action("CityItem1000")->trigger();
    view->refresh();
    EXPECT_TRUE(view->action("CityItem1000")->isChecked());
    EXPECT_FALSE(view->action("CityItem1")->isChecked());
}

TEST_F(MenuRebuild, AnEntryOfALongMenuNotYetOpenedCanBeChosen) {
    start(thousandCities());
    QAction* last = view->action("CityItem1000");
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->text(), QStringLiteral("City 1000\t4"));
    last->trigger();
    EXPECT_EQ(app->ctl("LabelTZ").caption.substr(0, 9), "City 1000");
}

} // namespace
} // namespace kelvaro
