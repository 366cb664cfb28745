// What the tick repaints: a label or lamp alone on the form paints the form
// under it itself and looks exactly as when the window paints it; the city
// clock's window is painted only when its panel changes.
#include "app/view_hooks.h"
#include "ui/alone_on_form.h"
#include "ui/city_clock_view.h"
#include "ui/control_widgets.h"
#include "ui/program_view.h"
#include "ui_test_support.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPointer>

#include <functional>

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

struct TickingPaintTest : ::testing::Test {
    TestModel m;
    Application& app = *m.app;
    Form& main = app.addForm("Main");

    TickingPaintTest() {
        main.width = 240;
        main.height = 120;
        main.visible = true;
        main.bgcolor = 0xC08040;
        addLabel("Seconds", {150, 20, 38, 30});
        addLabel("Crowded", {10, 60, 80, 20});
        Control& box = main.add("Box", ControlKind::CheckBox);
        box.caption = "Box";
        box.left = 60, box.top = 60, box.width = 80, box.height = 20;
        Control& lamp = main.add("Lamp", ControlKind::Lamp);
        lamp.oncolor = 0x00FF00, lamp.offcolor = 0x008000;
        lamp.left = 8, lamp.top = 8, lamp.width = 10, lamp.height = 10;
    }
    void addLabel(const char* name, QRect place) {
        Control& label = main.add(name, ControlKind::Label);
        label.bgcolor = -1; // transparent: the form shows through
        label.fontSize = 18;
        label.left = place.x(), label.top = place.y(), label.width = place.width(),
        label.height = place.height();
    }
    void show(ProgramView& view) {
        app.touch();
        view.refresh();
        QApplication::processEvents();
    }
    static QImage look(QWidget* w) { return w->grab().toImage(); }
};

TEST_F(TickingPaintTest, ALabelAloneOnTheFormIsOpaqueAndLooksTheSameForEveryText) {
    ProgramView view(app);
    app.ctl("Seconds").caption = "12";
    app.ctl("Crowded").caption = "under the box";
    show(view);
    QWidget* seconds = view.widget("Seconds");
    QWidget* window = view.window("Main");
    EXPECT_TRUE(seconds->testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_FALSE(view.widget("Crowded")->testAttribute(Qt::WA_OpaquePaintEvent)); // the box overlaps it
    const QImage opaque12 = look(window);

    // The plain way, the window painting the form under a transparent label, looks the same.
    seconds->setAttribute(Qt::WA_OpaquePaintEvent, false);
    EXPECT_EQ(look(window), opaque12);
    seconds->setAttribute(Qt::WA_OpaquePaintEvent, true);

    app.ctl("Seconds").caption = "13";
    show(view);
    const QImage opaque13 = look(window);
    EXPECT_NE(opaque13, opaque12);
    seconds->setAttribute(Qt::WA_OpaquePaintEvent, false);
    EXPECT_EQ(look(window), opaque13);

    // Back to a text seen before: its kept picture, still right.
    app.ctl("Seconds").caption = "12";
    show(view);
    EXPECT_TRUE(seconds->testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_EQ(look(window), opaque12);

    // A colour of its own, the text unchanged: filled as a transparent label would be.
    app.ctl("Seconds").bgcolor = 0x00FFFF;
    show(view);
    const QImage filled = look(window);
    seconds->setAttribute(Qt::WA_OpaquePaintEvent, false);
    EXPECT_EQ(look(window), filled);
    app.ctl("Seconds").bgcolor = -1;
    app.ctl("Seconds").caption = "15";
    show(view);
    ASSERT_TRUE(seconds->testAttribute(Qt::WA_OpaquePaintEvent));

    // A new colour of the form is not painted from the old pictures.
    main.bgcolor = 0x4080C0;
    show(view);
    const QImage recoloured = look(window);
    seconds->setAttribute(Qt::WA_OpaquePaintEvent, false);
    EXPECT_EQ(look(window), recoloured);
}

TEST_F(TickingPaintTest, ABlinkingLampAloneLooksAsOverTheForm) {
    ProgramView view(app);
    for (bool on : {true, false}) {
        app.ctl("Lamp").checked = on;
        show(view);
        QWidget* lamp = view.widget("Lamp");
        EXPECT_TRUE(lamp->testAttribute(Qt::WA_OpaquePaintEvent));
        const QImage opaque = look(view.window("Main"));
        lamp->setAttribute(Qt::WA_OpaquePaintEvent, false);
        EXPECT_EQ(look(view.window("Main")), opaque) << "lamp " << on;
    }
    // Another widget moved over the lamp: the next change leaves it to the window again.
    Control& box = app.ctl("Box");
    box.left = 0, box.top = 0;
    app.ctl("Lamp").checked = true;
    show(view);
    EXPECT_FALSE(view.widget("Lamp")->testAttribute(Qt::WA_OpaquePaintEvent));
}

// The blink takes a short way; a change that comes with it still shows.
TEST_F(TickingPaintTest, ALampShowsWhatChangesWithItsBlink) {
    ProgramView view(app);
    Control& lamp = app.ctl("Lamp");
    auto expectAsNew = [&](const char* what) {
        ProgramView fresh(app);
        fresh.refreshAll();
        QApplication::processEvents();
        const auto rgb = [](QWidget* w) { return look(w).convertToFormat(QImage::Format_RGB32); };
        EXPECT_EQ(rgb(view.window("Main")), rgb(fresh.window("Main"))) << what;
        EXPECT_EQ(view.widget("Lamp")->geometry(), fresh.widget("Lamp")->geometry()) << what;
    };
    for (int blink = 0; blink < 3; ++blink) {
        lamp.checked = !lamp.checked;
        show(view);
    }
    expectAsNew("blinking");
    lamp.checked = !lamp.checked;
    lamp.oncolor = 0x0000FF, lamp.offcolor = 0xFF0000;
    show(view);
    expectAsNew("recoloured in its blink");
    lamp.checked = !lamp.checked;
    lamp.left = 30;
    show(view);
    expectAsNew("moved in its blink");
    lamp.checked = !lamp.checked;
    show(view);
    expectAsNew("blinking after the move");
}

// A label or lamp alone skips its checks while the form's surroundings stay the same,
// so every change that can put something over it or under it must move them on.
TEST_F(TickingPaintTest, TheFormsSurroundingsMoveOnWithEveryChangeAroundItsWidgets) {
    ProgramView view(app);
    app.ctl("Seconds").caption = "07";
    show(view);
    auto* form = dynamic_cast<FormWindow*>(view.window("Main"));
    ASSERT_TRUE(form);
    QWidget* seconds = view.widget("Seconds");
    QWidget* box = view.widget("Box");
    CheckedSurroundings checked;
    checked.remember(*seconds);
    ASSERT_TRUE(checked.unchanged());
    auto movesOn = [&](const char* what, const std::function<void()>& change) {
        checked.remember(*seconds);
        change();
        EXPECT_FALSE(checked.unchanged()) << what;
    };
    movesOn("a neighbour moved", [&] { box->move(box->pos() + QPoint(1, 0)); });
    movesOn("a neighbour resized", [&] { box->resize(box->size() + QSize(1, 0)); });
    movesOn("a neighbour hidden", [&] { box->hide(); });
    movesOn("a neighbour shown", [&] { box->show(); });
    movesOn("a neighbour raised", [&] { box->raise(); });
    movesOn("a widget added", [&] { new QLabel(QStringLiteral("new"), form->body()); });
    movesOn("the widget moved", [&] { seconds->move(seconds->pos() + QPoint(0, 1)); });
    movesOn("its palette", [&] { seconds->setPalette(QPalette(Qt::red)); });
    movesOn("its font", [&] { seconds->setFont(QFont(QStringLiteral("Serif"), 20)); });
    movesOn("switched off", [&] { seconds->setEnabled(false); });
    movesOn("the background", [&] { form->setBackground(Qt::blue); });
    movesOn("the plate behind the clock", [&] { form->setFace({0, 0, 50, 50}); });
    movesOn("the window resized", [&] {
        form->resize(form->size() + QSize(5, 5));
        QApplication::processEvents();
    });
    movesOn("the body moved", [&] { form->body()->move(0, 3); });
    checked.remember(*seconds);
    seconds->update();
    QApplication::processEvents(); // a paint changes nothing around it
    EXPECT_TRUE(checked.unchanged());
    checked.forget();
    EXPECT_FALSE(checked.unchanged());
}

// Hidden copies at no size (the Sunday alarm's, the say-hour mirrors) and a lamp not placed yet
// take new states quietly: a painter on an empty picture only warns.
TEST_F(TickingPaintTest, NothingAtNoSizeIsPaintedIntoAnEmptyPicture) {
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler earlier =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) { warnings << m; });
    ProgramView view(app);
    for (const char* name : {"Hidden", "Empty"})
        addLabel(name, {0, 0, 0, 0});
    app.ctl("Hidden").visible = false;
    Control& lamp = app.ctl("Lamp");
    lamp.width = lamp.height = 0;
    for (const char* text : {"07:00", "07:01", "", "07:02"}) {
        app.ctl("Hidden").caption = text;
        app.ctl("Empty").caption = text;
        lamp.checked = !lamp.checked;
        show(view);
        look(view.window("Main"));
    }
    qInstallMessageHandler(earlier);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join(QLatin1Char('\n')).toStdString();
}

