#include "moon/moon_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include <cstring>
#include <map>
#include <string>

// Resources of a static library must be registered by hand (outside any namespace).
static void RegisterMoonPictures() {
    Q_INIT_RESOURCE(moon);
}

namespace kelvaro {

namespace {

moon::MoonBitmap decodeMoonPicture(std::string_view name) {
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

} // namespace

// Each new date repaints from the picture: it is decoded once, not each minute.
moon::MoonBitmap LoadMoonPicture(std::string_view name) {
    static std::map<std::string, moon::MoonBitmap, std::less<>> decoded;
    auto it = decoded.find(name);
    if (it == decoded.end()) it = decoded.emplace(std::string(name), decodeMoonPicture(name)).first;
    return it->second;
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
    if (shownRepaint_ == moon_.RepaintCount()) return;
    shownRepaint_ = moon_.RepaintCount();
    // The tick gives a new date each minute; the shadow moves by a pixel in hours.
    const moon::MoonBitmap& now = moon_.Picture();
    if (now.width == shownPicture_.width && now.height == shownPicture_.height &&
        now.pixels == shownPicture_.pixels)
        return;
    shownPicture_ = now;
    update();
}

} // namespace kelvaro
