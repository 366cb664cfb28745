// On X11 the seconds are copied into the window from pictures kept on the server,
// all made with the first copy. What the window holds must be what Qt paints for
// the same caption, also after the form's colour changed under the pictures.
#include "ui/program_view.h"
#include "ui_test_support.h"

#include <QApplication>
#include <QImage>
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

} // namespace
} // namespace kelvaro
