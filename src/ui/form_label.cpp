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

void FormLabel::setCaption(const QString& text) {
    keepOpaqueWhenAlone(*this);
    setText(text);
    if (!testAttribute(Qt::WA_OpaquePaintEvent) || keptPicture()) return;
    const qreal ratio = devicePixelRatio();
    const QSize pixels = size() * ratio;
    const long long bytes = std::max(1LL, 4LL * pixels.width() * pixels.height());
    if (pictures_.size() >=
        std::min<std::size_t>(kMostPictures, static_cast<std::size_t>(kPictureBytes / bytes)))
        pictures_.clear();
    QPixmap picture(pixels);
    picture.setDevicePixelRatio(ratio);
    drawing_ = true;
    render(&picture, QPoint(), QRegion(), QWidget::RenderFlags());
    drawing_ = false;
    pictures_.emplace(text, std::move(picture));
}

void FormLabel::paintEvent(QPaintEvent* event) {
    const bool opaque = testAttribute(Qt::WA_OpaquePaintEvent);
    if (opaque && !drawing_)
        if (const QPixmap* picture = keptPicture()) {
            QPainter(this).drawPixmap(0, 0, *picture);
            return;
        }
    if (opaque) {
        // Qt fills no background under an opaque widget: a colour given since it was made opaque is ours to
        // fill.
        QPainter p(this);
        if (autoFillBackground())
            p.fillRect(rect(), palette().brush(backgroundRole()));
        else
            paintFormUnder(p, *this);
    }
    QLabel::paintEvent(event);
}

void FormLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) pictures_.clear();
    QLabel::changeEvent(event);
}

FormLabel::Look FormLabel::look() {
    return {size(),     pos(), formBackgroundKey(*this), palette().cacheKey(), static_cast<int>(alignment()),
            isEnabled()};
}

const QPixmap* FormLabel::keptPicture() {
    if (const Look now = look(); !(now == look_)) {
        pictures_.clear();
        look_ = now;
    }
    const auto it = pictures_.find(text());
    return it != pictures_.end() ? &it->second : nullptr;
}

} // namespace kelvaro
