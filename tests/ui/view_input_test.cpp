// Widget to model: the user's actions run the handlers the model defines, once.
#include "app/view_hooks.h"
#include "ui/control_widgets.h"
#include "ui/program_view.h"
#include "ui_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

Control& placed(Form& f, const char* name, ControlKind kind, int top) {
    Control& c = f.add(name, kind);
    c.left = 10;
    c.top = top;
    c.width = 120;
    c.height = 22;
    return c;
}

struct InputTest : ::testing::Test {
    TestModel m;
    Application& app = *m.app;

    InputTest() {
        Form& f = app.addForm("Main");
        f.width = 300;
        f.height = 260;
        f.visible = true;
        placed(f, "Box", ControlKind::CheckBox, 10).caption = "Box";
        placed(f, "Edit", ControlKind::Edit, 40);
        placed(f, "Combo", ControlKind::ComboBox, 70).items = {"05", "10"};
        Control& arrows = placed(f, "Arrows", ControlKind::UpDown, 100);
        arrows.width = 16;
        arrows.associate = "Edit";
        arrows.max = 3;
        placed(f, "Label", ControlKind::Label, 130).caption = "double-click me";
        placed(f, "Plain", ControlKind::Label, 160).caption = "body";
        f.add("MainMenu", ControlKind::Menu);
        f.add("Menu1", ControlKind::Menu, "MainMenu").caption = "&Menu";
        f.add("Item1", ControlKind::MenuItem, "Menu1").caption = "&Item";
    }
};

TEST_F(InputTest, CheckBoxClickRunsTheHandlerOnceAndShowsTheModel) {
    m.handle("Box", Event::Click, "BoxClick");
    ProgramView view(app);
    auto* box = qobject_cast<QCheckBox*>(view.widget("Box"));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, 11)); // on the indicator
    EXPECT_EQ(m.runs["BoxClick"], 1);
    EXPECT_TRUE(app.ctl("Box").checked);
    EXPECT_TRUE(box->isChecked());
    // A handler that refuses the change puts the box back.
    m.handle("Box", Event::Click, "Refuse", [this] { app.ctl("Box").checked = true; });
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, 11)); // on the indicator
    EXPECT_EQ(m.runs["Refuse"], 1);
    EXPECT_TRUE(box->isChecked());
}

TEST_F(InputTest, ClickOnADisabledControlIsRefusedByTheModel) {
    ProgramView view(app);
    auto* box = qobject_cast<QCheckBox*>(view.widget("Box"));
    app.ctl("Box").enabled = false; // not shown yet: the widget still takes the click
    box->click();
    EXPECT_FALSE(app.ctl("Box").checked);
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(box->isEnabled());
}

TEST_F(InputTest, TypingGoesThroughTheModel) {
    // The key handler swallows 'x'; everything else is typed by the model.
    m.handle("Edit", Event::KeyPress, "EditKeyPress", [this] {
        if (app.currentKey()->key == "x") app.currentKey()->suppressed = true;
    });
    m.handle("Edit", Event::Change, "EditChange");
    ProgramView view(app);
    auto* edit = qobject_cast<QLineEdit*>(view.widget("Edit"));
    QTest::keyClicks(edit, QStringLiteral("a1x2"));
    EXPECT_EQ(app.ctl("Edit").text, "a12");
    EXPECT_EQ(edit->text(), QStringLiteral("a12"));
    EXPECT_EQ(m.runs["EditKeyPress"], 4);
    EXPECT_EQ(m.runs["EditChange"], 3);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(app.ctl("Edit").text, "a1");
    EXPECT_EQ(edit->text(), QStringLiteral("a1"));
    EXPECT_EQ(app.focused(), "Edit");
}

