#include "ui/city_clock_view.h"

#include "app/view_hooks.h"
#include "framework/application.h"
#include "framework/translatable.h"
#include "platform/linux/translation.h"
#include "ui/control_sync.h"
#include "ui/program_view.h"
#include "ui/qt_convert.h"
#include "wayland/layer_surface.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyleHints>

#include <algorithm>

namespace kelvaro {

namespace {

constexpr int kClickSlop = 3; // a press that moves further is a drag, not a click

// "ctrl+left": what the panel's mouse handlers are told.
std::string heldKeys(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons) {
    std::string keys;
    auto add = [&keys](bool held, const char* name) {
        if (!held) return;
        if (!keys.empty()) keys += '+'; // appended: "+" + name draws a false -Wrestrict of GCC 12
        keys += name;
    };
    add(mods & Qt::ControlModifier, "ctrl");
    add(mods & Qt::ShiftModifier, "shift");
    add(mods & Qt::AltModifier, "alt");
    add(buttons & Qt::LeftButton, "left");
    add(buttons & Qt::RightButton, "right");
    add(buttons & Qt::MiddleButton, "middle");
    return keys;
}

// Stands in the main window for the panel, which lives on the desktop instead.
class StandIn : public QWidget {
  public:
    using QWidget::QWidget;
    void setVisible(bool) override { QWidget::setVisible(false); }
};

} // namespace

CityClockWindow::CityClockWindow(Application& app, ProgramView& view, const Control& panel)
    : QWidget(nullptr,
              Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      app_(app), view_(view), panel_(panel) {
    setObjectName(QStringLiteral("CityClock"));
    setWindowTitle(translated(KV_TR("Kelvaro City Clock")));
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void CityClockWindow::paintEvent(QPaintEvent*) {
    const Control* c = &panel_;
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, frameworkColor(c->bgcolor));
    // Lowered outer and inner bevels, one pixel each.
    const QColor dark(128, 128, 128), darker(64, 64, 64), light(255, 255, 255), lighter(227, 227, 227);
    auto bevel = [&p](const QRect& b, const QColor& topLeft, const QColor& bottomRight) {
        p.setPen(topLeft);
        p.drawLine(b.topLeft(), b.topRight());
        p.drawLine(b.topLeft(), b.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(b.bottomLeft(), b.bottomRight());
        p.drawLine(b.topRight(), b.bottomRight());
    };
    bevel(r.adjusted(0, 0, -1, -1), dark, light);
    bevel(r.adjusted(1, 1, -2, -2), darker, lighter);
    p.setFont(controlFont(*c));
    p.setPen(frameworkColor(c->color));
    p.drawText(r.adjusted(2, 0, -2, 0), Qt::AlignCenter | Qt::TextSingleLine, qs(c->caption));
    // It paints its text: a screen reader reads it as the window's description.
    if (accessibleDescription() != qs(c->caption)) setAccessibleDescription(qs(c->caption));
}

void CityClockWindow::mouse(int event, QMouseEvent* e, bool withButtons) {
    const Control* c = &panel_;
    const std::string handler = c->handler(static_cast<Event>(event));
    if (handler.empty() || !app_.hasOperation(handler)) return;
    // From the panel's place in the model, not the window's: the window system may not
    // have moved the window yet while a drag resizes it.
    const int x = static_cast<int>(e->globalPosition().x()) - areaLeft_ - c->left;
    const Args args{std::to_string(x),
                    heldKeys(e->modifiers(), withButtons ? e->buttons() | e->button() : e->buttons())};
    view_.user([this, handler, args] { app_.run(handler, args); });
}

void CityClockWindow::mousePressEvent(QMouseEvent* e) {
    pressedAt_ = e->globalPosition().toPoint();
    moved_ = false;
    mouse(static_cast<int>(Event::MouseDown), e, true);
}

void CityClockWindow::mouseMoveEvent(QMouseEvent* e) {
    if (e->buttons() == Qt::NoButton) return;
    if ((e->globalPosition().toPoint() - pressedAt_).manhattanLength() > kClickSlop) moved_ = true;
    mouse(static_cast<int>(Event::MouseMove), e, true);
}

void CityClockWindow::mouseReleaseEvent(QMouseEvent* e) {
    mouse(static_cast<int>(Event::MouseUp), e, false);
    if (e->button() == Qt::LeftButton && !moved_ && rect().contains(e->position().toPoint()))
        view_.user([this] { app_.userClick(panel_.name); });
}

void CityClockWindow::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !app_.hasOperation(panel_.handler(Event::DblClick))) return;
    view_.user([this] { app_.userDblClick(panel_.name); });
}

void CityClockWindow::contextMenuEvent(QContextMenuEvent* e) {
    const Control* trayMenu = viewHooks(app_).trayMenu; // none without the tray
    if (QMenu* menu = trayMenu ? view_.menu(*trayMenu) : nullptr) menu->popup(e->globalPos());
}

CityClockView::CityClockView(ProgramView& view, const Control& panel)
    : QObject(&view), app_(view.application()), view_(view), panel_(panel),
      window_(std::make_unique<CityClockWindow>(app_, view, panel)) {
    tellArea();
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        if (LayerSurface::offered()) {
            layer_ = std::make_unique<LayerSurface>();
            layer_->onPointer = [this](LayerSurface::PointerEvent type, QPoint at, Qt::MouseButton button,
                                       Qt::MouseButtons buttons) {
                pointer(static_cast<int>(type), at, button, buttons);
            };
        }
        if ((!layer_ || !layer_->ok()) && app_.hasOperation("PanelKVNoOverlay"))
            view_.user([this] { app_.run("PanelKVNoOverlay"); });
    }
    view.onSynced([this] { sync(); });
}

