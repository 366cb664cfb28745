#include "ui/control_widgets.h"

#include "framework/translatable.h"
#include "platform/linux/translation.h"
#include "ui/alone_on_form.h"
#include "ui/screen_reader_names.h"
#include "ui/server_pixmap_copier.h"

#include <QPaintEvent>
#include <algorithm>

#include <QAccessible>
#include <QChildEvent>
#include <QCloseEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QTimer>

namespace kelvaro {

void LampWidget::setState(bool on, const QColor& onColor, const QColor& offColor) {
    if (on == on_ && onColor == onColor_ && offColor == offColor_) return;
    if (onColor != onColor_ || offColor != offColor_) onLook_ = offLook_ = QPixmap();
    on_ = on;
    // A screen reader hears the state; without one the blinking lamp costs no event.
    if (QAccessible::isActive()) setAccessibleDescription(translated(on ? KV_TR("lit") : KV_TR("not lit")));
    onColor_ = onColor;
    offColor_ = offColor;
    // A blink with nothing around the lamp changed: its other look is on the server already.
    if (copier_ && copier_->showAgain(lookKey())) return;
    keepOpaqueWhenAlone(*this);
    if (!copyToWindow()) update();
}

QString LampWidget::lookKey() const {
    return QString::number((on_ ? onColor_ : offColor_).rgba64(), 16);
}

bool LampWidget::copyToWindow() {
    if (!isVisible() || size().isEmpty() || !testAttribute(Qt::WA_OpaquePaintEvent)) return false;
    if (!copier_) copier_ = new ServerPixmapCopier(*this);
    return copier_->show(lookKey(), [this] {
        // What paintEvent draws, into the backing store's own format.
        QImage image(size(), QImage::Format_RGB32);
        QPainter p(&image);
        paintFormUnder(p, *this);
        p.drawPixmap(0, 0, currentLook());
        p.end();
        return image;
    });
}

const QPixmap& LampWidget::currentLook() {
    QPixmap& look = on_ ? onLook_ : offLook_;
    if (look.isNull() || look.devicePixelRatio() != devicePixelRatioF())
        look = drawLamp(on_ ? onColor_ : offColor_);
    return look;
}

void LampWidget::resizeEvent(QResizeEvent*) {
    onLook_ = offLook_ = QPixmap();
}

TrackBarWidget::TrackBarWidget(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setTickPosition(QSlider::TicksBelow);
}

void TrackBarWidget::setSelection(int start, int end) {
    if (start == selStart_ && end == selEnd_) return;
    selStart_ = start;
    selEnd_ = end;
    update();
}

void TrackBarWidget::paintEvent(QPaintEvent* event) {
    if (selEnd_ > selStart_ && maximum() > minimum()) {
        QPainter p(this);
        const int span = width() - 16; // the thumb's half width at each end
        auto x = [&](int value) {
            const int v = std::clamp(value, minimum(), maximum());
            return 8 + span * (v - minimum()) / (maximum() - minimum());
        };
        p.fillRect(QRect(x(selStart_), height() / 2 - 5, x(selEnd_) - x(selStart_), 3), QColor(0, 0, 255));
    }
    QSlider::paintEvent(event);
}

void LampWidget::paintEvent(QPaintEvent*) {
    if (copier_) copier_->painted();
    const QPixmap& look = currentLook();
    QPainter p(this);
    paintFormUnder(p, *this);
    p.drawPixmap(0, 0, look);
}

QPixmap LampWidget::drawLamp(const QColor& fill) const {
    if (size().isEmpty()) return {}; // nothing to paint into yet
    const qreal ratio = devicePixelRatioF();
    QPixmap look(size() * ratio);
    look.setDevicePixelRatio(ratio);
    look.fill(Qt::transparent);
    QPainter p(&look);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QRadialGradient shine(r.center() - QPointF(r.width() / 5, r.height() / 5), r.width() / 1.4);
    shine.setColorAt(0, fill.lighter(150));
    shine.setColorAt(1, fill);
    p.setBrush(shine);
    p.setPen(QPen(fill.darker(170), 1));
    p.drawEllipse(r);
    p.end();
    return look;
}

UpDownWidget::UpDownWidget(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
}

void UpDownWidget::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

void ImageWidget::setPixmap(const QPixmap& pixmap) {
    pixmap_ = pixmap;
    update();
}

void ImageWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!pixmap_.isNull()) {
        p.drawPixmap(0, 0, pixmap_);
        return;
    }
    p.setRenderHint(QPainter::Antialiasing);
    const int d = std::min(width(), height()) - 4;
    if (d <= 0) return;
    p.setPen(QPen(QColor(110, 110, 110), 1.5));
    p.setBrush(QColor(110, 110, 110, 40));
    p.drawEllipse(QRectF((width() - d) / 2.0, (height() - d) / 2.0, d, d));
}

namespace {

QPainterPath roundedWindowPath(int width, int height, int ellipse) {
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, width, height + 1), ellipse / 2.0, ellipse / 2.0);
    return path;
}

} // namespace

QRegion roundedWindowRegion(int width, int height, int ellipse) {
    return QRegion(roundedWindowPath(width, height, ellipse).toFillPolygon().toPolygon());
}

