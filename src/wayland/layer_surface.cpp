#include "wayland/layer_surface.h"

#include "wayland/wayland_globals.h"

#include "wlr-layer-shell-unstable-v1-client-protocol.h"

#include <QGuiApplication>
#include <QSocketNotifier>
#include <wayland-client.h>

#include <linux/input-event-codes.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace kelvaro {

struct LayerSurface::Client {
    LayerSurface* owner = nullptr;
    wl_display* display = nullptr;
    wl_registry* registry = nullptr;
    wl_compositor* compositor = nullptr;
    wl_shm* shm = nullptr;
    wl_seat* seat = nullptr;
    wl_pointer* pointer = nullptr;
    zwlr_layer_shell_v1* shell = nullptr;
    wl_surface* surface = nullptr;
    zwlr_layer_surface_v1* layer = nullptr;
    std::unique_ptr<QSocketNotifier> notifier;
    QSize size;
    QPoint margins;
    bool configured = false;
    bool inside = false;
    QPoint at;
    Qt::MouseButtons buttons;

    ~Client() {
        destroySurface();
        if (pointer) wl_pointer_release(pointer);
        if (seat) wl_seat_destroy(seat);
        if (shell) zwlr_layer_shell_v1_destroy(shell);
        if (shm) wl_shm_destroy(shm);
        if (compositor) wl_compositor_destroy(compositor);
        if (registry) wl_registry_destroy(registry);
        if (display) wl_display_disconnect(display);
    }

    void destroySurface() {
        if (layer) zwlr_layer_surface_v1_destroy(layer);
        if (surface) wl_surface_destroy(surface);
        layer = nullptr;
        surface = nullptr;
        configured = false;
        size = QSize();
        flush();
    }

    void flush() {
        if (display) wl_display_flush(display);
    }

