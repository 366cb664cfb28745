#include "ui/server_pixmap_copier.h"

#include "ui/alone_on_form.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>

namespace kelvaro {

namespace {

int openBatches = 0;
xcb_connection_t* unflushed = nullptr; // copied into during a batch, not yet written

void flushSoon(xcb_connection_t* conn) {
    if (openBatches > 0)
        unflushed = conn;
    else
        xcb_flush(conn);
}

} // namespace

ServerPixmapCopier::Batch::Batch() {
    ++openBatches;
}

ServerPixmapCopier::Batch::~Batch() {
    if (--openBatches > 0 || !unflushed) return;
    xcb_flush(unflushed);
    unflushed = nullptr;
}

ServerPixmapCopier::ServerPixmapCopier(QWidget& widget) : QObject(&widget), widget_(widget) {
    widget_.installEventFilter(this);
}

ServerPixmapCopier::~ServerPixmapCopier() {
    if (!qApp) return; // the connection went with the application
    forget();
    if (conn_ && gc_) {
        xcb_free_gc(conn_, gc_);
        xcb_flush(conn_);
    }
}

void ServerPixmapCopier::forget() {
    if (conn_) {
        for (const auto& [key, pixmap] : pixmaps_)
            xcb_free_pixmap(conn_, pixmap);
        if (!pixmaps_.empty()) xcb_flush(conn_);
    }
    pixmaps_.clear();
    checked_.forget();
}

void ServerPixmapCopier::markStale() {
    if (!stale_) return;
    widget_.update(); // Qt paints it in the same sync, before it flushes the old look
}

// Only where a copy lands exactly where Qt would paint: X11, one device pixel per
// pixel, the widget opaque, shown, unclipped and drawn into its window's own surface.
bool ServerPixmapCopier::usable() {
    checked_.forget();
    static const bool onX11 = QGuiApplication::platformName() == QLatin1String("xcb");
    if (!onX11) return false;
    if (!widget_.testAttribute(Qt::WA_OpaquePaintEvent) || !widget_.isVisible() ||
        !widget_.updatesEnabled() || widget_.devicePixelRatioF() != 1.0)
        return false;
    QWidget* top = widget_.window();
    if (widget_.nativeParentWidget() != top) return false;
    QWindow* window = top->windowHandle();
    if (!window || !window->isExposed()) return false;
    if (window_ != window) watchWindow(window);
    if (topLevel_ != top) {
        top->installEventFilter(this);
        topLevel_ = top;
    }
    const Place now{widget_.mapTo(top, QPoint()), widget_.size(), formBackgroundKey(widget_),
                    widget_.palette().cacheKey()};
    if (!(now == place_)) {
        forget();
        place_ = now;
    }
    return connect();
}

void ServerPixmapCopier::watchWindow(QWindow* window) {
    if (window_) window_->removeEventFilter(this);
    forget();
    if (conn_ && gc_) xcb_free_gc(conn_, gc_);
    gc_ = 0;
    drawable_ = 0;
    window_ = window;
    window_->installEventFilter(this);
}

bool ServerPixmapCopier::connect() {
    if (gc_) return true;
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return false;
    conn_ = x11->connection();
    const auto window = static_cast<xcb_window_t>(window_->winId());
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(conn_, xcb_get_geometry(conn_, window), nullptr);
    if (!geometry) return false;
    depth_ = geometry->depth;
    std::free(geometry);
    // The pictures are 32-bit pixels in the machine's order: only 24- and 32-bit visuals
    // on a little-endian server take them as they are.
    if ((depth_ != 24 && depth_ != 32) || xcb_get_setup(conn_)->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return false;
    drawable_ = window;
    gc_ = xcb_generate_id(conn_);
    // No NoExpose event for each copy: it would wake Qt's event reader every second.
    const std::uint32_t noExposures = 0;
    xcb_create_gc(conn_, gc_, drawable_, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    return true;
}

bool ServerPixmapCopier::show(const QString& key, const std::function<QImage()>& draw) {
    if (!usable()) return false;
    const std::uint32_t pixmap = upload(key, draw);
    if (!pixmap) return false;
    copy(pixmap);
    checked_.remember(widget_);
    return true;
}

bool ServerPixmapCopier::keep(const QString& key, const std::function<QImage()>& draw) {
    if (!checked_.unchanged()) return false;
    if (pixmaps_.contains(key)) return true;
    if (pixmaps_.size() >= kMostLooks || !upload(key, draw)) return false; // never push out a look in use
    flushSoon(conn_);
    return true;
}

// Enough for the sixty seconds; a widget that shows more looks starts over.
std::uint32_t ServerPixmapCopier::upload(const QString& key, const std::function<QImage()>& draw) {
    if (const auto it = pixmaps_.find(key); it != pixmaps_.end()) return it->second;
    const QImage image = draw().convertToFormat(QImage::Format_RGB32);
    if (image.size() != place_.size) return 0;
    const auto bytes = static_cast<std::uint32_t>(image.sizeInBytes());
    // A request larger than the server takes would close the connection.
    if (bytes + 64 > 4ULL * xcb_get_maximum_request_length(conn_)) return 0;
    if (pixmaps_.size() >= kMostLooks) forget();
    const xcb_pixmap_t pixmap = xcb_generate_id(conn_);
    xcb_create_pixmap(conn_, depth_, pixmap, drawable_, static_cast<std::uint16_t>(image.width()),
                      static_cast<std::uint16_t>(image.height()));
    xcb_put_image(conn_, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc_, static_cast<std::uint16_t>(image.width()),
                  static_cast<std::uint16_t>(image.height()), 0, 0, 0, depth_, bytes, image.constBits());
    pixmaps_.emplace(key, pixmap);
    return pixmap;
}

bool ServerPixmapCopier::showAgain(const QString& key) {
    if (!checked_.unchanged() || !window_ || !window_->isExposed() || !widget_.isVisible()) return false;
    const auto it = pixmaps_.find(key);
    if (it == pixmaps_.end()) return false;
    copy(it->second);
    return true;
}

void ServerPixmapCopier::copy(std::uint32_t pixmap) {
    xcb_copy_area(conn_, pixmap, drawable_, gc_, 0, 0, static_cast<std::int16_t>(place_.at.x()),
                  static_cast<std::int16_t>(place_.at.y()), static_cast<std::uint16_t>(place_.size.width()),
                  static_cast<std::uint16_t>(place_.size.height()));
    flushSoon(conn_);
    stale_ = true;
}

bool ServerPixmapCopier::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Expose:
    case QEvent::UpdateRequest:
    case QEvent::UpdateLater:
        // Qt is about to flush its backing store, which holds an old look.
        if (watched != &widget_) markStale();
        break;
    case QEvent::Hide:
    case QEvent::Resize:
    case QEvent::Move:
    case QEvent::PaletteChange:
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::EnabledChange:
    case QEvent::ScreenChangeInternal:
        if (watched == &widget_) {
            forget();
            markStale();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kelvaro
