// The monitor's power through the X server's DPMS extension. Kept apart: it is
// the only file that includes Xlib, whose macros clash with Qt's names.
#include "platform/linux/linux_power_inhibitor.h"

#include <QGuiApplication>

#include <X11/Xlib.h>
#include <X11/extensions/dpms.h>

namespace kelvaro {

bool setDpmsLevel(MonitorPower power) {
    // qGuiApp casts blindly; a program without a GUI has none.
    auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    auto* x11 = gui ? gui->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display) return false;
    int event = 0, error = 0;
    if (!DPMSQueryExtension(display, &event, &error) || !DPMSCapable(display)) return false;
    const CARD16 level = power == MonitorPower::Off       ? DPMSModeOff
                         : power == MonitorPower::Standby ? DPMSModeStandby
                                                          : DPMSModeOn;
    DPMSEnable(display);
    const bool done = DPMSForceLevel(display, level);
    XFlush(display);
    return done;
}

} // namespace kelvaro
