#pragma once
// Keeps the screen on while a window is shown, through the compositor's idle-inhibit
// protocol (zwp_idle_inhibit_manager_v1): the one way on wlroots desktops, which have no
// screen saver service on the session bus. Does nothing elsewhere.
#include <QPointer>
#include <QWindow>

struct zwp_idle_inhibitor_v1;

namespace kelvaro {

class SurfaceIdleInhibitor {
  public:
    ~SurfaceIdleInhibitor() { release(); }
    // Held on `window`'s surface from now while `hold` and the window is shown.
    void hold(QWindow* window, bool hold);
    // To be called once the window is shown: its surface exists only from then.
    void shown();
    bool held() const { return inhibitor_ != nullptr; }
    // Whether the compositor offers the protocol.
    static bool offered();

  private:
    void release();

    QPointer<QWindow> window_;
    bool wanted_ = false;
    zwp_idle_inhibitor_v1* inhibitor_ = nullptr;
};

} // namespace kelvaro
