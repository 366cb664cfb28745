#include "ui/server_pixmap_copier.h"

#include "ui/alone_on_form.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace kelvaro {

ServerPixmapCopier::ServerPixmapCopier(QWidget& widget) : QObject(&widget), widget_(widget) {
    widget_.installEventFilter(this);
}

ServerPixmapCopier::~ServerPixmapCopier() {
    if (!qApp) return; // the connection went with the application
    forget();
}

void ServerPixmapCopier::forget() {
    if (pictures_) {
        for (const auto& [key, pixmap] : pixmaps_)
            pictures_->release(pixmap);
        if (!pixmaps_.empty()) pictures_->send();
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
    static const bool possible = displayKeepsPictures();
    if (!possible) return false;
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
    pictures_.reset();
    window_ = window;
    window_->installEventFilter(this);
}

bool ServerPixmapCopier::connect() {
    if (!pictures_) pictures_ = openServerPictures(window_->winId());
    return pictures_ != nullptr;
}

bool ServerPixmapCopier::show(const QString& key, const std::function<QImage()>& draw) {
    if (!usable()) return false;
    const ServerPictures::Picture pixmap = upload(key, draw);
    if (!pixmap) return false;
    copy(pixmap);
    checked_.remember(widget_);
    return true;
}

bool ServerPixmapCopier::keep(const QString& key, const std::function<QImage()>& draw) {
    if (!checked_.unchanged()) return false;
    if (pixmaps_.contains(key)) return true;
    if (pixmaps_.size() >= kMostLooks || !upload(key, draw)) return false; // never push out a look in use
    pictures_->send();
    return true;
}

// Enough for the sixty seconds; a widget that shows more looks starts over.
ServerPictures::Picture ServerPixmapCopier::upload(const QString& key, const std::function<QImage()>& draw) {
    if (const auto it = pixmaps_.find(key); it != pixmaps_.end()) return it->second;
    const QImage image = draw().convertToFormat(QImage::Format_RGB32);
    if (image.size() != place_.size) return 0;
    const ServerPictures::Picture pixmap = pictures_->upload(image.width(), image.height(), image.constBits(),
                                                             static_cast<std::size_t>(image.sizeInBytes()));
    if (!pixmap) return 0;
    if (pixmaps_.size() >= kMostLooks) forget();
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

void ServerPixmapCopier::copy(ServerPictures::Picture pixmap) {
    pictures_->copy(pixmap, place_.at.x(), place_.at.y(), place_.size.width(), place_.size.height());
    pictures_->send();
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