CityClockView::~CityClockView() = default;

// The layer surface's pointer, handed to the window's own handlers as Qt's events would be.
void CityClockView::pointer(int type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
    const QPointF local(at);
    const QPointF global(layerPlace_.topLeft() + at);
    // The keyboard belongs to whichever window has it: Qt knows Ctrl when it is one of ours.
    const Qt::KeyboardModifiers mods = QGuiApplication::queryKeyboardModifiers();
    const auto send = [&](QEvent::Type eventType) {
        QMouseEvent event(eventType, local, local, global, button, buttons, mods);
        QCoreApplication::sendEvent(window_.get(), &event);
    };
    switch (static_cast<LayerSurface::PointerEvent>(type)) {
    case LayerSurface::PointerEvent::Press: {
        const bool twice = button == Qt::LeftButton && lastPress_.isValid() &&
                           lastPress_.elapsed() < QGuiApplication::styleHints()->mouseDoubleClickInterval();
        send(QEvent::MouseButtonPress);
        if (twice) send(QEvent::MouseButtonDblClick);
        if (button == Qt::LeftButton) {
            if (twice)
                lastPress_.invalidate();
            else
                lastPress_.start();
        }
        break;
    }
    case LayerSurface::PointerEvent::Move:
        send(QEvent::MouseMove);
        break;
    case LayerSurface::PointerEvent::Release:
        send(QEvent::MouseButtonRelease);
        break;
    }
}

// The logic keeps the panel right-aligned in an area of this width.
void CityClockView::tellArea() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen != screen_) {
        if (screen_) disconnect(screen_, nullptr, this, nullptr);
        screen_ = screen;
        if (screen_) connect(screen_, &QScreen::availableGeometryChanged, this, [this] { tellArea(); });
    }
    area_ = screen_ ? screen_->availableGeometry() : QRect();
    const auto& tell = viewHooks(app_).taskbarArea;
    if (!screen_ || !tell) return;
    const int width = area_.width();
    view_.user([&tell, width] { tell(width); });
}

void CityClockView::sync() {
    const Control* c = &panel_;
    const bool shown = c->visible && !app_.main.closing && screen_;
    if (!shown) {
        if (window_->isVisible()) window_->hide();
        if (layer_ && layer_->shown()) layer_->hide();
        painted_.reset();
        return;
    }
    const QRect area = area_;
    // The tick writes the same minute sixty times: only a change is painted.
    const bool up = layer_ ? layer_->shown() : window_->isVisible();
    if (painted_ && area == paintedArea_ && up && looksSame(*painted_, *c)) return;
    painted_ = *c;
    paintedArea_ = area;
    window_->setAreaLeft(area.left());
    // A font bigger than the panel's height is never cut: the panel grows to fit it.
    const int textHeight = QFontMetrics(controlFont(*c)).height() + 4;
    const QSize size(std::max(c->width, 1), std::max(c->height, textHeight));
    const QRect place(area.left() + c->left, area.bottom() + 1 - size.height(), size.width(), size.height());
    if (layer_) {
        // Painted by the window, shown by the compositor at the same distance from the corner.
        if (window_->size() != size) window_->resize(size);
        QImage picture(size, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        window_->render(&picture);
        layerPlace_ = place;
        layer_->show(picture, area.right() - place.right(), area.bottom() - place.bottom());
        return;
    }
    if (window_->geometry() != place) window_->setGeometry(place);
    window_->update();
    if (!window_->isVisible()) window_->show();
}

void registerCityClockView(ProgramView& view) {
    const Control* panel = viewHooks(view.application()).taskbarPanel;
    if (!panel) return; // a program without the taskbar clock
    view.registerCustomWidget(*panel, [](QWidget* parent, Control&) { return new StandIn(parent); });
    new CityClockView(view, *panel);
}

} // namespace kelvaro
