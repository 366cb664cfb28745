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

struct MenuRebuild : ::testing::Test {
    QTemporaryDir dir;
    FakePlatform fakes;
    std::unique_ptr<Application> app;
    std::unique_ptr<ProgramView> view;

    void start() {
        uiApp();
        writeFile(dir.filePath(QStringLiteral("Cities.txt")), "Paris\x07"
                                                              "1\x07"
                                                              "1\x07\r\n");
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

} // namespace
} // namespace kelvaro