TEST_F(InputTest, TheCursorLivesInTheModelBothWays) {
    app.ctl("Edit").text = "abc";
    ProgramView view(app);
    auto* edit = qobject_cast<QLineEdit*>(view.widget("Edit"));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Right); // after "a"
    EXPECT_EQ(app.ctl("Edit").cursor, 1);
    QTest::keyClick(edit, Qt::Key_X);
    EXPECT_EQ(app.ctl("Edit").text, "axbc");
    EXPECT_EQ(edit->cursorPosition(), 2);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(app.ctl("Edit").text, "bc");
    EXPECT_EQ(edit->cursorPosition(), 0);
    // A selection is replaced by the next key.
    edit->setSelection(0, 1);
    EXPECT_EQ(app.ctl("Edit").selLength, 1);
    QTest::keyClick(edit, Qt::Key_Q);
    EXPECT_EQ(edit->text(), QStringLiteral("qc"));
    // The program moves the cursor; the widget follows. Multi-byte text counts characters there.
    Control& c = app.ctl("Edit");
    c.text = "ä1";
    c.cursor = 2; // bytes: after "ä"
    app.touch();
    view.refresh();
    EXPECT_EQ(edit->cursorPosition(), 1);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(c.text, "1");
}

TEST(TypeAtCursor, InsertsDeletesAndReplacesWholeCharacters) {
    std::string text = "abc";
    int cursor = 1, sel = 0;
    typeAtCursor(text, cursor, sel, "x");
    EXPECT_EQ(text, "axbc");
    EXPECT_EQ(cursor, 2);
    cursor = -1;
    typeAtCursor(text, cursor, sel, "y");
    EXPECT_EQ(text, "axbcy");
    EXPECT_EQ(cursor, -1); // still at the end
    text = "aäb";
    cursor = 3; // after "ä" (two bytes)
    typeAtCursor(text, cursor, sel, "");
    EXPECT_EQ(text, "ab");
    EXPECT_EQ(cursor, 1);
    cursor = 0;
    typeAtCursor(text, cursor, sel, ""); // nothing before the cursor
    EXPECT_EQ(text, "ab");
    sel = 2;
    typeAtCursor(text, cursor, sel, "z");
    EXPECT_EQ(text, "z");
    EXPECT_EQ(sel, 0);
}

TEST_F(InputTest, ComboChoiceUpDownAndMenuReachTheModel) {
    m.handle("Combo", Event::Change, "ComboChange");
    m.handle("Arrows", Event::Click, "ArrowsClick");
    m.handle("Item1", Event::Click, "Item1Click");
    ProgramView view(app);
    auto* combo = qobject_cast<QComboBox*>(view.widget("Combo"));
    emit combo->activated(1);
    EXPECT_EQ(app.ctl("Combo").text, "10");
    EXPECT_EQ(m.runs["ComboChange"], 1);

    auto* arrows = dynamic_cast<UpDownWidget*>(view.widget("Arrows"));
    ASSERT_NE(arrows, nullptr);
    QTest::mouseClick(arrows->up(), Qt::LeftButton);
    QTest::mouseClick(arrows->up(), Qt::LeftButton);
    EXPECT_EQ(app.ctl("Arrows").position, 2);
    EXPECT_EQ(qobject_cast<QLineEdit*>(view.widget("Edit"))->text(), QStringLiteral("2"));
    EXPECT_EQ(m.runs["ArrowsClick"], 2);

    view.action("Item1")->trigger();
    EXPECT_EQ(m.runs["Item1Click"], 1);
}

TEST_F(InputTest, MouseOnLabelsAndOnTheWindowBody) {
    m.handle("Label", Event::DblClick, "LabelDblClick");
    int drags = 0;
    viewHooks(app).mainBodyPressed = [&drags] { ++drags; };
    ProgramView view(app);
    QTest::mouseDClick(view.widget("Label"), Qt::LeftButton);
    EXPECT_EQ(m.runs["LabelDblClick"], 1);
    EXPECT_EQ(drags, 0);
    // A label without handlers lets the press through to the window body.
    QTest::mousePress(view.widget("Plain"), Qt::LeftButton);
    QTest::mouseRelease(view.widget("Plain"), Qt::LeftButton);
    EXPECT_EQ(drags, 1);
}

TEST_F(InputTest, ErrorsOfAHandlerAreShownAndTheProgramGoesOn) {
    m.handle("Box", Event::Click, "Boom", [] { throw std::runtime_error("broken"); });
    ProgramView view(app);
    QTest::mouseClick(view.widget("Box"), Qt::LeftButton, {}, QPoint(6, 11));
    ASSERT_EQ(m.dialogs.boxes().size(), 1u);
    EXPECT_EQ(m.dialogs.boxes()[0].text, "broken");
    EXPECT_EQ(m.dialogs.boxes()[0].kind, BoxKind::Error);
}

} // namespace
} // namespace kelvaro
