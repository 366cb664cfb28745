#include "wayland/surface_idle_inhibitor.h"

#include "wayland/wayland_globals.h"

#include "idle-inhibit-unstable-v1-client-protocol.h"

namespace kelvaro {

bool SurfaceIdleInhibitor::offered() {
    const WaylandGlobals* g = WaylandGlobals::get();
    return g && g->idleInhibit;
}

void SurfaceIdleInhibitor::hold(QWindow* window, bool hold) {
    if (window != window_) release();
    window_ = window;
    wanted_ = hold;
    if (!hold)
        release();
    else
        shown();
}

void SurfaceIdleInhibitor::shown() {
    if (!wanted_ || inhibitor_ || !window_ || !window_->isVisible()) return;
    WaylandGlobals* g = WaylandGlobals::get();
    if (!g || !g->idleInhibit) return;
    wl_surface* surface = WaylandGlobals::surfaceOf(window_);
    if (!surface) return;
    inhibitor_ = zwp_idle_inhibit_manager_v1_create_inhibitor(g->idleInhibit, surface);
    g->dispatch();
}

void SurfaceIdleInhibitor::release() {
    if (!inhibitor_) return;
    zwp_idle_inhibitor_v1_destroy(inhibitor_);
    inhibitor_ = nullptr;
    if (WaylandGlobals* g = WaylandGlobals::get()) g->dispatch();
}

} // namespace kelvaro
