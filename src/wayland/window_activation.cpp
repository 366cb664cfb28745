#include "wayland/window_activation.h"

#include <QGuiApplication>
#include <qpa/qplatformnativeinterface.h>

namespace kelvaro {

QString launchActivationToken() {
    const QString wayland = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    return wayland.isEmpty() ? qEnvironmentVariable("DESKTOP_STARTUP_ID") : wayland;
}

void useActivationToken(const QString& token) {
    if (token.isEmpty()) return;
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("wayland")) {
        // Qt's xdg-shell takes the token from here at the next activation, and clears it.
        qputenv("XDG_ACTIVATION_TOKEN", token.toLatin1());
    } else if (platform == QLatin1String("xcb")) {
        // The next window shown carries it as _NET_STARTUP_ID and ends the launcher's feedback.
        using SetStartupId = void (*)(const char*);
        QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
        const auto function =
            native ? native->nativeResourceFunctionForIntegration(QByteArrayLiteral("setstartupid"))
                   : nullptr;
        // Through the generic function pointer type: the integration hands every function out as one.
        if (auto set = reinterpret_cast<SetStartupId>(reinterpret_cast<void (*)()>(function)))
            set(token.toLatin1().constData());
    }
}

} // namespace kelvaro
