#include "ui/form_label.h"

#include "ui/alone_on_form.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

namespace kelvaro {

namespace {

// Enough for a label's sixty seconds; a big label keeps fewer.
constexpr long long kPictureBytes = 300'000;
constexpr std::size_t kMostPictures = 64;

} // namespace

void FormLabel::paintEvent(QPaintEvent* event) {
    const bool opaque = testAttribute(Qt::WA_OpaquePaintEvent);
    if (opaque && !drawing_) {
        QPainter(this).drawPixmap(0, 0, picture());
        return;
    }
    if (opaque) {
        QPainter p(this);
        paintFormUnder(p, *this);
    }
    QLabel::paintEvent(event);
}

void FormLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) pictures_.clear();
    QLabel::changeEvent(event);
}

const QPixmap& FormLabel::picture() {
    const Look look{size(), pos(), formBackgroundKey(*this), palette().cacheKey(),
                    static_cast<int>(alignment()), isEnabled()};
    if (!(look == look_)) {
        pictures_.clear();
        look_ = look;
    }
    const QString key = text();
    if (auto it = pictures_.find(key); it != pictures_.end()) return it->second;
    const qreal ratio = devicePixelRatio();
    const QSize pixels = size() * ratio;
    const long long bytes = std::max(1LL, 4LL * pixels.width() * pixels.height());
    if (pictures_.size() >= std::min<std::size_t>(kMostPictures, static_cast<std::size_t>(kPictureBytes / bytes)))
        pictures_.clear();
    QPixmap picture(pixels);
    picture.setDevicePixelRatio(ratio);
    drawing_ = true;
    render(&picture, QPoint(), QRegion(), QWidget::RenderFlags());
    drawing_ = false;
    return pictures_.emplace(key, std::move(picture)).first->second;
}

} // namespace kelvaro
