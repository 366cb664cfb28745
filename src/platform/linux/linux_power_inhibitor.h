#pragma once
// Holds on logind (suspend blocked, shutdown delayed: each held by the file
// descriptor logind hands out, released by closing it), the desktop's screen
// saver held off over the session bus (org.freedesktop.ScreenSaver, else the
// desktop portal's Inhibit) and on the shown surface where the window system
// offers that, the monitor through X11 DPMS where the display has it, and
// logind's Suspend.
#include "platform/power.h"

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QElapsedTimer>

#include <functional>
#include <optional>

namespace kelvaro {

class LogindInhibitor : public PowerInhibitor {
  public:
    explicit LogindInhibitor(QDBusConnection system = QDBusConnection::systemBus(),
                             QDBusConnection session = QDBusConnection::sessionBus());
    void holdSleep(bool hold) override;
    void holdShutdown(bool hold) override;
    void holdIdle(bool hold) override;
    bool setMonitor(MonitorPower power) override;
    void suspend() override;
    // Also holds idle on a surface the window system knows (Wayland's idle-inhibit on the
    // night screen): wlroots desktops have neither bus service.
    void holdIdleOnSurface(std::function<void(bool)> hold) { surfaceHold_ = std::move(hold); }

  private:
    struct Hold {
        QDBusUnixFileDescriptor fd;
        QElapsedTimer lastTry; // a refused hold is asked again a minute later, not every tick
    };
    // why: the English reason, translated as it goes to logind.
    void hold(Hold& h, bool wanted, const char* what, const char* why, const char* mode);

    QDBusConnection system_, session_;
    Hold sleep_, shutdown_;
    bool idleHeld_ = false;
    std::optional<uint> idleCookie_; // from org.freedesktop.ScreenSaver
    QString idleRequest_;            // the portal's request handle
    std::function<void(bool)> surfaceHold_;
};

// Asks the X display for a DPMS level; false when there is no X display or it has no DPMS,
// and always in a build without X11 (platform/x11/x11_dpms.cpp, else platform/no_x11.cpp).
bool setDpmsLevel(MonitorPower power);

} // namespace kelvaro
