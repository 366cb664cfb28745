#include "wayland/wayland_globals.h"

#include "idle-inhibit-unstable-v1-client-protocol.h"
#include "wlr-layer-shell-unstable-v1-client-protocol.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>

#include <algorithm>
#include <cstring>

namespace kelvaro {

namespace {

void announced(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version) {
    auto* g = static_cast<WaylandGlobals*>(data);
    const auto bind = [&](const wl_interface* iface, uint32_t highest) {
        return wl_registry_bind(registry, name, iface, std::min(version, highest));
    };
    if (std::strcmp(interface, wl_compositor_interface.name) == 0)
        g->compositor = static_cast<wl_compositor*>(bind(&wl_compositor_interface, 4));
    else if (std::strcmp(interface, wl_shm_interface.name) == 0)
        g->shm = static_cast<wl_shm*>(bind(&wl_shm_interface, 1));
    else if (std::strcmp(interface, wl_seat_interface.name) == 0 && !g->seat)
        g->seat = static_cast<wl_seat*>(bind(&wl_seat_interface, 5));
    else if (std::strcmp(interface, zwp_idle_inhibit_manager_v1_interface.name) == 0)
        g->idleInhibit =
            static_cast<zwp_idle_inhibit_manager_v1*>(bind(&zwp_idle_inhibit_manager_v1_interface, 1));
    else if (std::strcmp(interface, zwlr_layer_shell_v1_interface.name) == 0)
        g->layerShell = static_cast<zwlr_layer_shell_v1*>(bind(&zwlr_layer_shell_v1_interface, 4));
}

void removed(void*, wl_registry*, uint32_t) {}

const wl_registry_listener kRegistryListener = {announced, removed};

} // namespace

WaylandGlobals* WaylandGlobals::get() {
    static WaylandGlobals* globals = []() -> WaylandGlobals* {
        if (QGuiApplication::platformName() != QLatin1String("wayland")) return nullptr;
        QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
        auto* display =
            native ? static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display")) : nullptr;
        if (!display) return nullptr;
        static WaylandGlobals g;
        g.display = display;
        g.queue = wl_display_create_queue(display);
        auto* wrapped = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
        wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapped), g.queue);
        g.registry = wl_display_get_registry(wrapped);
        wl_proxy_wrapper_destroy(wrapped);
        wl_registry_add_listener(g.registry, &kRegistryListener, &g);
        wl_display_roundtrip_queue(display, g.queue);
        // Let go before Qt closes the connection as the program ends.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] {
            if (g.idleInhibit) zwp_idle_inhibit_manager_v1_destroy(g.idleInhibit);
            if (g.layerShell) zwlr_layer_shell_v1_destroy(g.layerShell);
            if (g.seat) wl_seat_destroy(g.seat);
            if (g.shm) wl_shm_destroy(g.shm);
            if (g.compositor) wl_compositor_destroy(g.compositor);
            if (g.registry) wl_registry_destroy(g.registry);
            wl_display_flush(g.display);
            wl_event_queue_destroy(g.queue);
            g = WaylandGlobals{};
        });
        return &g;
    }();
    return globals;
}

wl_surface* WaylandGlobals::surfaceOf(QWindow* window) {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (!native || !window || !window->handle()) return nullptr;
    return static_cast<wl_surface*>(native->nativeResourceForWindow("surface", window));
}

void WaylandGlobals::dispatch() {
    wl_display_flush(display);
    wl_display_dispatch_queue_pending(display, queue);
}

} // namespace kelvaro
