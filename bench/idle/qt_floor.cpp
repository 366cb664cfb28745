// The least a Qt Widgets program can spend on a clock: a window whose one label
// changes each second ("label"), a bare one-second timer ("timer"), or the seconds
// drawn past Qt's repaint ("xcopy": sixty pictures kept as X pixmaps on the server,
// one copied into the window each second). Run beside the real binary (compare.sh)
// it shows how much of the idle CPU is the program's.
#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTimer>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

QString secondsText(int n) {
    return QString::number(n % 60);
}

QImage picture(const QWidget& w, int n) {
    QImage image(w.size(), QImage::Format_RGB32);
    image.fill(w.palette().window().color());
    QPainter p(&image);
    p.setFont(w.font());
    p.setPen(w.palette().windowText().color());
    p.drawText(image.rect(), Qt::AlignLeft | Qt::AlignVCenter, secondsText(n));
    return image;
}

// Qt paints it on expose; between exposes the timer copies pixmaps over it.
class Seconds : public QWidget {
  public:
    using QWidget::QWidget;
    int n = 0;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, picture(*this, n));
    }
};

// Sixty server-side pixmaps of the seconds and a GC that asks for no NoExpose events.
class ServerPictures {
  public:
    explicit ServerPictures(const Seconds& w) : window_(static_cast<xcb_window_t>(w.window()->winId())) {
        auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
        if (!x11) return;
        conn_ = x11->connection();
        auto* geo = xcb_get_geometry_reply(conn_, xcb_get_geometry(conn_, window_), nullptr);
        if (!geo) return;
        const uint8_t depth = geo->depth;
        std::free(geo);
        gc_ = xcb_generate_id(conn_);
        const uint32_t noExposures = 0;
        xcb_create_gc(conn_, gc_, window_, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
        for (int n = 0; n < 60; ++n) {
            const QImage image = picture(w, n);
            const xcb_pixmap_t pm = xcb_generate_id(conn_);
            xcb_create_pixmap(conn_, depth, pm, window_, image.width(), image.height());
            xcb_put_image(conn_, XCB_IMAGE_FORMAT_Z_PIXMAP, pm, gc_, image.width(), image.height(), 0, 0, 0,
                          depth, image.sizeInBytes(), image.constBits());
            pixmaps_.push_back(pm);
        }
        at_ = w.geometry();
        xcb_flush(conn_);
    }
    bool ok() const { return !pixmaps_.empty(); }
    void show(int n) {
        xcb_copy_area(conn_, pixmaps_[n % 60], window_, gc_, 0, 0, static_cast<int16_t>(at_.x()),
                      static_cast<int16_t>(at_.y()), static_cast<uint16_t>(at_.width()),
                      static_cast<uint16_t>(at_.height()));
        xcb_flush(conn_);
    }

  private:
    xcb_connection_t* conn_ = nullptr;
    xcb_window_t window_;
    xcb_gcontext_t gc_ = 0;
    QRect at_;
    std::vector<xcb_pixmap_t> pixmaps_;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const char* mode = argc < 2 ? "label" : argv[1];
    const bool label = std::strcmp(mode, "label") == 0;
    const bool xcopy = std::strcmp(mode, "xcopy") == 0;
    QWidget window;
    window.resize(520, 400);
    QLabel seconds(&window);
    Seconds drawn(&window);
    for (QWidget* w : {static_cast<QWidget*>(&seconds), static_cast<QWidget*>(&drawn)})
        w->setGeometry(370, 110, 38, 30);
    if (xcopy)
        seconds.hide();
    else
        drawn.hide();
    window.show();
    std::unique_ptr<ServerPictures> server;
    int n = 0;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++n;
        if (label) seconds.setText(secondsText(n));
        if (!xcopy) return;
        drawn.n = n;
        if (!server) server = std::make_unique<ServerPictures>(drawn);
        if (server->ok())
            server->show(n);
        else
            drawn.update();
    });
    timer.start(1000);
    return QApplication::exec();
}
