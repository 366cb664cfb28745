// Model to widget: what the view shows, and that writing it never runs handlers.
#include "ui/control_widgets.h"
#include "ui/program_view.h"
#include "ui_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

struct ViewTest : ::testing::Test {
    TestModel m;
    Application& app = *m.app;

    ViewTest() {
        Form& main = app.addForm("Main");
        main.borderless = true;
        main.width = 300;
        main.height = 200;
        main.visible = true;
        main.add("MainMenu", ControlKind::Menu);
        Control& file = main.add("File1", ControlKind::Menu, "MainMenu");
        file.caption = "&File";
        for (const char* n : {"ItemA", "ItemB"}) {
            Control& item = main.add(n, ControlKind::MenuItem, "File1");
            item.caption = n;
            item.group = "g";
        }
        main.add("Sep", ControlKind::MenuItem, "File1").caption = "-";
        Control& box = main.add("Box", ControlKind::CheckBox);
        box.caption = "Box";
        box.left = 10, box.top = 10, box.width = 100, box.height = 20;
        Control& label = main.add("Label", ControlKind::Label);
        label.left = 10, label.top = 40, label.width = 100, label.height = 20;
        Control& combo = main.add("Combo", ControlKind::ComboBox);
        combo.left = 10, combo.top = 70, combo.width = 60, combo.height = 22;
        combo.items = {"01", "02"};
        combo.readOnly = true;
        Form& dlg = app.addForm("Dialog");
        dlg.width = 200;
        dlg.height = 100;
        main.add("Pages", ControlKind::PageControl).width = 200;
        for (const char* n : {"PageOne", "PageTwo", "PageHidden"}) {
            Control& sheet = main.add(n, ControlKind::TabSheet, "Pages");
            sheet.caption = n;
        }
        main.find("PageHidden")->visible = false;
        main.activePage = "PageTwo";
        main.add("OnPageTwo", ControlKind::Label, "PageTwo").caption = "here";
    }
};

TEST_F(ViewTest, ProgrammaticWritesShowWithoutRunningHandlers) {
    m.handle("Box", Event::Click, "BoxClick");
    m.handle("Combo", Event::Change, "ComboChange");
    m.handle("Combo", Event::Click, "ComboClick");
    ProgramView view(app);
    Control& box = app.ctl("Box");
    box.checked = true;
    app.ctl("Label").caption = "12:34";
    app.ctl("Combo").text = "07"; // not one of the items: a read-only box still shows it
    app.ctl("ItemB").checked = true;
    app.touch();
    view.refresh();
    EXPECT_TRUE(qobject_cast<QCheckBox*>(view.widget("Box"))->isChecked());
    EXPECT_EQ(qobject_cast<QLabel*>(view.widget("Label"))->text(), QStringLiteral("12:34"));
    EXPECT_EQ(qobject_cast<QComboBox*>(view.widget("Combo"))->currentText(), QStringLiteral("07"));
    EXPECT_TRUE(view.action("ItemB")->isChecked());
    EXPECT_FALSE(view.action("ItemA")->isChecked());
    EXPECT_TRUE(view.action("ItemA")->isCheckable()); // radio group member
    EXPECT_TRUE(view.action("Sep")->isSeparator());
    EXPECT_TRUE(m.runs.empty());

    box.visible = false;
    box.enabled = false;
    app.touch();
    view.refresh();
    EXPECT_TRUE(view.widget("Box")->isHidden());
    EXPECT_FALSE(view.widget("Box")->isEnabled());
    EXPECT_TRUE(m.runs.empty());
}

TEST_F(ViewTest, RefreshIsSkippedUntilTheRevisionMoves) {
    ProgramView view(app);
    app.ctl("Label").caption = "quiet";
    view.refresh();
    EXPECT_EQ(qobject_cast<QLabel*>(view.widget("Label"))->text(), QString());
    app.touch();
    view.refresh();
    EXPECT_EQ(qobject_cast<QLabel*>(view.widget("Label"))->text(), QStringLiteral("quiet"));
}

