#include "platform/linux/linux_clock_setter.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>

#include <cmath>

namespace kelvaro {

namespace {

const QString kService = QStringLiteral("org.freedesktop.timedate1");
const QString kPath = QStringLiteral("/org/freedesktop/timedate1");
constexpr int kAskTimeoutMs = 120'000; // the user may be typing a password
constexpr int kQuietTimeoutMs = 5'000;

} // namespace

std::int64_t unixMicroseconds(double utc) {
    // The clock is set in whole milliseconds.
    return std::llround((utc - 25569.0) * 86'400'000.0) * 1000;
}

bool TimedatedClockSetter::setUtc(double utc, bool mayAsk) {
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("SetTime"));
    call << static_cast<qlonglong>(unixMicroseconds(utc)) << false << mayAsk;
    const QDBusMessage answer =
        QDBusConnection::systemBus().call(call, QDBus::Block, mayAsk ? kAskTimeoutMs : kQuietTimeoutMs);
    if (answer.type() == QDBusMessage::ReplyMessage) {
        refusal_.clear();
        return true;
    }
    // polkit's "not authorized", no timedated on this system, no system bus at all...
    refusal_ = answer.errorMessage().isEmpty() ? answer.errorName().toStdString()
                                               : answer.errorMessage().toStdString();
    return false;
}

bool TimedatedClockSetter::ntpSynchronized() {
    QDBusMessage call = QDBusMessage::createMethodCall(
        kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << kService << QStringLiteral("NTPSynchronized");
    const QDBusReply<QDBusVariant> reply =
        QDBusConnection::systemBus().call(call, QDBus::Block, kQuietTimeoutMs);
    return reply.isValid() && reply.value().variant().toBool();
}

} // namespace kelvaro
