// Pictures kept as pixmaps on the X server, on Qt's own xcb connection, and
// copied into a window by one CopyArea.
#include "platform/server_pictures.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>

namespace kelvaro {

namespace {

int openBatches = 0;
xcb_connection_t* unsent = nullptr; // written to during a batch, not yet flushed

void sendSoon(xcb_connection_t* conn) {
    if (openBatches > 0)
        unsent = conn;
    else
        xcb_flush(conn);
}

class XPixmaps : public ServerPictures {
  public:
    XPixmaps(xcb_connection_t* conn, xcb_window_t window, std::uint8_t depth)
        : conn_(conn), window_(window), depth_(depth), gc_(xcb_generate_id(conn)) {
        // No NoExpose event for each copy: it would wake Qt's event reader every second.
        const std::uint32_t noExposures = 0;
        xcb_create_gc(conn_, gc_, window_, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    }
    ~XPixmaps() override {
        if (!QCoreApplication::instance()) return; // the connection went with the application
        xcb_free_gc(conn_, gc_);
        sendSoon(conn_);
    }
    XPixmaps(const XPixmaps&) = delete;
    XPixmaps& operator=(const XPixmaps&) = delete;

    Picture upload(int width, int height, const std::uint8_t* pixels, std::size_t bytes) override {
        // A request larger than the server takes would close the connection.
        if (bytes + 64 > 4ULL * xcb_get_maximum_request_length(conn_)) return 0;
        const xcb_pixmap_t pixmap = xcb_generate_id(conn_);
        const auto w = static_cast<std::uint16_t>(width);
        const auto h = static_cast<std::uint16_t>(height);
        xcb_create_pixmap(conn_, depth_, pixmap, window_, w, h);
        xcb_put_image(conn_, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc_, w, h, 0, 0, 0, depth_,
                      static_cast<std::uint32_t>(bytes), pixels);
        return pixmap;
    }

    void copy(Picture picture, int x, int y, int width, int height) override {
        xcb_copy_area(conn_, picture, window_, gc_, 0, 0, static_cast<std::int16_t>(x),
                      static_cast<std::int16_t>(y), static_cast<std::uint16_t>(width),
                      static_cast<std::uint16_t>(height));
    }

    void release(Picture picture) override { xcb_free_pixmap(conn_, picture); }

    void send() override { sendSoon(conn_); }

  private:
    xcb_connection_t* conn_;
    xcb_window_t window_;
    std::uint8_t depth_;
    xcb_gcontext_t gc_;
};

} // namespace

ServerPictures::Batch::Batch() {
    ++openBatches;
}

ServerPictures::Batch::~Batch() {
    if (--openBatches > 0 || !unsent) return;
    xcb_flush(unsent);
    unsent = nullptr;
}

bool displayKeepsPictures() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

std::unique_ptr<ServerPictures> openServerPictures(std::uintptr_t window) {
    auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    auto* x11 = gui ? gui->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* conn = x11 ? x11->connection() : nullptr;
    if (!conn) return nullptr;
    const auto id = static_cast<xcb_window_t>(window);
    xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(conn, xcb_get_geometry(conn, id), nullptr);
    if (!geometry) return nullptr;
    const std::uint8_t depth = geometry->depth;
    std::free(geometry);
    // The pictures are 32-bit pixels in the machine's order: only 24- and 32-bit visuals
    // on a little-endian server take them as they are.
    if ((depth != 24 && depth != 32) || xcb_get_setup(conn)->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return nullptr;
    return std::make_unique<XPixmaps>(conn, id, depth);
}

} // namespace kelvaro
