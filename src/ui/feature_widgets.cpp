#include "ui/feature_widgets.h"

#include "app/clock_formats.h"
#include "app/windows.h"

#include "moon/moon_widget.h"
#include "online/banner_browser.h"
#include "platform/linux/translation.h"
#include "ui/about_box_widgets.h"
#include "ui/city_clock_view.h"
#include "ui/program_view.h"

#include <QFrame>
#include <QPainter>
#include <QPixmap>
#include <functional>
#include <string>
#include <vector>

namespace kelvaro {

namespace {

// The small pictures of the main window, drawn rather than shipped.
QPixmap badge(int width, int height, const std::function<void(QPainter&, const QRectF&)>& draw) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, QRectF(0.5, 0.5, width - 1.0, height - 1.0));
    return pixmap;
}

void setPictures(ProgramView& view) {
    MainWindow& main = mainWindow(view.application());
    view.setImage(main.ImagePM, badge(20, 14, [](QPainter& p, const QRectF& r) {
                      p.setPen(Qt::NoPen);
                      p.setBrush(QColor(128, 0, 0));
                      p.drawRoundedRect(r, 3, 3);
                      QFont font = p.font();
                      font.setPixelSize(9);
                      font.setBold(true);
                      p.setFont(font);
                      p.setPen(Qt::white);
                      p.drawText(r, Qt::AlignCenter, QStringLiteral("PM"));
                  }));
    view.setImage(main.ImageAlarmON, badge(16, 16, [](QPainter& p, const QRectF& r) {
                      p.setPen(Qt::NoPen);
                      p.setBrush(QColor(0, 140, 0));
                      p.drawEllipse(r);
                      p.setPen(QPen(Qt::white, 2));
                      p.drawPolyline(QPolygonF({QPointF(4.5, 8.5), QPointF(7, 11), QPointF(11.5, 5)}));
                  }));
    view.setImage(main.ImageAlarmOFF, badge(16, 16, [](QPainter& p, const QRectF& r) {
                      p.setPen(Qt::NoPen);
                      p.setBrush(QColor(200, 0, 0));
                      p.drawEllipse(r);
                      p.setPen(QPen(Qt::white, 2));
                      p.drawLine(QPointF(4, 8), QPointF(12, 8));
                  }));
    view.setImage(main.ImagePower, badge(16, 16, [](QPainter& p, const QRectF& r) {
                      p.setPen(Qt::NoPen);
                      p.setBrush(QColor(150, 20, 20));
                      p.drawEllipse(r);
                      p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
                      // The power sign: a ring open at the top, and a bar through the gap.
                      p.drawArc(QRectF(4, 4.5, 8, 8), 125 * 16, -250 * 16);
                      p.drawLine(QPointF(8, 3), QPointF(8, 8));
                  }));
}

// The seconds show sixty captions in turn, as the tick writes them.
void foreseeSeconds(ProgramView& view) {
    std::vector<std::string> seconds;
    for (int second = 0; second < 60; ++second)
        seconds.push_back(TwoDigits(second));
    MainWindow& main = mainWindow(view.application());
    view.foreseeCaptions(main.LabelSeconds, seconds);
    view.foreseeCaptions(main.LabelSeconds2, seconds);
}

} // namespace

void registerFeatureWidgets(ProgramView& view) {
    MainWindow& main = mainWindow(view.application());
    setPictures(view);
    foreseeSeconds(view);
    registerCityClockView(view);
    registerAboutBoxWidgets(view);
    view.registerCustomWidget(main.PanelMoon, [](QWidget* parent, Control&) {
        auto* frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        frame->setLineWidth(2);
        return frame;
    });
    view.registerCustomWidget(
        main.WebBrowserTop, [](QWidget* parent, Control&) { return new BannerBrowser(parent); },
        [](QWidget* widget, const Control& c) {
            if (auto* banner = dynamic_cast<BannerBrowser*>(widget))
                banner->showPage(QString::fromStdString(c.text));
        });
    view.registerCustomWidget(
        main.Moon1,
        [](QWidget* parent, Control& c) {
            auto* moon = new MoonWidget(parent);
            moon->setMoonSize(moon::TMoonSize::ms32);
            moon->setDate(c.value);
            return moon;
        },
        [](QWidget* widget, const Control& c) {
            // The tick hands over a new date once a minute, but the shadow's edge crosses a
            // pixel in hours: the picture is worked out again ten minutes on, or for a step back.
            constexpr double kRedrawAfterDays = 10.0 / 1440.0;
            auto* moon = qobject_cast<MoonWidget*>(widget);
            if (!moon) return;
            // The phase in words, as the logic put it: what a screen reader says of the picture.
            if (const QString phase = translated(c.caption); moon->accessibleDescription() != phase)
                moon->setAccessibleDescription(phase);
            const double shown = moon->moon().Date();
            if (c.value < shown || c.value - shown >= kRedrawAfterDays) moon->setDate(c.value);
        });
}

} // namespace kelvaro
