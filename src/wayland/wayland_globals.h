#pragma once
// The compositor's globals this program speaks to beside Qt, bound on Qt's own connection
// with an event queue of their own, so Qt's dispatching never sees their events.
struct wl_compositor;
struct wl_display;
struct wl_event_queue;
struct wl_output;
struct wl_registry;
struct wl_seat;
struct wl_shm;
struct wl_surface;
struct zwlr_layer_shell_v1;
struct zwp_idle_inhibit_manager_v1;
class QWindow;

namespace kelvaro {

struct WaylandGlobals {
    wl_display* display = nullptr;
    wl_event_queue* queue = nullptr;
    wl_compositor* compositor = nullptr;
    wl_shm* shm = nullptr;
    wl_seat* seat = nullptr;
    zwp_idle_inhibit_manager_v1* idleInhibit = nullptr;
    zwlr_layer_shell_v1* layerShell = nullptr;
    wl_registry* registry = nullptr;

    // Null unless the program runs on Qt's Wayland back end. Bound once, at the first call.
    static WaylandGlobals* get();
    // The surface of a shown window (null before it is shown).
    static wl_surface* surfaceOf(QWindow* window);
    // Sends what is queued and handles what came for the private queue.
    void dispatch();
};

} // namespace kelvaro