FormWindow::FormWindow(QWidget* parent) : QWidget(parent, Qt::Window), body_(new QWidget(this)) {
    static const bool rolesInstalled = (installScreenReaderRoles(), true);
    (void)rolesInstalled;
    body_->installEventFilter(this);
}

bool FormWindow::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal) ++surroundings_; // the pixel ratio may differ
    // A menu bar made anew reaches into the corners too.
    if (event->type() == QEvent::ChildPolished && rounded_ > 0)
        QTimer::singleShot(0, this, [this] { applyShape(); });
    // Every control is there by the first show: the nameless ones take their labels' texts.
    if (event->type() == QEvent::Show) nameByNeighbours(body_);
    return QWidget::event(event);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ChildAdded:
        if (watched == body_) {
            QObject* child = static_cast<QChildEvent*>(event)->child();
            if (child->isWidgetType()) child->installEventFilter(this);
            ++surroundings_;
        }
        break;
    case QEvent::ChildRemoved:
        if (watched == body_) ++surroundings_; // the child may be half destroyed: left alone
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ZOrderChange:
    case QEvent::ParentChange:
    case QEvent::PaletteChange:
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::EnabledChange:
        ++surroundings_;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void FormWindow::setBackground(const QColor& color) {
    if (color == background_) return;
    background_ = color;
    painted_ = QPixmap();
    ++surroundings_;
    update();
}

void FormWindow::setRounded(int ellipse) {
    if (ellipse == rounded_) return;
    rounded_ = ellipse;
    // The corners are painted see-through: a mask alone shapes only the input on Wayland and
    // leaves black corners under some XWayland servers. Possible only before the window exists.
    if (ellipse > 0 && !testAttribute(Qt::WA_WState_Created)) setAttribute(Qt::WA_TranslucentBackground);
    painted_ = QPixmap();
    ++surroundings_;
    applyShape();
    update();
}

void FormWindow::setClientArea(int top, int width, int height) {
    const QRect client(0, top, width, height);
    if (body_->geometry() != client) body_->setGeometry(client);
    const QSize whole(width, top + height);
    if (size() != whole) resize(whole);
}

void FormWindow::setFace(const QRect& face) {
    if (face == face_) return;
    face_ = face;
    painted_ = QPixmap();
    ++surroundings_;
    update();
}

const QPixmap& FormWindow::background() {
    const qreal ratio = devicePixelRatio();
    if (painted_.size() != size() * ratio) {
        painted_ = QPixmap(size() * ratio);
        painted_.setDevicePixelRatio(ratio);
        if (rounded_ > 0) painted_.fill(Qt::transparent); // the corners stay see-through
        paintBackground(painted_);
    }
    return painted_;
}

void FormWindow::paintEvent(QPaintEvent* event) {
    if (!background_.isValid()) return;
    const qreal ratio = devicePixelRatio();
    QPainter(this).drawPixmap(
        event->rect(), background(),
        QRectF(QPointF(event->rect().topLeft()) * ratio, QSizeF(event->rect().size()) * ratio));
}

void FormWindow::paintBackground(QPainter& painter, const QPoint& at, const QSize& size) {
    if (!background_.isValid()) return;
    const qreal ratio = devicePixelRatio();
    painter.drawPixmap(QRect(QPoint(0, 0), size), background(),
                       QRectF(QPointF(at) * ratio, QSizeF(size) * ratio));
}

void FormWindow::paintBackground(QPaintDevice& device) {
    QPainter p(&device);
    if (rounded_ > 0) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setClipPath(roundedWindowPath(width(), height(), rounded_));
    }
    // A soft vertical sheen over the form's own colour.
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, background_.lighter(112));
    g.setColorAt(1, background_.darker(104));
    p.fillRect(rect(), g);
    if (face_.isEmpty()) return;
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plate = QRectF(face_).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient shine(0, face_.top(), 0, face_.bottom());
    shine.setColorAt(0, QColor(255, 255, 255, 170));
    shine.setColorAt(1, QColor(255, 255, 255, 90));
    p.setBrush(shine);
    p.setPen(QPen(background_.darker(135), 1));
    p.drawRoundedRect(plate, 12, 12);
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    ++surroundings_; // the background is drawn again at the new size
    QWidget::resizeEvent(event);
    applyShape();
}

void FormWindow::applyShape() {
    // The window's mask keeps the input (and on X11 the picture) to the shape; the children that
    // reach into a corner (the menu bar) are cut to it, as they paint their own backgrounds.
    const QRegion shape = rounded_ > 0 ? roundedWindowRegion(width(), height(), rounded_) : QRegion();
    if (rounded_ > 0)
        setMask(shape);
    else
        clearMask();
    for (QObject* child : children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget == body_ || widget->isWindow()) continue;
        const QRegion inside = shape.translated(-widget->pos()) & widget->rect();
        if (rounded_ > 0 && inside != QRegion(widget->rect()))
            widget->setMask(inside);
        else if (!widget->mask().isEmpty())
            widget->clearMask();
    }
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The form's own state decides whether it stays open; the view hides it
    // once the model has closed it.
    if (onUserClose) {
        event->ignore();
        onUserClose();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace kelvaro
