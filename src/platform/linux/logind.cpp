#include "platform/linux/logind.h"

#include <QDBusMessage>
#include <QDBusReply>

namespace kelvaro {

QDBusUnixFileDescriptor logindInhibit(QDBusConnection bus, const char* what, const QString& why,
                                      const char* mode) {
    constexpr int kTimeoutMs = 2000; // a stuck logind must not hold the tick for long
    QDBusMessage call =
        QDBusMessage::createMethodCall(kLogin1, kLogin1Path, kLogin1Manager, QStringLiteral("Inhibit"));
    call << QString::fromLatin1(what) << QStringLiteral("Kelvaro Clock") << why << QString::fromLatin1(mode);
    const QDBusReply<QDBusUnixFileDescriptor> reply = bus.call(call, QDBus::Block, kTimeoutMs);
    return reply.isValid() ? reply.value() : QDBusUnixFileDescriptor();
}

} // namespace kelvaro
