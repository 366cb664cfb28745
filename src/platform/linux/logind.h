#pragma once
// logind on the system bus: its names, and one inhibitor lock. logind keeps
// the lock while any copy of the returned descriptor is open; an invalid
// descriptor means it was refused or logind is not there.
#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QString>

namespace kelvaro {

inline const QString kLogin1 = QStringLiteral("org.freedesktop.login1");
inline const QString kLogin1Path = QStringLiteral("/org/freedesktop/login1");
inline const QString kLogin1Manager = QStringLiteral("org.freedesktop.login1.Manager");

// what: "sleep", "shutdown", ...; mode: "block" or "delay". `why` is shown to the user (the
// desktop's log-out dialog, systemd-inhibit --list): a translated text.
QDBusUnixFileDescriptor logindInhibit(QDBusConnection bus, const char* what, const QString& why,
                                      const char* mode);

} // namespace kelvaro
