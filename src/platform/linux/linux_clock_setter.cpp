#include "platform/linux/linux_clock_setter.h"

#include "framework/translatable.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>

#include <cmath>
#include <map>
#include <string>

namespace kelvaro {

namespace {

const QString kService = QStringLiteral("org.freedesktop.timedate1");
const QString kPath = QStringLiteral("/org/freedesktop/timedate1");
constexpr int kAskTimeoutMs = 120'000; // the user may be typing a password
constexpr int kQuietTimeoutMs = 5'000;

// The refusals a user meets, in the clock's words so that they can be translated; any other
// keeps the system's (English) words.
std::string ownWords(const QString& errorName, const QString& systemWords) {
    static const std::map<QString, const char*> words = {
        {QStringLiteral("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired"),
         KV_TR("Interactive authentication required.")},
        {QStringLiteral("org.freedesktop.DBus.Error.AccessDenied"), KV_TR("Permission denied.")},
        {QStringLiteral("org.freedesktop.timedate1.AutomaticTimeSyncEnabled"),
         KV_TR("Automatic time synchronization is enabled.")},
        {QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown"),
         KV_TR("No clock service is available.")},
        {QStringLiteral("org.freedesktop.DBus.Error.NameHasNoOwner"),
         KV_TR("No clock service is available.")},
        {QStringLiteral("org.freedesktop.DBus.Error.Disconnected"), KV_TR("No clock service is available.")},
        {QStringLiteral("org.freedesktop.DBus.Error.NoServer"), KV_TR("No clock service is available.")},
        {QStringLiteral("org.freedesktop.DBus.Error.NoReply"),
         KV_TR("The clock service did not answer in time.")},
        {QStringLiteral("org.freedesktop.DBus.Error.Timeout"),
         KV_TR("The clock service did not answer in time.")},
    };
    if (const auto it = words.find(errorName); it != words.end()) return it->second;
    if (errorName.startsWith(QStringLiteral("org.freedesktop.DBus.Error.Spawn.")))
        return KV_TR("No clock service is available."); // timedated could not be started
    return systemWords.isEmpty() ? errorName.toStdString() : systemWords.toStdString();
}

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
    refusal_ = ownWords(answer.errorName(), answer.errorMessage());
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
