#include "moon/moon_time.h"
#include "moon/moon_widget.h"

#include <QApplication>
#include <QColor>

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

using moon::EncodeMoonDateTime;
using moon::MoonSizeInfo;
using moon::TMoonSize;

QApplication& App() {
    static int argc = 1;
    static char name[] = "moon_widget_test";
    static char* argv[] = {name, nullptr};
    // Never destroyed: once a widget was shown, Qt's own statics may go first at exit.
    static auto* const app = new QApplication(argc, argv);
    return *app;
}

int Brightness(QRgb pixel) {
    return std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)});
}

struct Resource {
    const char* name;
    TMoonSize size;
};
const Resource kResources[] = {
    {"MOON_LARGE", TMoonSize::ms64},       {"MOON_SMALL", TMoonSize::ms32},
    {"MOON_TINY", TMoonSize::ms16},        {"MOON_COLOR_LARGE", TMoonSize::ms64},
    {"MOON_COLOR_SMALL", TMoonSize::ms32}, {"MOON_COLOR_TINY", TMoonSize::ms16},
    {"MOON_BW_LARGE", TMoonSize::ms64},    {"MOON_BW_SMALL", TMoonSize::ms32},
    {"MOON_BW_TINY", TMoonSize::ms16},
};

TEST(MoonPictures, EveryResourceHoldsTheDiscOnItsSizesCentre) {
    App();
    for (const Resource& resource : kResources) {
        SCOPED_TRACE(resource.name);
        const moon::MoonBitmap picture = LoadMoonPicture(resource.name);
        const moon::MoonSizeRow& row = MoonSizeInfo(resource.size);
        ASSERT_EQ(picture.width, row.size);
        ASSERT_EQ(picture.height, row.size);
        // Lit inside the disc, black sky beyond the limb.
        double sumX = 0, sumY = 0, weight = 0;
        for (int y = 0; y < row.size; ++y) {
            for (int x = 0; x < row.size; ++x) {
                const int dx = x - row.centreColumn;
                const int dy = y - row.centreRow;
                const int b = Brightness(picture.at(x, y));
                if (dx * dx + dy * dy > (row.radius + 1) * (row.radius + 1)) {
                    EXPECT_EQ(b, 0) << x << ',' << y;
                }
                sumX += b * x;
                sumY += b * y;
                weight += b;
            }
        }
        EXPECT_NEAR(sumX / weight, row.centreColumn, 0.1 * row.radius);
        EXPECT_NEAR(sumY / weight, row.centreRow, 0.1 * row.radius);
    }
}

TEST(MoonPictures, ClassicIsGreyColourKeepsThePhotographsTint) {
    App();
    const moon::MoonBitmap classic = LoadMoonPicture("MOON_LARGE");
    const moon::MoonBitmap colour = LoadMoonPicture("MOON_COLOR_LARGE");
    int tinted = 0;
    for (std::size_t i = 0; i < classic.pixels.size(); ++i) {
        ASSERT_EQ(qRed(classic.pixels[i]), qBlue(classic.pixels[i]));
        ASSERT_EQ(qRed(classic.pixels[i]), qGreen(classic.pixels[i]));
        if (qRed(colour.pixels[i]) != qBlue(colour.pixels[i])) ++tinted;
    }
    EXPECT_GT(tinted, 100);
}

TEST(MoonWidget, ShowsTheControlsPictureAtItsSize) {
    App();
    MoonWidget widget;
    EXPECT_EQ(widget.size(), QSize(64, 64));
    widget.setMoonSize(TMoonSize::ms32);
    EXPECT_EQ(widget.size(), QSize(32, 32));
    EXPECT_EQ(widget.sizeHint(), QSize(32, 32));

    widget.setDate(EncodeMoonDateTime(1999, 8, 11, 11, 3)); // new Moon: the whole picture is dark
    const QImage dark = widget.picture();
    for (int y = 0; y < dark.height(); ++y) {
        for (int x = 0; x < dark.width(); ++x)
            ASSERT_LE(Brightness(dark.pixel(x, y)), 2) << x << ',' << y;
    }

    widget.setDate(EncodeMoonDateTime(1969, 7, 22, 12)); // first quarter after the landing
    const QImage quarter = widget.picture();
    EXPECT_EQ(quarter.pixel(20, 15), qRgb(255, 0, 0));
    EXPECT_EQ(Brightness(quarter.pixel(8, 14)), 0);
    EXPECT_GT(Brightness(quarter.pixel(22, 14)), 60);
    EXPECT_EQ(quarter, ToQImage(widget.moon().Picture()));

    widget.setMoonStyle(moon::TMoonStyle::msColor);
    widget.setRotation(moon::TRotate::rot_180);
    widget.setShowApollo11(false);
    EXPECT_EQ(widget.moon().MoonStyle(), moon::TMoonStyle::msColor);
    EXPECT_GT(Brightness(widget.picture().pixel(31 - 22, 31 - 14)), 60);
}

// The tick hands the widget a new date each minute: only a picture that changed is painted again.
TEST(MoonWidget, RepaintsOnlyWhenThePictureChanges) {
    App();
    struct CountingMoon : MoonWidget {
        int paints = 0;
        void paintEvent(QPaintEvent* event) override {
            ++paints;
            MoonWidget::paintEvent(event);
        }
    } widget;
    widget.setMoonSize(TMoonSize::ms32);
    widget.setDate(EncodeMoonDateTime(2026, 12, 9, 7, 0));
    widget.show();
    QApplication::processEvents();
    widget.paints = 0;
    widget.setDate(EncodeMoonDateTime(2026, 12, 9, 7, 1));
    QApplication::processEvents();
    EXPECT_EQ(widget.paints, 0);
    widget.setDate(EncodeMoonDateTime(2026, 12, 12, 7, 1));
    QApplication::processEvents();
    EXPECT_EQ(widget.paints, 1);
    EXPECT_EQ(widget.picture(), ToQImage(widget.moon().Picture()));
}

} // namespace
} // namespace kelvaro