    // A buffer holding `picture`, freed once the compositor lets go of it.
    wl_buffer* bufferOf(const QImage& picture) {
        const QImage argb = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const int stride = argb.width() * 4;
        const int bytes = stride * argb.height();
        const int fd = memfd_create("kelvaro-layer", MFD_CLOEXEC);
        if (fd < 0) return nullptr;
        if (ftruncate(fd, bytes) != 0) {
            close(fd);
            return nullptr;
        }
        void* data = mmap(nullptr, static_cast<size_t>(bytes), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        if (data == MAP_FAILED) {
            close(fd);
            return nullptr;
        }
        for (int y = 0; y < argb.height(); ++y)
            std::memcpy(static_cast<char*>(data) + y * stride, argb.constScanLine(y),
                        static_cast<size_t>(stride));
        munmap(data, static_cast<size_t>(bytes));
        wl_shm_pool* pool = wl_shm_create_pool(shm, fd, bytes);
        wl_buffer* buffer =
            wl_shm_pool_create_buffer(pool, 0, argb.width(), argb.height(), stride, WL_SHM_FORMAT_ARGB8888);
        wl_shm_pool_destroy(pool);
        close(fd);
        static const wl_buffer_listener released = {[](void*, wl_buffer* b) { wl_buffer_destroy(b); }};
        wl_buffer_add_listener(buffer, &released, nullptr);
        return buffer;
    }
};

namespace {

using Client = LayerSurface::Client;

void pointerEvent(Client* c, LayerSurface::PointerEvent type, Qt::MouseButton button) {
    if (c->owner->onPointer) c->owner->onPointer(type, c->at, button, c->buttons);
}

const wl_pointer_listener kPointerListener = {
    // enter
    [](void* data, wl_pointer*, uint32_t, wl_surface* surface, wl_fixed_t x, wl_fixed_t y) {
        auto* c = static_cast<Client*>(data);
        c->inside = surface == c->surface;
        c->at = QPoint(wl_fixed_to_int(x), wl_fixed_to_int(y));
    },
    // leave
    [](void* data, wl_pointer*, uint32_t, wl_surface*) {
        auto* c = static_cast<Client*>(data);
        c->inside = false;
        c->buttons = Qt::NoButton;
    },
    // motion
    [](void* data, wl_pointer*, uint32_t, wl_fixed_t x, wl_fixed_t y) {
        auto* c = static_cast<Client*>(data);
        if (!c->inside) return;
        c->at = QPoint(wl_fixed_to_int(x), wl_fixed_to_int(y));
        pointerEvent(c, LayerSurface::PointerEvent::Move, Qt::NoButton);
    },
    // button
    [](void* data, wl_pointer*, uint32_t, uint32_t, uint32_t code, uint32_t state) {
        auto* c = static_cast<Client*>(data);
        if (!c->inside) return;
        const Qt::MouseButton button = code == BTN_LEFT    ? Qt::LeftButton
                                       : code == BTN_RIGHT ? Qt::RightButton
                                                           : Qt::MiddleButton;
        const bool pressed = state == WL_POINTER_BUTTON_STATE_PRESSED;
        c->buttons.setFlag(button, pressed);
        pointerEvent(c, pressed ? LayerSurface::PointerEvent::Press : LayerSurface::PointerEvent::Release,
                     button);
    },
    // axis, frame, axis_source, axis_stop, axis_discrete, axis_value120
    [](void*, wl_pointer*, uint32_t, uint32_t, wl_fixed_t) {},
    [](void*, wl_pointer*) {},
    [](void*, wl_pointer*, uint32_t) {},
    [](void*, wl_pointer*, uint32_t, uint32_t) {},
    [](void*, wl_pointer*, uint32_t, int32_t) {},
    [](void*, wl_pointer*, uint32_t, int32_t) {},
};

const wl_seat_listener kSeatListener = {
    [](void* data, wl_seat* seat, uint32_t caps) {
        auto* c = static_cast<Client*>(data);
        const bool hasPointer = caps & WL_SEAT_CAPABILITY_POINTER;
        if (hasPointer && !c->pointer) {
            c->pointer = wl_seat_get_pointer(seat);
            wl_pointer_add_listener(c->pointer, &kPointerListener, c);
        } else if (!hasPointer && c->pointer) {
            wl_pointer_release(c->pointer);
            c->pointer = nullptr;
        }
    },
    [](void*, wl_seat*, const char*) {},
};

const wl_registry_listener kRegistryListener = {
    [](void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version) {
        auto* c = static_cast<Client*>(data);
        if (std::strcmp(interface, wl_compositor_interface.name) == 0)
            c->compositor = static_cast<wl_compositor*>(
                wl_registry_bind(registry, name, &wl_compositor_interface, std::min(version, 4u)));
        else if (std::strcmp(interface, wl_shm_interface.name) == 0)
            c->shm = static_cast<wl_shm*>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
        else if (std::strcmp(interface, zwlr_layer_shell_v1_interface.name) == 0)
            c->shell = static_cast<zwlr_layer_shell_v1*>(
                wl_registry_bind(registry, name, &zwlr_layer_shell_v1_interface, std::min(version, 4u)));
        else if (std::strcmp(interface, wl_seat_interface.name) == 0 && !c->seat) {
            c->seat = static_cast<wl_seat*>(
                wl_registry_bind(registry, name, &wl_seat_interface, std::min(version, 5u)));
            wl_seat_add_listener(c->seat, &kSeatListener, c);
        }
    },
    [](void*, wl_registry*, uint32_t) {},
};

const zwlr_layer_surface_v1_listener kLayerListener = {
    [](void* data, zwlr_layer_surface_v1* layer, uint32_t serial, uint32_t, uint32_t) {
        auto* c = static_cast<Client*>(data);
        zwlr_layer_surface_v1_ack_configure(layer, serial);
        c->configured = true;
    },
    // closed: the output went away; made anew at the next show
    [](void* data, zwlr_layer_surface_v1*) { static_cast<Client*>(data)->destroySurface(); },
};

} // namespace

bool LayerSurface::offered() {
    const WaylandGlobals* g = WaylandGlobals::get();
    return g && g->layerShell;
}

LayerSurface::LayerSurface() : client_(std::make_unique<Client>()) {
    Client& c = *client_;
    c.owner = this;
    c.display = wl_display_connect(nullptr);
    if (!c.display) return;
    c.registry = wl_display_get_registry(c.display);
    wl_registry_add_listener(c.registry, &kRegistryListener, &c);
    wl_display_roundtrip(c.display); // the globals
    wl_display_roundtrip(c.display); // the seat's capabilities
    c.notifier = std::make_unique<QSocketNotifier>(wl_display_get_fd(c.display), QSocketNotifier::Read);
    connect(c.notifier.get(), &QSocketNotifier::activated, this, [this] {
        if (wl_display_dispatch(client_->display) < 0) client_->notifier->setEnabled(false); // gone
        client_->flush();
    });
}

LayerSurface::~LayerSurface() = default;

bool LayerSurface::ok() const {
    return client_->display && client_->compositor && client_->shm && client_->shell;
}

bool LayerSurface::shown() const {
    return client_->surface != nullptr;
}

void LayerSurface::show(const QImage& picture, int rightMargin, int bottomMargin) {
    Client& c = *client_;
    if (!ok() || picture.isNull()) return;
    if (!c.surface) {
        c.surface = wl_compositor_create_surface(c.compositor);
        c.layer = zwlr_layer_shell_v1_get_layer_surface(
            c.shell, c.surface, nullptr, ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, "kelvaro-city-clock");
        zwlr_layer_surface_v1_add_listener(c.layer, &kLayerListener, &c);
        zwlr_layer_surface_v1_set_anchor(c.layer, ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
                                                      ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT);
        zwlr_layer_surface_v1_set_keyboard_interactivity(c.layer,
                                                         ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_NONE);
    }
    if (picture.size() != c.size || QPoint(rightMargin, bottomMargin) != c.margins) {
        c.size = picture.size();
        c.margins = QPoint(rightMargin, bottomMargin);
        zwlr_layer_surface_v1_set_size(c.layer, static_cast<uint32_t>(c.size.width()),
                                       static_cast<uint32_t>(c.size.height()));
        zwlr_layer_surface_v1_set_margin(c.layer, 0, rightMargin, bottomMargin, 0);
        if (!c.configured) {
            wl_surface_commit(c.surface); // asks for the first configure
            wl_display_roundtrip(c.display);
        }
    }
    if (!c.configured || !c.surface) return;
    if (wl_buffer* buffer = c.bufferOf(picture)) {
        wl_surface_attach(c.surface, buffer, 0, 0);
        wl_surface_damage(c.surface, 0, 0, c.size.width(), c.size.height());
    }
    wl_surface_commit(c.surface);
    c.flush();
}

void LayerSurface::hide() {
    client_->destroySurface();
}

} // namespace kelvaro
