#include "moon/moon_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include <cstring>

// Resources of a static library must be registered by hand (outside any namespace).
static void RegisterMoonPictures() {
    Q_INIT_RESOURCE(moon);
}

namespace kelvaro {

moon::MoonBitmap LoadMoonPicture(std::string_view name) {
    static const bool registered = (RegisterMoonPictures(), true);
    (void)registered;
    const QString path =
        QStringLiteral(":/moon/") + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
    if (image.isNull()) return {};
    moon::MoonBitmap bitmap(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        std::memcpy(bitmap.pixels.data() + static_cast<std::size_t>(y) * bitmap.width, image.constScanLine(y),
                    static_cast<std::size_t>(bitmap.width) * sizeof(moon::Pixel));
    }
    return bitmap;
}

QImage ToQImage(const moon::MoonBitmap& bitmap) {
    QImage image(bitmap.width, bitmap.height, QImage::Format_ARGB32);
    for (int y = 0; y < bitmap.height; ++y) {
        std::memcpy(image.scanLine(y), bitmap.pixels.data() + static_cast<std::size_t>(y) * bitmap.width,
                    static_cast<std::size_t>(bitmap.width) * sizeof(moon::Pixel));
    }
    return image;
}

MoonWidget::MoonWidget(QWidget* parent) : QWidget(parent), moon_(LoadMoonPicture) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    Refresh();
}

void MoonWidget::setDate(double dateTime) {
    moon_.SetDate(dateTime);
    Refresh();
}

void MoonWidget::setMoonSize(moon::TMoonSize size) {
    moon_.SetMoonSize(size);
    Refresh();
}

void MoonWidget::setRotation(moon::TRotate rotation) {
    moon_.SetRotation(rotation);
    Refresh();
}

void MoonWidget::setShowApollo11(bool show) {
    moon_.SetShowApollo11(show);
    Refresh();
}

void MoonWidget::setMoonStyle(moon::TMoonStyle style) {
    moon_.SetMoonStyle(style);
    Refresh();
}

QImage MoonWidget::picture() const {
    return ToQImage(moon_.Picture());
}

QSize MoonWidget::sizeHint() const {
    return {moon_.Width(), moon_.Height()};
}

void MoonWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, picture());
}

void MoonWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept(); // a double-click on the picture does nothing
}

void MoonWidget::Refresh() {
    if (size() != sizeHint()) setFixedSize(sizeHint());
    if (shownRepaint_ != moon_.RepaintCount()) {
        shownRepaint_ = moon_.RepaintCount();
        update();
    }
}

} // namespace kelvaro
