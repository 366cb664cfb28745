#pragma once
// One logind inhibitor lock. logind keeps the lock while any copy of the
// returned descriptor is open; an invalid descriptor means it was refused
// or logind is not there.
#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>

namespace kelvaro {

// what: "sleep", "shutdown", ...; mode: "block" or "delay".
QDBusUnixFileDescriptor logindInhibit(QDBusConnection bus, const char* what, const char* why,
                                      const char* mode);

} // namespace kelvaro