TEST_F(ViewTest, PagesFollowTheModel) {
    ProgramView view(app);
    auto* tabs = qobject_cast<QTabWidget*>(view.widget("Pages"));
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->currentWidget(), view.widget("PageTwo"));
    EXPECT_FALSE(tabs->isTabVisible(2));
    EXPECT_EQ(view.widget("OnPageTwo")->parentWidget(), view.widget("PageTwo"));
    // The user's choice of page reaches the model.
    m.handle("Pages", Event::Change, "PagesChange");
    tabs->setCurrentIndex(0);
    EXPECT_EQ(app.form("Main").activePage, "PageOne");
    EXPECT_EQ(m.runs["PagesChange"], 1);
    // Ctrl+Tab from the last shown page does not walk onto the hidden one.
    tabs->setCurrentIndex(1);
    QTest::keyClick(tabs, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_NE(tabs->currentWidget(), view.widget("PageHidden"));
}

TEST_F(ViewTest, ControlsAndMenusAddedLaterGetWidgets) {
    ProgramView view(app);
    Control& late = app.form("Main").add("Late", ControlKind::Lamp);
    late.width = late.height = 10;
    Control& item = app.form("Main").add("ItemC", ControlKind::MenuItem, "File1");
    item.caption = "C";
    app.touch();
    view.refresh();
    EXPECT_NE(dynamic_cast<LampWidget*>(view.widget("Late")), nullptr);
    ASSERT_NE(view.action("ItemC"), nullptr);
    EXPECT_EQ(view.menu("File1")->actions().size(), 4);
    app.form("Main").remove("Late");
    app.touch();
    view.refresh();
    EXPECT_EQ(view.widget("Late"), nullptr);
}

// The view lists controls and menu entries once and keeps them until the form's
// controls change: one removed and made again under its name, or an item that
// turns into a separator, must not leave the old entry behind.
TEST_F(ViewTest, ControlsMadeAgainOrTurnedIntoSeparatorsShowTheirNewState) {
    ProgramView view(app);
    app.form("Main").remove("Label");
    Control& again = app.form("Main").add("Label", ControlKind::Label);
    again.caption = "again";
    again.left = 10, again.top = 40, again.width = 100, again.height = 20;
    app.form("Main").remove("ItemB");
    app.form("Main").add("ItemB", ControlKind::MenuItem, "File1").caption = "B again";
    app.touch();
    view.refresh();
    EXPECT_EQ(qobject_cast<QLabel*>(view.widget("Label"))->text().toStdString(), "again");
    EXPECT_EQ(view.action("ItemB")->text().toStdString(), "B again");
    again.caption = "later";
    app.ctl("ItemB").caption = "later B";
    app.touch();
    view.refresh();
    EXPECT_EQ(qobject_cast<QLabel*>(view.widget("Label"))->text().toStdString(), "later");
    EXPECT_EQ(view.action("ItemB")->text().toStdString(), "later B");

    app.ctl("ItemA").caption = "-";
    app.touch();
    view.refresh();
    EXPECT_TRUE(view.action("ItemA")->isSeparator());
    app.ctl("ItemA").caption = "A";
    app.ctl("ItemA").enabled = false;
    app.touch();
    view.refresh();
    EXPECT_FALSE(view.action("ItemA")->isSeparator());
    EXPECT_EQ(view.action("ItemA")->text().toStdString(), "A");
    EXPECT_FALSE(view.action("ItemA")->isEnabled());
}

TEST_F(ViewTest, CustomWidgetsReplaceTheGenericOne) {
    ProgramView view(app);
    int updates = 0;
    view.registerCustomWidget(
        app.ctl("Label"), [](QWidget* parent, Control&) { return new QCheckBox(parent); },
        [&updates](QWidget*, const Control& c) { updates += c.caption == "x"; });
    app.ctl("Label").caption = "x";
    app.touch();
    view.refresh();
    EXPECT_NE(qobject_cast<QCheckBox*>(view.widget("Label")), nullptr);
    EXPECT_GE(updates, 1);
    EXPECT_EQ(view.widget("Label")->geometry(), QRect(10, 40, 100, 20));
}

