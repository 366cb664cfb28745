// On X11 the seconds are copied into the window from pictures kept on the server,
// all made with the first copy. What the window holds must be what Qt paints for
// the same caption, also after the form's colour changed under the pictures.
#include "ui/city_clock_view.h"
#include "ui/program_view.h"
#include "ui_test_support.h"

#include <QApplication>
#include <QImage>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

struct CopiedSecondsTest : ::testing::Test {
    TestModel m;
    Application& app = *m.app;
    Form& main = app.addForm("Main");
    Control& seconds = main.add("Seconds", ControlKind::Label);

    CopiedSecondsTest() {
        main.width = 240;
        main.height = 120;
        main.visible = true;
        main.bgcolor = 0xC08040;
        seconds.bgcolor = -1; // transparent: the form shows through
        seconds.fontSize = 18;
        seconds.left = 150, seconds.top = 20, seconds.width = 38, seconds.height = 30;
    }
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X server: ctest runs it through on_xvfb.sh";
    }
    void show(ProgramView& view, const char* caption) {
        seconds.caption = caption;
        app.touch();
        view.refresh();
        QApplication::processEvents();
    }
    QRect place(ProgramView& view) {
        QWidget* label = view.widget("Seconds");
        return {label->mapTo(view.window("Main"), QPoint()), label->size()};
    }
    // What the X server holds where the label is.
    QImage onServer(ProgramView& view) {
        QWidget* window = view.window("Main");
        const QRect r = place(view);
        return window->screen()
            ->grabWindow(window->winId(), r.x(), r.y(), r.width(), r.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    // What Qt paints there, the label transparent over the form.
    QImage paintedByQt(ProgramView& view) {
        QWidget* label = view.widget("Seconds");
        label->setAttribute(Qt::WA_OpaquePaintEvent, false);
        const QImage image =
            view.window("Main")->grab(place(view)).toImage().convertToFormat(QImage::Format_RGB32);
        label->setAttribute(Qt::WA_OpaquePaintEvent, true);
        return image;
    }
};

TEST_F(CopiedSecondsTest, EverySecondMadeAheadLooksAsQtPaintsIt) {
    ProgramView view(app);
    std::vector<std::string> captions;
    for (int s = 0; s < 60; ++s)
        captions.push_back((s < 10 ? "0" : "") + std::to_string(s));
    view.foreseeCaptions(seconds, captions);
    show(view, "00");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.window("Main")));
    show(view, "01"); // the first copy, which makes the others
    for (const char* caption : {"02", "37", "59", "01"}) {
        show(view, caption);
        EXPECT_TRUE(onServer(view) == paintedByQt(view)) << "the window shows another " << caption;
    }
    // The form's new colour: the pictures made for the old one are not shown again.
    main.bgcolor = 0x4080C0;
    show(view, "03");
    for (const char* caption : {"04", "38"}) {
        show(view, caption);
        EXPECT_TRUE(onServer(view) == paintedByQt(view))
            << "recoloured, the window shows another " << caption;
    }
}

// The clock's minutes: a label whose coming captions move on. They are drawn once the label
// is first painted, so the first new minute is a copy as well, and each is shown as Qt paints
// it; the label asks again only when it shows a caption nobody foresaw.
TEST_F(CopiedSecondsTest, ComingMinutesAreMadeAheadAndAskedForAgainOnlyWhenUnforeseen) {
    ProgramView view(app);
    int shown = 10, asked = 0;
    view.foreseeCaptions(seconds, [&](std::size_t most) {
        ++asked;
        std::vector<std::string> coming;
        for (int i = 1; i <= 3 && static_cast<std::size_t>(i) <= most; ++i)
            coming.push_back(std::to_string(shown + i));
        return coming;
    });
    show(view, "10");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.window("Main")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return asked == 1; }, 2000)) << "11 to 13 come with the first paint";
    for (shown = 11; shown <= 13; ++shown) {
        show(view, std::to_string(shown).c_str());
        EXPECT_TRUE(onServer(view) == paintedByQt(view)) << "the window shows another " << shown;
    }
    EXPECT_EQ(asked, 1) << "foreseen minutes need no new forecast";
    show(view, "14");
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(onServer(view) == paintedByQt(view));
}

struct PaintCount : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

// The taskbar clock's window: a new minute in the same looks is copied from the server,
// not painted, and shows what its paint would; new colours are painted, and the minutes
// made ahead in the old ones are not shown.
TEST_F(CopiedSecondsTest, TheCityClocksNewMinuteIsCopiedAndLooksAsItsPaintDrawsIt) {
    Control& panel = main.add("PanelKV", ControlKind::Panel);
    panel.caption = "10:15 ";
    panel.width = 70, panel.height = 20, panel.bgcolor = 0xE0E0E0, panel.color = 0;
    int minute = 15, asked = 0;
    ProgramView view(app);
    registerCityClockView(view, [&minute, &asked](std::size_t most) {
        ++asked;
        std::vector<std::string> coming;
        for (std::size_t i = 1; i <= most; ++i)
            coming.push_back("10:" + std::to_string(minute + static_cast<int>(i)) + " ");
        return coming;
    });
    show(view, "00");
    QPointer<QWidget> clock;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("CityClock")) clock = w;
    ASSERT_TRUE(clock && QTest::qWaitForWindowExposed(clock));
    EXPECT_TRUE(QTest::qWaitFor([&] { return asked == 1; }, 2000)) << "16 to 24 come with the first paint";
    PaintCount count;
    clock->installEventFilter(&count);
    auto looksAsPainted = [&] {
        const QImage onServer =
            clock->screen()->grabWindow(clock->winId()).toImage().convertToFormat(QImage::Format_RGB32);
        return onServer == clock->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    auto showMinute = [&](int m) {
        panel.caption = "10:" + std::to_string(minute = m) + " ";
        count.paints = 0;
        show(view, "01");
    };
    for (const int m : {16, 17, 18}) {
        showMinute(m);
        EXPECT_EQ(count.paints, 0) << m;
        EXPECT_TRUE(looksAsPainted()) << m;
    }
    panel.color = 0x0000FF;
    showMinute(19);
    EXPECT_EQ(count.paints, 1) << "new colours are painted";
    showMinute(20);
    EXPECT_EQ(count.paints, 0) << "the new colours' paint makes the next minutes";
    EXPECT_TRUE(looksAsPainted()) << "a minute made ahead in the old colours is shown in the new";
    clock->removeEventFilter(&count);
}

} // namespace
} // namespace kelvaro