TEST_F(TickingPaintTest, AControlChangedWhileHiddenShowsItsNewStateWhenShown) {
    ProgramView view(app);
    Control& seconds = app.ctl("Seconds");
    seconds.caption = "01";
    show(view);
    seconds.visible = false;
    show(view);
    seconds.caption = "02";
    seconds.fontSize = 9;
    show(view);
    seconds.visible = true;
    show(view);
    auto* label = qobject_cast<QLabel*>(view.widget("Seconds"));
    EXPECT_FALSE(label->isHidden());
    EXPECT_EQ(label->text(), QStringLiteral("02"));
    EXPECT_EQ(label->font().pointSize(), 9);
}

// Counts the paints a widget receives.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

TEST_F(TickingPaintTest, TheCityClockIsPaintedOnlyWhenItsPanelChanges) {
    Control& panel = main.add("PanelKV", ControlKind::Panel);
    panel.caption = "10:15 ";
    panel.left = 0, panel.top = 0, panel.width = 70, panel.height = 20;
    viewHooks(app).taskbarPanel = &panel;
    ProgramView view(app);
    registerCityClockView(view);
    show(view);
    QPointer<QWidget> clock;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("CityClock")) clock = w;
    ASSERT_TRUE(clock && clock->isVisible());
    PaintCounter counter;
    clock->installEventFilter(&counter);
    for (int second = 0; second < 3; ++second) // the tick writes the same minute again
        show(view);
    EXPECT_EQ(counter.paints, 0);
    panel.caption = "10:16 ";
    show(view);
    EXPECT_EQ(counter.paints, 1);
    panel.color = 0x0000FF;
    show(view);
    EXPECT_EQ(counter.paints, 2);
    if (clock) clock->removeEventFilter(&counter);
}

} // namespace
} // namespace kelvaro