TEST_F(ViewTest, ModalFormOpensAndClosesThroughTheModel) {
    ProgramView view(app);
    bool after = false;
    int closes = 0;
    app.form("Dialog").handlers[Event::Close] = "DialogClose";
    app.defineOperation("DialogClose", [&closes] { ++closes; });
    app.showModal("Dialog", [&after] { after = true; });
    view.refresh();
    QWidget* dlg = view.window("Dialog");
    ASSERT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->windowModality(), Qt::ApplicationModal);
    dlg->close(); // as the user's close button would
    EXPECT_FALSE(app.form("Dialog").visible);
    EXPECT_TRUE(after);
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(dlg->isVisible());
}

TEST_F(ViewTest, BorderlessMainWindowHasRoundedCorners) {
    app.form("Main").rounded = true;
    ProgramView view(app);
    QWidget* w = view.window("Main");
    ASSERT_TRUE(w->isVisible());
    EXPECT_TRUE(w->windowFlags() & Qt::FramelessWindowHint);
    const QRegion mask = w->mask();
    // The region is one pixel taller than the window, so only its top corners show the rounding fully.
    const int right = w->width() - 1;
    for (QPoint corner : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(right, 0), QPoint(right, 1)})
        EXPECT_FALSE(mask.contains(corner)) << corner.x() << "," << corner.y();
    EXPECT_FALSE(mask.contains(QPoint(0, w->height())));
    EXPECT_EQ(mask.boundingRect().width(), w->width());
    for (QPoint inside : {QPoint(w->width() / 2, 0), QPoint(0, w->height() / 2), QPoint(5, 5)})
        EXPECT_TRUE(mask.contains(inside)) << inside.x() << "," << inside.y();
    // The shape follows a resize.
    app.form("Main").width = 400;
    app.touch();
    view.refresh();
    EXPECT_FALSE(w->mask().contains(QPoint(399, 0)));
    EXPECT_TRUE(w->mask().contains(QPoint(350, 0)));
    EXPECT_FALSE(view.window("Dialog")->windowFlags() & Qt::FramelessWindowHint);
}

TEST_F(ViewTest, ApplicationMinimisedFollowsTheModel) {
    ProgramView view(app);
    app.applicationMinimized = true;
    app.touch();
    view.refresh();
    EXPECT_TRUE(view.window("Main")->isMinimized());
    app.applicationMinimized = false;
    app.touch();
    view.refresh();
    EXPECT_FALSE(view.window("Main")->isMinimized());
}

TEST_F(ViewTest, MinimisedToTheTrayTheWindowLeavesTheTaskbarAndComesBackWhole) {
    ProgramView view(app);
    QWidget* w = view.window("Main");
    app.form("Main").hideWhenMinimized = true;
    app.applicationMinimized = true;
    app.touch();
    view.refresh();
    EXPECT_FALSE(w->isVisible()); // no window, no taskbar button
    app.applicationMinimized = false;
    app.touch();
    view.refresh();
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->isMinimized());
    // Without a tray it iconifies and stays on the taskbar.
    app.form("Main").hideWhenMinimized = false;
    app.applicationMinimized = true;
    app.touch();
    view.refresh();
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->isMinimized());
}

TEST_F(ViewTest, TheWindowManagersMinimiseRestoreAndCloseReachTheModel) {
    ProgramView view(app);
    QWidget* main = view.window("Main");
    main->setWindowState(Qt::WindowMinimized); // as the window manager reports it
    EXPECT_TRUE(app.applicationMinimized);
    main->setWindowState(Qt::WindowNoState);
    EXPECT_FALSE(app.applicationMinimized);
    EXPECT_FALSE(main->isMinimized()) << "the view put back a state the user left";

    app.form("Dialog").visible = true;
    app.touch();
    view.refresh();
    QWidget* dlg = view.window("Dialog");
    dlg->setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(app.form("Dialog").minimized);
    EXPECT_FALSE(app.applicationMinimized);
    dlg->setWindowState(Qt::WindowNoState);
    EXPECT_FALSE(app.form("Dialog").minimized);
    dlg->close();
    EXPECT_FALSE(app.form("Dialog").visible);
}

} // namespace
} // namespace kelvaro
