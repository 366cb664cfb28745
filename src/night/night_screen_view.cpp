#include "night/night_screen_view.h"

#include "app/windows.h"
#include "framework/application.h"
#include "night/night_screen.h"
#include "platform/linux/translation.h"
#include "ui/program_view.h"
#include "wayland/surface_idle_inhibitor.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace kelvaro {

namespace {

QFont fontOf(const Control& c) {
    QFont font(QString::fromStdString(c.fontName));
    font.setPixelSize(c.fontSize > 0 ? c.fontSize : 12);
    font.setBold(c.bold);
    // The two headings and the planner line are underlined.
    font.setUnderline(c.name == "Label1" || c.name == "Label2" || c.name == "LabelStBy");
    return font;
}

QColor colorOf(int frameworkColor) {
    return QColor(frameworkColor & 0xFF, (frameworkColor >> 8) & 0xFF, (frameworkColor >> 16) & 0xFF);
}

constexpr int kFocusSettleMs = 150;

std::vector<Control*> labels(NightScreen& s) {
    return {&s.LabelTime, &s.Label1, &s.Label2, &s.LabelATime, &s.LabelCity, &s.LabelStBy};
}

} // namespace

NightScreenView::NightScreenView(Application& app, ProgramView& view)
    : app_(app), view_(view), idle_(std::make_unique<SurfaceIdleInhibitor>()) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(translated(nightScreen(app).form.caption));
    setCursor(Qt::BlankCursor);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Covers the screen as it was at start; a later change of resolution is not followed.
    Form& form = nightScreen(app).form;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        form.left = area.left();
        form.top = area.top();
        form.width = area.width();
        form.height = area.height();
    }
    view.registerOwnWindow(nightScreen(app).form, [this] { sync(); });
}

NightScreenView::~NightScreenView() = default;

void NightScreenView::holdIdle(bool hold) {
    idleWanted_ = hold;
    idle_->hold(windowHandle(), hold); // the surface is there only once shown: sync() holds it then
}

bool NightScreenView::holdsIdle() const {
    return idle_->held();
}

void NightScreenView::sync() {
    const Form& form = nightScreen(app_).form;
    if (!form.visible) {
        if (isVisible()) hide();
        return;
    }
    measure();
    if (!isVisible()) {
        setGeometry(form.left, form.top, form.width, form.height);
        setWindowModality(Qt::ApplicationModal);
        // Full screen, not a window the size of the screen: a Wayland compositor places and
        // tiles plain windows as it likes and keeps its panels above them.
        showFullScreen();
        raise();
        activateWindow();
        idle_->hold(windowHandle(), idleWanted_);
    }
    update();
}

void NightScreenView::measure() {
    NightScreen& s = nightScreen(app_);
    for (Control* c : labels(s)) {
        const QFontMetrics metrics(fontOf(*c));
        c->width = metrics.horizontalAdvance(translated(c->caption));
        c->height = metrics.height();
    }
    layoutNightScreen(s, width() > 0 && isVisible() ? width() : s.form.width,
                      height() > 0 && isVisible() ? height() : s.form.height);
}

void NightScreenView::paintEvent(QPaintEvent*) {
    measure();
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    for (const Control* c : labels(nightScreen(app_))) {
        if (!c->visible) continue;
        const QRect box(c->left, c->top, c->width, c->height);
        if (c->bgcolor >= 0) p.fillRect(box, colorOf(c->bgcolor)); // the clock paints opaque
        p.setFont(fontOf(*c));
        p.setPen(colorOf(c->color));
        p.drawText(box, Qt::AlignLeft | Qt::AlignTop, translated(c->caption));
    }
    // What a screen reader reads of the painted texts, top to bottom as the eye does.
    NightScreen& s = nightScreen(app_);
    QStringList shown;
    for (const Control* c : {&s.Label2, &s.LabelATime, &s.LabelStBy, &s.Label1, &s.LabelTime, &s.LabelCity})
        if (const QString text = translated(c->caption).trimmed(); c->visible && !text.isEmpty())
            shown << text;
    const QString description = shown.join(QLatin1Char('\n'));
    if (accessibleDescription() != description) setAccessibleDescription(description);
}

void NightScreenView::run(const char* operation, const std::vector<std::string>& args) {
    view_.user([this, operation, args] { app_.run(operation, args); });
}

void NightScreenView::keyPressEvent(QKeyEvent*) {
    run("ScreenBlankKeyDown");
}

void NightScreenView::mousePressEvent(QMouseEvent*) {
    run("ScreenBlankMouseDown");
}

void NightScreenView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->globalPosition().toPoint(); // the window covers the screen from its corner
    run("ScreenBlankMouseMove", {std::to_string(at.x()), std::to_string(at.y())});
}

bool NightScreenView::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate && isVisible()) {
        // Wayland moves the keyboard in two steps (away from here, then to the next window),
        // so what took it is known only a moment later.
        QTimer::singleShot(kFocusSettleMs, this, [this] { focusLeft(); });
    }
    return QWidget::event(event);
}

void NightScreenView::focusLeft() {
    if (!isVisible() || isActiveWindow()) return;
    // Another program's window ends the night screen. One of this program's own plain windows
    // taking the keyboard (the main window, refreshed behind it) does not: the screen takes
    // the keyboard back, or keys would do nothing.
    const QWindow* now = QGuiApplication::focusWindow();
    if (now && now != windowHandle() && now->modality() == Qt::NonModal)
        activateWindow();
    else
        run("ScreenBlankDeactivate");
}

} // namespace kelvaro
